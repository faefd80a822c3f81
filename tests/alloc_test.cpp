// Counts the heap allocations of each path of the selection. The global allocation functions are
// replaced in this executable only (allocation_counter), and the count is read right around the
// call; the call itself is in the library, so the compiler cannot elide what it allocates.
#include <gtest/gtest.h>

#include <cstddef>
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

TEST(AllocationTest, EachPathAllocatesOnlyWhatItsTextsNeed) {
    const struct {
        const char* name;
        bool loaded;
        bool steamVrRunning;
        const char* micState;
        std::optional<std::string> error;
        bool expectPill;
    } rows[] = {
        {"no pill: working microphone", true, true, "active", std::nullopt, false},
        {"no pill: right length, other bytes", true, true, "permission_deniex", std::nullopt,
         false},
        {"no pill: empty error", true, true, "active", std::string(), false},
        {"no pill: SteamVR not running, driver loaded", true, false, "", std::nullopt, false},
        {"DriverNotLoaded", false, true, "active", std::nullopt, true},
        {"SteamVRNotRunning", false, false, "active", std::nullopt, true},
        {"MicPermission", true, true, "permission_denied", std::nullopt, true},
        {"DeviceRemoved", true, true, "missing", std::nullopt, true},
        {"Generic, short message", true, true, "active", std::string("busy"), true},
        {"Generic, long message", true, true, "active", std::string(300, 'x'), true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        orv::DriverStatus driver;
        driver.loaded = row.loaded;
        orv::CaptureStatus capture;
        capture.state = "idle";
        capture.micState = row.micState;
        capture.error = row.error;

        const long before = orv::support::allocationCount();
        const std::optional<orv::FailPill> pill =
            orv::selectFailPill(driver, capture, row.steamVrRunning);
        const long made = orv::support::allocationCount() - before;

        ASSERT_EQ(pill.has_value(), row.expectPill);
        EXPECT_EQ(made, pill ? allocationsFor(*pill) : 0);
    }
}

}  // namespace
