// Counts every allocation made through the global operator new in a program that links this in
// (tests and benchmarks only: it replaces the global allocation functions).
#ifndef ORV_SUPPORT_ALLOCATION_COUNTER_H
#define ORV_SUPPORT_ALLOCATION_COUNTER_H

namespace orv::support {

// The number of allocations so far. Read it right around the code being measured.
long allocationCount() noexcept;

}  // namespace orv::support

#endif  // ORV_SUPPORT_ALLOCATION_COUNTER_H
