// The self-test's twelve scenarios, thirteen calls of the selection and 27 checks, in the order
// they run. Each scenario builds its inputs afresh inside its own block, so inputs and results
// are released before the next scenario starts.
#include <optional>
#include <string>

#include "orv/pill.h"
#include "selftest.h"

// Ends the run with the check's expression, as written, when it is false. The text is the
// stringified expression itself, so it cannot drift from what is evaluated. The number is the
// check's own, not a line of this file: it is part of the program's output, the number a pipeline
// sees and a person greps for, so it stays fixed however this file is edited.
// A macro is the only way to get an expression's text.
// NOLINTNEXTLINE(cppcoreguidelines-macro-usage)
#define ORV_CHECK(expression, line)                                  \
    do {                                                             \
        if (!(expression)) {                                         \
            return ::orv::selftest::CheckFailure{#expression, line}; \
        }                                                            \
    } while (false)

namespace orv::selftest {
namespace {

// What the status sources report in a scenario: a driver that is loaded or not, and a capture
// side that is idle with no error and the given microphone state word.
struct Inputs {
    DriverStatus driver;
    CaptureStatus capture;
};

Inputs freshInputs(bool loaded, const char* micState) {
    Inputs inputs;
    inputs.driver.loaded = loaded;
    inputs.driver.unavailable = !loaded;
    inputs.capture.state = "idle";
    inputs.capture.micState = micState;
    return inputs;
}

}  // namespace

// One flat list of scenarios, read top to bottom like the table it follows; every check is an
// early return, which the complexity metric counts as a branch.
// NOLINTNEXTLINE(readability-function-cognitive-complexity)
std::optional<CheckFailure> runScenarios(Selection select) {
    // Outcomes: a healthy state, then one pill kind each.
    {
        const Inputs in = freshInputs(true, "active");
        const auto pill = select(in.driver, in.capture, true);
        ORV_CHECK(!pill.has_value(), 48);
    }
    {
        const Inputs in = freshInputs(true, "permission_denied");
        const auto pill = select(in.driver, in.capture, true);
        ORV_CHECK(pill.has_value(), 56);
        ORV_CHECK(pill->kind == orv::FailKind::MicPermission, 57);
        ORV_CHECK(pill->deepLink.find("ms-settings:privacy-microphone") != std::string::npos, 58);
    }
    {
        const Inputs in = freshInputs(false, "active");
        const auto pill = select(in.driver, in.capture, true);
        ORV_CHECK(pill.has_value(), 66);
        ORV_CHECK(pill->kind == orv::FailKind::DriverNotLoaded, 67);
        ORV_CHECK(pill->actionLabel.find("Open SteamVR") != std::string::npos, 68);
    }
    {
        const Inputs in = freshInputs(false, "active");
        const auto pill = select(in.driver, in.capture, false);
        ORV_CHECK(pill.has_value(), 76);
        ORV_CHECK(pill->kind == orv::FailKind::SteamVRNotRunning, 77);
    }
    {
        const Inputs in = freshInputs(true, "missing");
        const auto pill = select(in.driver, in.capture, true);
        ORV_CHECK(pill.has_value(), 85);
        ORV_CHECK(pill->kind == orv::FailKind::DeviceRemoved, 86);
    }
    // Precedence: the driver rules outrank the microphone's permission...
    {
        const Inputs in = freshInputs(false, "permission_denied");
        const auto pill = select(in.driver, in.capture, true);
        ORV_CHECK(pill.has_value(), 94);
        ORV_CHECK(pill->kind == orv::FailKind::DriverNotLoaded, 95);
    }
    // ...and SteamVR's running flag alone chooses between the two driver pills.
    {
        const Inputs in = freshInputs(false, "active");
        const auto pill_03 = select(in.driver, in.capture, false);
        ORV_CHECK(pill_03.has_value(), 103);
        ORV_CHECK(pill_03->kind == orv::FailKind::SteamVRNotRunning, 104);
        const auto pill_02 = select(in.driver, in.capture, true);
        ORV_CHECK(pill_02.has_value(), 106);
        ORV_CHECK(pill_02->kind == orv::FailKind::DriverNotLoaded, 107);
    }
    // Dismissability: the capture side's pills can be closed, the driver side's cannot. The group
    // first checks the MicPermission outcome once more, then the flag of each pill.
    {
        const Inputs in = freshInputs(true, "permission_denied");
        const auto pill = select(in.driver, in.capture, true);
        ORV_CHECK(pill.has_value(), 119);
        ORV_CHECK(pill->kind == orv::FailKind::MicPermission, 120);
    }
    {
        const Inputs in = freshInputs(true, "permission_denied");
        const auto pill = select(in.driver, in.capture, true);
        ORV_CHECK(pill.has_value(), 128);
        ORV_CHECK(pill->dismissable == true, 129);
    }
    {
        const Inputs in = freshInputs(true, "missing");
        const auto pill = select(in.driver, in.capture, true);
        ORV_CHECK(pill.has_value(), 136);
        ORV_CHECK(pill->dismissable == true, 137);
    }
    {
        const Inputs in = freshInputs(false, "active");
        const auto pill = select(in.driver, in.capture, true);
        ORV_CHECK(pill.has_value(), 144);
        ORV_CHECK(pill->dismissable == false, 145);
    }
    {
        const Inputs in = freshInputs(false, "active");
        const auto pill = select(in.driver, in.capture, false);
        ORV_CHECK(pill.has_value(), 152);
        ORV_CHECK(pill->dismissable == false, 153);
    }
    return std::nullopt;
}

}  // namespace orv::selftest
