// The self-test program's run and report, in-process. A selection that answers as the library
// does, except for one call whose answer it spoils, shows each of the 27 checks failing with its
// exact line; the same selection holds every call to its scenario's inputs.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "orv/pill.h"
#include "selftest.h"

namespace {

using orv::CaptureStatus;
using orv::DriverStatus;
using orv::FailKind;
using orv::FailPill;

// How the selection spoils its answer to one call (counted from 1; call 0 spoils none).
enum class Spoil { NoPill, PillWhereNone, Kind, Label, Link, Dismissable };

struct Spoiling {
    int call = 0;
    Spoil how = Spoil::NoPill;
    FailKind kind = FailKind::Generic;  // the kind that Spoil::Kind answers
    const char* text = "";  // the label or link that Spoil::Label or Spoil::Link answers
};

// Every input of a call, as one comparable text.
std::string describe(const DriverStatus& driver, const CaptureStatus& capture,
                     bool steamVrRunning) {
    std::ostringstream text;
    text << "loaded " << driver.loaded << ", unavailable " << driver.unavailable << ", detail '"
         << driver.detail << "', extraState " << driver.extraState << ", state '" << capture.state
         << "', error " << (capture.error ? "'" + *capture.error + "'" : "absent") << ", micState '"
         << capture.micState << "', running " << steamVrRunning;
    return text.str();
}

// The calls the program's scenarios make, in order. What a row leaves out every scenario fills
// the same way: the driver's second flag is the opposite of `loaded`, its text empty and its
// further state zero; the capture side "idle" with no error.
struct ScenarioCall {
    bool loaded;
    bool steamVrRunning;
    const char* micState;
};

const ScenarioCall kScenarioCalls[] = {
    {true, true, "active"},              // healthy
    {true, true, "permission_denied"},   // MicPermission
    {false, true, "active"},             // DriverNotLoaded
    {false, false, "active"},            // SteamVRNotRunning
    {true, true, "missing"},             // DeviceRemoved
    {false, true, "permission_denied"},  // the driver rule outranks the permission
    {false, false, "active"},            // the running flag alone picks the driver pill...
    {false, true, "active"},             // ...on the same inputs
    {true, true, "permission_denied"},   // MicPermission again
    {true, true, "permission_denied"},   // MicPermission is dismissable
    {true, true, "missing"},             // DeviceRemoved is dismissable
    {false, true, "active"},             // DriverNotLoaded is not
    {false, false, "active"},            // SteamVRNotRunning is not
};

// The first `count` calls of the run, as describe() shows them.
std::vector<std::string> expectedCalls(std::size_t count) {
    std::vector<std::string> calls;
    for (const ScenarioCall& call : kScenarioCalls) {
        if (calls.size() == count) {
            break;
        }
        DriverStatus driver;
        driver.loaded = call.loaded;
        driver.unavailable = !call.loaded;
        calls.push_back(describe(driver, CaptureStatus{"idle", std::nullopt, call.micState},
                                 call.steamVrRunning));
    }
    return calls;
}

// The selection's instructions and what it saw. runScenarios takes a plain function, so the
// spoiling selection keeps them here.
struct Recorder {
    Spoiling spoiling;
    std::vector<std::string> calls;
};
Recorder recorder;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables): one per run

std::optional<FailPill> spoilingSelect(const DriverStatus& driver, const CaptureStatus& capture,
                                       bool steamVrRunning) {
    recorder.calls.push_back(describe(driver, capture, steamVrRunning));
    std::optional<FailPill> pill = orv::selectFailPill(driver, capture, steamVrRunning);
    if (static_cast<int>(recorder.calls.size()) != recorder.spoiling.call) {
        return pill;
    }
    // value() throws where a row spoils a pill that is not there, failing the test.
    switch (recorder.spoiling.how) {
        case Spoil::NoPill:
            pill.reset();
            break;
        case Spoil::PillWhereNone:
            pill = FailPill{FailKind::Generic, "spoiled", "", "", true, false};
            break;
        case Spoil::Kind:
            pill.value().kind = recorder.spoiling.kind;
            break;
        case Spoil::Label:
            pill.value().actionLabel = recorder.spoiling.text;
            break;
        case Spoil::Link:
            pill.value().deepLink = recorder.spoiling.text;
            break;
        case Spoil::Dismissable:
            pill.value().dismissable = !pill.value().dismissable;
            break;
    }
    return pill;
}

std::optional<orv::selftest::CheckFailure> runSpoiling(const Spoiling& spoiling) {
    recorder = Recorder{spoiling, {}};
    return orv::selftest::runScenarios(spoilingSelect);
}

