// Counts the heap allocations of each path of the selection. The global allocation functions are
// replaced in this executable only (allocation_counter), and the count is read right around the
// call; the call itself is in the library, so the compiler cannot elide what it allocates.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <string>

#include "allocation_counter.h"
#include "orv/pill.h"
#include "orv/pill_c.h"

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

// The path's inputs, built before any counting starts.
struct Inputs {
    orv::DriverStatus driver;
    orv::CaptureStatus capture;
    bool steamVrRunning;

    explicit Inputs(const Path& path)
        : capture{"idle", path.error, path.micState}, steamVrRunning(path.steamVrRunning) {
        driver.loaded = path.loaded;
    }
    [[nodiscard]] std::optional<orv::FailPill> select() const {
        return orv::selectFailPill(driver, capture, steamVrRunning);
    }
};

// Skips each test where this program cannot count the library's allocations as a release build
// makes them, saying why. The preprocessor chooses, so that no build compiles a dead branch.
class AllocationTest : public ::testing::Test {
protected:
    void SetUp() override {
#if ORV_PILL_SHARED && defined(_WIN32)
        GTEST_SKIP() << "the library is a DLL, whose allocations do not go through this program's "
                        "operator new";
#elif defined(_ITERATOR_DEBUG_LEVEL) && _ITERATOR_DEBUG_LEVEL > 0
        GTEST_SKIP() << "iterator debugging gives each std::string an allocation of its own";
#endif
    }
};

TEST_F(AllocationTest, EachPathAllocatesOnlyWhatItsTextsNeed) {
    for (const Path& path : kPaths) {
        SCOPED_TRACE(path.name);
        const Inputs in(path);
        const long before = orv::test::allocationCount();
        const std::optional<orv::FailPill> pill = in.select();
        const long made = orv::test::allocationCount() - before;

        ASSERT_EQ(pill.has_value(), path.expectPill);
        EXPECT_EQ(made, pill ? allocationsFor(*pill) : 0);

        // The C interface allocates nothing, pills included.
        orv_fail_pill_view view{};
        const long beforeC = orv::test::allocationCount();
        const int result = orv_select_fail_pill(
            static_cast<std::uint8_t>(path.loaded), path.micState, std::strlen(path.micState),
            path.error ? path.error->data() : nullptr, path.error ? path.error->size() : 0,
            static_cast<std::uint8_t>(path.steamVrRunning), &view);
        EXPECT_EQ(orv::test::allocationCount() - beforeC, 0);
        EXPECT_EQ(result, path.expectPill ? ORV_PILL_SELECTED : ORV_PILL_NONE);
    }
}

// Whichever allocation of a pill fails, std::bad_alloc reaches the caller and no pill comes back
// (the sanitizer builds show that nothing leaks); with memory, the same call then succeeds.
TEST_F(AllocationTest, PassesEachAllocationFailureToTheCaller) {
    for (const Path& path : kPaths) {
        SCOPED_TRACE(path.name);
        const Inputs in(path);
        long failures = 0;
        std::optional<orv::FailPill> pill;
        for (long k = 1; !pill && k <= 4; ++k) {
            orv::test::failAllocation(k);
            try {
                pill = in.select();
                if (!pill) {
                    break;
                }
            } catch (const std::bad_alloc&) {
                ++failures;
            }
        }
        orv::test::failAllocation(0);
        ASSERT_EQ(pill.has_value(), path.expectPill);
        EXPECT_EQ(failures, pill ? allocationsFor(*pill) : 0);
    }
}

}  // namespace
