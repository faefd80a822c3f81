// Counts the heap allocations of each path of the selection. The global allocation functions are
// replaced in this executable only (allocation_counter), and the count is read right around the
// call. The selection is inline, so it is called through a pointer the compiler cannot see
// through: it can then neither elide what the call allocates nor merge it with the caller's.
#include <gtest/gtest.h>

#include <cstddef>
#include <new>
#include <optional>
#include <string>

#include "allocation_counter.h"
#include "orv/pill.h"

namespace {

// A pill's texts need one allocation each when they are longer than a string keeps inline, and
// none otherwise; anything more is a temporary or a copy. Several pills need more than zero, so a
// counter that missed the allocations of std::string would fail here too.
long allocationsFor(const orv::FailPill& pill) {
    const std::size_t inlineCapacity = std::string().capacity();
    long count = 0;
    for (const std::string* text : {&pill.message, &pill.actionLabel, &pill.deepLink}) {
        count += text->size() > inlineCapacity ? 1 : 0;
    }
    return count;
}

// Each path of the selection, with the inputs that take it.
struct Path {
    const char* name;
    bool loaded;
    bool steamVrRunning;
    const char* micState;
    std::optional<std::string> error;
    bool expectPill;
};

const Path kPaths[] = {
    {"no pill: working microphone", true, true, "active", std::nullopt, false},
    {"no pill: right length, other bytes", true, true, "permission_deniex", std::nullopt, false},
    {"no pill: empty error", true, true, "active", std::string(), false},
    {"no pill: SteamVR not running, driver loaded", true, false, "", std::nullopt, false},
    {"DriverNotLoaded", false, true, "active", std::nullopt, true},
    {"SteamVRNotRunning", false, false, "active", std::nullopt, true},
    {"MicPermission", true, true, "permission_denied", std::nullopt, true},
    {"DeviceRemoved", true, true, "missing", std::nullopt, true},
    {"Generic, short message", true, true, "active", std::string("busy"), true},
    {"Generic, long message", true, true, "active", std::string(300, 'x'), true},
};

// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables): volatile on purpose
std::optional<orv::FailPill> (*volatile opaqueSelect)(const orv::DriverStatus&,
                                                      const orv::CaptureStatus&,
                                                      bool) = orv::selectFailPill;

// Skips each test where this program cannot count the selection's allocations as a release build
// makes them, saying why. The preprocessor chooses, so that no build compiles a dead branch.
class AllocationTest : public ::testing::Test {
protected:
    void SetUp() override {
#if defined(_ITERATOR_DEBUG_LEVEL) && _ITERATOR_DEBUG_LEVEL > 0
        GTEST_SKIP() << "iterator debugging gives each std::string an allocation of its own";
#endif
    }
};

// Each path allocates only what its texts need. Whichever of those allocations fails,
// std::bad_alloc reaches the caller (the sanitizer builds show that nothing leaks); with memory,
// the same call then gives the same pill.
TEST_F(AllocationTest, EachPathAllocatesOnlyWhatItsTextsNeedAndPassesOnEachFailure) {
    for (const Path& path : kPaths) {
        SCOPED_TRACE(path.name);
        // Built before any counting starts.
        orv::DriverStatus driver;
        driver.loaded = path.loaded;
        const orv::CaptureStatus capture{"idle", path.error, path.micState};

        const long before = orv::test::allocationCount();
        const std::optional<orv::FailPill> pill =
            opaqueSelect(driver, capture, path.steamVrRunning);
        const long made = orv::test::allocationCount() - before;
        ASSERT_EQ(pill.has_value(), path.expectPill);
        const long needed = pill ? allocationsFor(*pill) : 0;
        EXPECT_EQ(made, needed);

        long failures = 0;
        for (long k = 1; k <= needed; ++k) {
            orv::test::failAllocation(k);
            try {
                static_cast<void>(opaqueSelect(driver, capture, path.steamVrRunning));
            } catch (const std::bad_alloc&) {
                ++failures;
            }
        }
        orv::test::failAllocation(0);
        EXPECT_EQ(failures, needed);
        EXPECT_EQ(opaqueSelect(driver, capture, path.steamVrRunning), pill);
    }
}

}  // namespace
