// Unit tests of the failure pill beyond the table of cases (tests/cases.tsv, which
// orv_pill_cases runs): the pill's equality, and calls from several threads at once.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "orv/pill.h"

namespace orv {

// Lets GoogleTest show a pill in full when an expectation on it fails.
void PrintTo(const FailPill& pill, std::ostream* out) {
    *out << "{kind " << static_cast<int>(pill.kind) << ", message \"" << pill.message
         << "\", actionLabel \"" << pill.actionLabel << "\", deepLink \"" << pill.deepLink
         << "\", dismissable " << pill.dismissable << ", reserved " << pill.reserved << "}";
}

}  // namespace orv

namespace {

using orv::FailKind;
using orv::FailPill;

const FailPill kMicPermission{FailKind::MicPermission,
                              "Mic access blocked",
                              "Open Windows mic settings",
                              "ms-settings:privacy-microphone",
                              true,
                              false};

// A pill without an action is still a pill, and equality sees every member.
TEST(FailPillTest, EqualityComparesEveryMember) {
    const FailPill base = kMicPermission;
    EXPECT_EQ(base, kMicPermission);
    EXPECT_FALSE(base != kMicPermission);

    std::vector<FailPill> changed(6, base);
    changed[0].kind = FailKind::Generic;
    changed[1].message += ".";
    changed[2].actionLabel.clear();
    changed[3].deepLink = "ms-settings:privacy-microphone ";
    changed[4].dismissable = false;
    changed[5].reserved = true;
    for (std::size_t i = 0; i < changed.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NE(changed[i], base);
        EXPECT_FALSE(changed[i] == base);
    }
}

// The status display may ask from any thread: concurrent calls share nothing and each gets its
// own full pill. Run under ThreadSanitizer, this shows the selection is free of data races.
constexpr int kThreads = 4;
constexpr int kRounds = 200;

TEST(SelectFailPillTest, GivesEachOfSeveralThreadsItsOwnResult) {
    const std::string longError(64, 'c');
    const struct {
        bool loaded;
        const char* micState;
        std::optional<std::string> error;
        std::optional<FailKind> kind;
    } rows[] = {
        {false, "active", std::nullopt, FailKind::DriverNotLoaded},
        {true, "permission_denied", std::nullopt, FailKind::MicPermission},
        {true, "missing", std::nullopt, FailKind::DeviceRemoved},
        {true, "active", longError, FailKind::Generic},
        {true, "active", std::nullopt, std::nullopt},
    };
    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    threads.reserve(kThreads);
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&rows, &mismatches, &longError, t] {
            for (int round = 0; round < kRounds; ++round) {
                for (const auto& row : rows) {
                    orv::DriverStatus driver;
                    driver.loaded = row.loaded;
                    const orv::CaptureStatus capture{"idle", row.error, row.micState};
                    const std::optional<FailPill> pill = orv::selectFailPill(driver, capture, true);
                    const bool right =
                        pill ? row.kind == pill->kind &&
                                   (pill->kind != FailKind::Generic || pill->message == longError)
                             : !row.kind;
                    mismatches[static_cast<std::size_t>(t)] += right ? 0 : 1;
                }
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(mismatches, std::vector<int>(kThreads, 0));
}

}  // namespace
