// Counts every allocation made through the global operator new in a test program that links this
// in (it replaces the global allocation functions), and can make a chosen one fail.
#ifndef ORV_TESTS_ALLOCATION_COUNTER_H
#define ORV_TESTS_ALLOCATION_COUNTER_H

namespace orv::test {

// The number of allocations so far. Read it right around the code being measured.
long allocationCount() noexcept;

// Makes the k-th allocation from now throw std::bad_alloc, as if memory had run out; 0 makes none
// fail.
void failAllocation(long k) noexcept;

}  // namespace orv::test

#endif  // ORV_TESTS_ALLOCATION_COUNTER_H