// Unspoiled, and with a deep link that holds more text around the expected one (the link check is
// a substring test, not equality), the run passes, asks each scenario only its own inputs, and
// reports the success line alone.
TEST(SelfTestRunTest, PassesAndAsksEachScenarioOnlyItsOwnInputs) {
    for (const Spoiling& spoiling :
         {Spoiling{}, Spoiling{2, Spoil::Link, {}, "see ms-settings:privacy-microphone now"}}) {
        SCOPED_TRACE(spoiling.text);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(orv::selftest::report(runSpoiling(spoiling), out, err), 0);
        EXPECT_EQ(out.str(), "all tests passed\n");
        EXPECT_EQ(err.str(), "");
        EXPECT_EQ(recorder.calls, expectedCalls(13));
    }
}

// Each check, in the order they run: spoiling the call before it must end the run there, with
// exactly that check's failure line and no further call.
TEST(SelfTestRunTest, ReportsEachFailedCheckAtItsLineAndStops) {
    const struct {
        int line;
        const char* text;
        Spoiling spoiling;
    } rows[] = {
        {48, "!pill.has_value()", {1, Spoil::PillWhereNone}},
        {56, "pill.has_value()", {2, Spoil::NoPill}},
        {57, "pill->kind == orv::FailKind::MicPermission", {2, Spoil::Kind, FailKind::Generic}},
        {58,
         R"(pill->deepLink.find("ms-settings:privacy-microphone") != std::string::npos)",
         {2, Spoil::Link, {}, ""}},
        {66, "pill.has_value()", {3, Spoil::NoPill}},
        {67, "pill->kind == orv::FailKind::DriverNotLoaded", {3, Spoil::Kind, FailKind::Generic}},
        {68,
         R"(pill->actionLabel.find("Open SteamVR") != std::string::npos)",
         {3, Spoil::Label, {}, "Open"}},
        {76, "pill.has_value()", {4, Spoil::NoPill}},
        {77,
         "pill->kind == orv::FailKind::SteamVRNotRunning",
         {4, Spoil::Kind, FailKind::DriverNotLoaded}},
        {85, "pill.has_value()", {5, Spoil::NoPill}},
        {86,
         "pill->kind == orv::FailKind::DeviceRemoved",
         {5, Spoil::Kind, FailKind::MicPermission}},
        {94, "pill.has_value()", {6, Spoil::NoPill}},
        {95,
         "pill->kind == orv::FailKind::DriverNotLoaded",
         {6, Spoil::Kind, FailKind::SteamVRNotRunning}},
        {103, "pill_03.has_value()", {7, Spoil::NoPill}},
        {104,
         "pill_03->kind == orv::FailKind::SteamVRNotRunning",
         {7, Spoil::Kind, FailKind::DriverNotLoaded}},
        {106, "pill_02.has_value()", {8, Spoil::NoPill}},
        {107,
         "pill_02->kind == orv::FailKind::DriverNotLoaded",
         {8, Spoil::Kind, FailKind::SteamVRNotRunning}},
        {119, "pill.has_value()", {9, Spoil::NoPill}},
        // A value that no kind has.
        {120, "pill->kind == orv::FailKind::MicPermission", {9, Spoil::Kind, FailKind{4}}},
        {128, "pill.has_value()", {10, Spoil::NoPill}},
        {129, "pill->dismissable == true", {10, Spoil::Dismissable}},
        {136, "pill.has_value()", {11, Spoil::NoPill}},
        {137, "pill->dismissable == true", {11, Spoil::Dismissable}},
        {144, "pill.has_value()", {12, Spoil::NoPill}},
        {145, "pill->dismissable == false", {12, Spoil::Dismissable}},
        {152, "pill.has_value()", {13, Spoil::NoPill}},
        {153, "pill->dismissable == false", {13, Spoil::Dismissable}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(orv::selftest::report(runSpoiling(row.spoiling), out, err), 1);
        EXPECT_EQ(err.str(),
                  "FAIL: " + std::string(row.text) + " at line " + std::to_string(row.line) + "\n");
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(recorder.calls, expectedCalls(static_cast<std::size_t>(row.spoiling.call)));
    }
}

TEST(SelfTestReportTest, ASuccessLineThatCannotBeWrittenIsAFailure) {
    std::ostream unwritable(nullptr);
    std::ostringstream err;
    EXPECT_EQ(orv::selftest::report(std::nullopt, unwritable, err), 1);
    EXPECT_EQ(err.str(), "FAIL: could not write to standard output\n");
}

}  // namespace
