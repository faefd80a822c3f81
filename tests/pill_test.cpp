// Unit tests of the failure pill selection: the exact pills, the order of the rules, the exact
// matching of state words and the free-text error.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <utility>
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

using orv::CaptureStatus;
using orv::DriverStatus;
using orv::FailKind;
using orv::FailPill;

// The inputs of one call of the selection; what a row leaves out is as a healthy, idle capture
// side with a loaded driver reports it.
struct Call {
    bool loaded = true;
    bool steamVrRunning = true;
    std::string micState = "active";
    std::optional<std::string> error = std::nullopt;
    std::string state = "idle";
};

// The two records as the status sources fill them for a call.
struct Records {
    DriverStatus driver;
    CaptureStatus capture;
};

Records recordsFor(const Call& call) {
    Records records;
    records.driver.loaded = call.loaded;
    records.driver.unavailable = !call.loaded;
    records.capture = CaptureStatus{call.state, call.error, call.micState};
    return records;
}

std::optional<FailPill> pillFor(const Call& call) {
    const Records records = recordsFor(call);
    return orv::selectFailPill(records.driver, records.capture, call.steamVrRunning);
}

const FailPill kDriverNotLoaded{FailKind::DriverNotLoaded,
                                "Driver not installed -- run installer or enable in SteamVR",
                                "Open SteamVR",
                                "steam://rungameid/250820",
                                false,
                                false};
const FailPill kSteamVrNotRunning{
    FailKind::SteamVRNotRunning, "SteamVR not running", "", "", false, false};
const FailPill kMicPermission{FailKind::MicPermission,
                              "Mic access blocked",
                              "Open Windows mic settings",
                              "ms-settings:privacy-microphone",
                              true,
                              false};
const FailPill kDeviceRemoved{FailKind::DeviceRemoved,
                              "Microphone disconnected -- reconnect to resume detection",
                              "",
                              "",
                              true,
                              false};

FailPill genericPill(std::string message) {
    return FailPill{FailKind::Generic, std::move(message), "", "", true, false};
}

