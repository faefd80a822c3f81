#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "orv/pill.h"
#include "orv/pill_c.h"

namespace {

using orv::FailKind;

// The rules, in order, once for both interfaces: the rule that matches hands its pill to `make`,
// which builds the interface's own record in place, where each text's size is a constant; no
// match gives `none`. The texts are literals, ending in a NUL, but Generic's message, the error
// text. Each input is read only once its rule is reached, which keeps the no-pill path short.
// The plainer way, a record of views turned into a pill after the rules, cost 15 to 25% more.
template <typename Text, typename OptionalText, typename Result, typename Make>
Result selectWith(bool driverLoaded, const Text& micStateText, const OptionalText& error,
                  bool steamVrRunning, Result none, Make make) {
    // The driver rules come first: without the driver nothing the capture side says matters.
    if (!driverLoaded) {
        if (steamVrRunning) {
            return make(FailKind::DriverNotLoaded,
                        "Driver not installed -- run installer or enable in SteamVR",
                        "Open SteamVR", "steam://rungameid/250820", false);
        }
        return make(FailKind::SteamVRNotRunning, "SteamVR not running", "", "", false);
    }
    // The microphone's state word outranks the capture side's free-text error. string_view's ==
    // compares the lengths before any byte, so a word of another length costs one comparison.
    const std::string_view micState = micStateText;
    if (micState == "permission_denied") {
        return make(FailKind::MicPermission, "Mic access blocked", "Open Windows mic settings",
                    "ms-settings:privacy-microphone", true);
    }
    if (micState == "missing") {
        return make(FailKind::DeviceRemoved,
                    "Microphone disconnected -- reconnect to resume detection", "", "", true);
    }
    if (error && !error->empty()) {
        return make(FailKind::Generic, *error, "", "", true);
    }
    return none;
}

}  // namespace

std::optional<orv::FailPill> orv::selectFailPill(const DriverStatus& driver,
                                                 const CaptureStatus& capture,
                                                 bool steamVrRunning) {
    return selectWith(driver.loaded, capture.micState, capture.error, steamVrRunning,
                      std::optional<FailPill>(),
                      [](FailKind kind, std::string_view message, std::string_view actionLabel,
                         std::string_view deepLink, bool dismissable) {
                          return std::optional<FailPill>(
                              FailPill{kind, std::string(message), std::string(actionLabel),
                                       std::string(deepLink), dismissable, false});
                      });
}

int orv_select_fail_pill(std::uint8_t driver_loaded, const char* mic_state,
                         std::size_t mic_state_size, const char* error, std::size_t error_size,
                         std::uint8_t steam_vr_running, orv_fail_pill_view* pill) noexcept {
    if (pill == nullptr || (mic_state == nullptr && mic_state_size > 0) ||
        (error == nullptr && error_size > 0)) {
        return ORV_PILL_INVALID_ARGUMENT;
    }
    // A NULL word of size 0 is the empty word; a NULL error is none.
    return selectWith(
        driver_loaded != 0, std::string_view(mic_state != nullptr ? mic_state : "", mic_state_size),
        error != nullptr ? std::optional<std::string_view>({error, error_size}) : std::nullopt,
        steam_vr_running != 0, int{ORV_PILL_NONE},
        [pill](FailKind kind, std::string_view message, std::string_view actionLabel,
               std::string_view deepLink, bool dismissable) {
            *pill = {static_cast<std::int32_t>(kind),
                     message.data(),
                     message.size(),
                     actionLabel.data(),
                     actionLabel.size(),
                     deepLink.data(),
                     deepLink.size(),
                     static_cast<std::uint8_t>(dismissable),
                     0};
            return int{ORV_PILL_SELECTED};
        });
}

int orv_pill_version() noexcept { return ORV_PILL_VERSION; }
