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

}  // namespace

std::optional<FailPill> selectFailPill(const DriverStatus& driver, const CaptureStatus& capture,
                                       bool steamVrRunning) {
    // The driver rules come first: without the driver nothing the capture side says matters.
    if (!driver.loaded) {
        return steamVrRunning ? detail::driverNotLoadedPill() : detail::steamVrNotRunningPill();
    }
    // The microphone's state word outranks the capture side's free-text error.
    if (isWord(capture.micState, "permission_denied")) {
        return detail::micPermissionPill();
    }
    if (isWord(capture.micState, "missing")) {
        return detail::deviceRemovedPill();
    }
    if (capture.error.has_value() && !capture.error->empty()) {
        return detail::genericPill(*capture.error);
    }
    return std::nullopt;
}

}  // namespace orv
