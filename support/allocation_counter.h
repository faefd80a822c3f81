// Counts every allocation made through the global operator new in a program that links this in
// (tests and benchmarks only: it replaces the global allocation functions), and can make a chosen
// one fail.
#ifndef ORV_SUPPORT_ALLOCATION_COUNTER_H
#define ORV_SUPPORT_ALLOCATION_COUNTER_H

namespace orv::support {

// The number of allocations so far. Read it right around the code being measured.
long allocationCount() noexcept;

// Makes the k-th allocation from now throw std::bad_alloc, as if memory had run out; 0 makes none
// fail.
void failAllocation(long k) noexcept;

}  // namespace orv::support

#endif  // ORV_SUPPORT_ALLOCATION_COUNTER_H