// Each pill, whole, as the rule that builds it is reached, and which rule wins when several could
// apply.
TEST(SelectFailPillTest, TriesTheRulesInOrder) {
    const struct {
        const char* name;
        Call call;
        std::optional<FailPill> expected;
    } rows[] = {
        {"driver not loaded, SteamVR running", {false, true}, kDriverNotLoaded},
        {"driver not loaded, SteamVR not running", {false, false}, kSteamVrNotRunning},
        {"permission denied", {true, true, "permission_denied"}, kMicPermission},
        {"microphone missing", {true, true, "missing"}, kDeviceRemoved},
        {"capture error",
         {true, true, "active", "Capture device busy"},
         genericPill("Capture device busy")},
        {"healthy", {true, true, "active"}, std::nullopt},
        {"SteamVR not running matters only without the driver",
         {true, false, "active"},
         std::nullopt},
        {"driver rule outranks permission, SteamVR running",
         {false, true, "permission_denied"},
         kDriverNotLoaded},
        {"driver rule outranks permission, SteamVR not running",
         {false, false, "permission_denied"},
         kSteamVrNotRunning},
        {"driver rule outranks missing", {false, true, "missing"}, kDriverNotLoaded},
        {"driver rule outranks the error, SteamVR running",
         {false, true, "active", "driver error text"},
         kDriverNotLoaded},
        {"driver rule outranks the error, SteamVR not running",
         {false, false, "active", "driver error text"},
         kSteamVrNotRunning},
        {"permission outranks the error",
         {true, true, "permission_denied", "boom"},
         kMicPermission},
        {"missing outranks the error", {true, false, "missing", "boom"}, kDeviceRemoved},
        {"the error alone", {true, false, "active", "boom"}, genericPill("boom")},
        {"an empty error is none", {true, true, "active", ""}, std::nullopt},
        {"capture state is not read",
         {true, true, "missing", std::nullopt, "capturing"},
         kDeviceRemoved},
        {"empty capture state", {true, true, "active", std::nullopt, ""}, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(pillFor(row.call), row.expected);
    }
}

// Only `loaded` of the driver record counts: its other members, set against their usual values,
// change no result.
TEST(SelectFailPillTest, ReadsOnlyLoadedOfTheDriver) {
    const Call calls[] = {{true, true},
                          {true, true, "missing"},
                          {true, true, "active", "boom"},
                          {false, true},
                          {false, false}};
    for (const Call& call : calls) {
        SCOPED_TRACE(::testing::Message()
                     << "loaded " << call.loaded << ", micState " << call.micState);
        Records records = recordsFor(call);
        records.driver.unavailable = call.loaded;
        records.driver.detail = "driver detail";
        records.driver.extraState = 0xFFFF;
        EXPECT_EQ(orv::selectFailPill(records.driver, records.capture, call.steamVrRunning),
                  pillFor(call));
    }
}

// The microphone words match exactly: whole text, every byte, case-sensitive, no trimming.
// A word that matches no rule leaves the result to the error alone.
TEST(SelectFailPillTest, MatchesMicrophoneWordsExactly) {
    const struct {
        const char* name;
        std::string micState;
    } rows[] = {
        {"empty", ""},
        {"unknown word", "muted"},
        {"capital first letter", "Permission_denied"},
        {"upper case", "MISSING"},
        {"trailing blank", "missing "},
        {"leading blank", " permission_denied"},
        {"same length, last byte differs", "permission_deniex"},
        {"same length, first byte differs", "nissing"},
        {"prefix only", "miss"},
        {"longer word with the right prefix", "missing_device"},
        {"embedded NUL after the word", std::string("missing\0", 8)},
        {"embedded NUL inside, same length", std::string("miss\0ng", 7)},
        {"non-ASCII byte, same length", "miss\xC3\xADng"},
        {"non-ASCII only", "\xFF\xFE\xFD\xFC\xFB\xFA\xF9"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(pillFor({true, true, row.micState}), std::nullopt);
        EXPECT_EQ(pillFor({true, true, row.micState, "boom"}), genericPill("boom"));
    }
}

// The error text reaches the pill unchanged, whatever bytes and length it has.
TEST(SelectFailPillTest, CopiesTheErrorTextUnchanged) {
    const struct {
        const char* name;
        std::string error;
    } rows[] = {
        {"one byte", "x"},
        {"a blank", " "},
        {"fits a string's inline buffer", "fifteen chars!!"},
        {"just past the inline buffer", "sixteen chars!!!"},
        {"embedded NUL", std::string("before\0after", 12)},
        {"leading NUL", std::string("\0", 1)},
        {"non-ASCII bytes", "Mikrofon gest\xC3\xB6rt \xFF\x80"},
        {"line breaks", "first\r\nsecond\n"},
        {"a megabyte", std::string(std::size_t{1} << 20U, 'e')},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<FailPill> pill = pillFor({true, true, "active", row.error});
        ASSERT_TRUE(pill.has_value());
        EXPECT_EQ(*pill, genericPill(row.error));
        EXPECT_EQ(pill->message.size(), row.error.size());
    }
}

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
    const struct {
        Call call;
        std::optional<FailPill> expected;
    } rows[] = {
        {{false, true}, kDriverNotLoaded},
        {{false, false}, kSteamVrNotRunning},
        {{true, true, "permission_denied"}, kMicPermission},
        {{true, true, "missing"}, kDeviceRemoved},
        {{true, true, "active", std::string(64, 'c')}, genericPill(std::string(64, 'c'))},
        {{true, true}, std::nullopt},
    };
    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    threads.reserve(kThreads);
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&rows, &mismatches, t] {
            for (int round = 0; round < kRounds; ++round) {
                for (const auto& row : rows) {
                    if (pillFor(row.call) != row.expected) {
                        ++mismatches[static_cast<std::size_t>(t)];
                    }
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
