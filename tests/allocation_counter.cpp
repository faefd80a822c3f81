#include "allocation_counter.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

// Written by every allocation on every thread.
std::atomic<long> allocations{0};  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
// The number of the allocation that fails; 0 for none.
std::atomic<long> failing{0};  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

}  // namespace

long orv::test::allocationCount() noexcept { return allocations.load(); }

void orv::test::failAllocation(long k) noexcept { failing.store(k == 0 ? 0 : allocations + k); }

// The replacements must get memory without operator new, so they use malloc and free.
void* operator new(std::size_t size) {
    if (allocations.fetch_add(1, std::memory_order_relaxed) + 1 == failing.load()) {
        throw std::bad_alloc();
    }
    // NOLINTNEXTLINE(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

// NOLINTNEXTLINE(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)
void operator delete(void* block) noexcept { std::free(block); }

// NOLINTNEXTLINE(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)
void operator delete(void* block, std::size_t /*size*/) noexcept { std::free(block); }
