// A selection double linked into the self-test program in place of the real selection, to prove
// that the program reports each failing check exactly. It answers every call as the rules do,
// except the one call named by the test in ORV_SPOIL, whose answer it spoils:
//
//   ORV_SPOIL=<call>:absent            no pill
//   ORV_SPOIL=<call>:present           a pill where there should be none
//   ORV_SPOIL=<call>:kind=<n>          the pill's kind set to the value n
//   ORV_SPOIL=<call>:label=<text>      the pill's actionLabel set to text
//   ORV_SPOIL=<call>:link=<text>       the pill's deepLink set to text
//   ORV_SPOIL=<call>:dismissable=<0|1> the pill's dismissable flag
//
// Calls are counted from 1. The double also holds each call to the inputs of its scenario, and the
// run to exactly ORV_CALLS calls: a call whose inputs differ, and a run that makes another number
// of calls, are written to standard output, where the test expects nothing. So a scenario that no
// longer asks what it should, or a run that goes on after its failure, cannot pass.
#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "orv/pill.h"
#include "reference_select.h"

namespace {

struct Spoil {
    int call = 0;
    std::string change;
};

// A whole decimal number, or 0 when the text is anything else.
int number(const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    return end != text.c_str() && *end == '\0' ? static_cast<int>(value) : 0;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): one thread
    return value != nullptr ? value : "";
}

Spoil readSpoil() {
    const std::string text = environment("ORV_SPOIL");
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) {
        return {};
    }
    return {number(text.substr(0, colon)), text.substr(colon + 1)};
}

// The calls of the program in the order its scenarios make them. What a row does not name, every
// scenario fills the same way: the driver's second flag is the opposite of `loaded`, its text is
// empty and its further state zero; the capture side is "idle" with no error.
struct ScenarioCall {
    bool loaded;
    bool steamVrRunning;
    const char* micState;
};

constexpr std::array<ScenarioCall, 13> kScenarioCalls{{
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
}};

std::string flag(bool value) { return value ? "true" : "false"; }
std::string quoted(const std::string& text) { return '"' + text + '"'; }

// Writes each input of the call that differs from its scenario's, naming the call and the input.
void checkInputs(int call, const orv::DriverStatus& driver, const orv::CaptureStatus& capture,
                 bool steamVrRunning) {
    if (call > static_cast<int>(kScenarioCalls.size())) {
        std::printf("call %d: no scenario makes it\n", call);
        return;
    }
    const ScenarioCall& expected = kScenarioCalls.at(static_cast<std::size_t>(call - 1));
    const auto compare = [call](const char* input, const std::string& actual,
                                const std::string& wanted) {
        if (actual != wanted) {
            std::printf("call %d: %s is %s, expected %s\n", call, input, actual.c_str(),
                        wanted.c_str());
        }
    };
    compare("driver.loaded", flag(driver.loaded), flag(expected.loaded));
    compare("driver.unavailable", flag(driver.unavailable), flag(!expected.loaded));
    compare("driver.detail", quoted(driver.detail), quoted(""));
    compare("driver.extraState", std::to_string(driver.extraState), "0");
    compare("capture.state", quoted(capture.state), quoted("idle"));
    compare("capture.error", capture.error ? quoted(*capture.error) : "absent", "absent");
    compare("capture.micState", quoted(capture.micState), quoted(expected.micState));
    compare("steamVrRunning", flag(steamVrRunning), flag(expected.steamVrRunning));
}

// Counts the calls and, when the program ends, holds their number to ORV_CALLS.
struct CallCount {
    int made = 0;
    int expected = number(environment("ORV_CALLS"));

    CallCount() = default;
    CallCount(const CallCount&) = delete;
    CallCount& operator=(const CallCount&) = delete;
    CallCount(CallCount&&) = delete;
    CallCount& operator=(CallCount&&) = delete;
    ~CallCount() {
        if (made != expected) {
            std::printf("the run made %d calls of the selection, expected %d\n", made, expected);
        }
    }
};

CallCount calls;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables): one per run

// Applies one change; an unknown change leaves the answer alone, and the test then fails for
// want of the failure line it expects.
void spoil(std::optional<orv::FailPill>& pill, const std::string& change) {
    const std::size_t equals = change.find('=');
    const std::string member = change.substr(0, equals);
    const std::string value = equals == std::string::npos ? "" : change.substr(equals + 1);
    if (member == "absent") {
        pill.reset();
    } else if (member == "present") {
        pill = orv::FailPill{orv::FailKind::Generic, "spoiled", "", "", true, false};
    } else if (pill && member == "kind") {
        pill->kind = static_cast<orv::FailKind>(number(value));
    } else if (pill && member == "label") {
        pill->actionLabel = value;
    } else if (pill && member == "link") {
        pill->deepLink = value;
    } else if (pill && member == "dismissable") {
        pill->dismissable = value == "1";
    }
}

}  // namespace

std::optional<orv::FailPill> orv::selectFailPill(const DriverStatus& driver,
                                                 const CaptureStatus& capture,
                                                 bool steamVrRunning) {
    static const Spoil spoiled = readSpoil();

    const int call = ++calls.made;
    checkInputs(call, driver, capture, steamVrRunning);
    std::optional<FailPill> pill = reference::selectFailPill(driver, capture, steamVrRunning);
    if (call == spoiled.call) {
        spoil(pill, spoiled.change);
    }
    return pill;
}
