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
// Calls are counted from 1. A call beyond ORV_CALL_LIMIT is written to standard output, where the
// test expects nothing, so a run that goes on after its failure cannot pass.
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
    static const int callLimit = number(environment("ORV_CALL_LIMIT"));
    static int calls = 0;

    ++calls;
    if (callLimit > 0 && calls > callLimit) {
        std::printf("unexpected call %d of the selection\n", calls);
    }
    std::optional<FailPill> pill = reference::selectFailPill(driver, capture, steamVrRunning);
    if (calls == spoiled.call) {
        spoil(pill, spoiled.change);
    }
    return pill;
}
