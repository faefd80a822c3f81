#include <optional>
#include <string>
#include <string_view>

#include "orv/pill.h"
#include "pills.h"

namespace orv {
namespace {

// Exact, case-sensitive equality that looks at the length first: a word of another length costs
// one integer comparison and never reaches the bytes.
bool isWord(const std::string& text, std::string_view word) noexcept {
    return text.size() == word.size() &&
           std::char_traits<char>::compare(text.data(), word.data(), word.size()) == 0;
}

detail::Rule matchingRule(const DriverStatus& driver, const CaptureStatus& capture,
                          bool steamVrRunning) noexcept {
    // The driver rules come first: without the driver nothing the capture side says matters.
    if (!driver.loaded) {
        return steamVrRunning ? detail::Rule::DriverNotLoaded : detail::Rule::SteamVRNotRunning;
    }
    // The microphone's state word outranks the capture side's free-text error.
    if (isWord(capture.micState, "permission_denied")) {
        return detail::Rule::MicPermission;
    }
    if (isWord(capture.micState, "missing")) {
        return detail::Rule::DeviceRemoved;
    }
    if (capture.error.has_value() && !capture.error->empty()) {
        return detail::Rule::CaptureError;
    }
    return detail::Rule::None;
}

}  // namespace

std::optional<FailPill> selectFailPill(const DriverStatus& driver, const CaptureStatus& capture,
                                       bool steamVrRunning) {
    const detail::Rule rule = matchingRule(driver, capture, steamVrRunning);
    if (rule == detail::Rule::None) {
        return std::nullopt;
    }
    return detail::buildPill(rule, capture);
}

}  // namespace orv
