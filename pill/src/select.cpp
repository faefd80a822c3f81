#include <optional>
#include <string_view>

#include "orv/pill.h"

namespace orv {

std::optional<FailPill> selectFailPill(const DriverStatus& driver, const CaptureStatus& capture,
                                       bool steamVrRunning) {
    // The driver rules come first: without the driver nothing the capture side says matters.
    if (!driver.loaded) {
        if (steamVrRunning) {
            return FailPill{FailKind::DriverNotLoaded,
                            "Driver not installed -- run installer or enable in SteamVR",
                            "Open SteamVR",
                            "steam://rungameid/250820",
                            false,
                            false};
        }
        return FailPill{FailKind::SteamVRNotRunning, "SteamVR not running", "", "", false, false};
    }
    // The microphone's state word outranks the capture side's free-text error. string_view's ==
    // compares the lengths before any byte, so a word of another length costs one comparison.
    const std::string_view micState = capture.micState;
    if (micState == "permission_denied") {
        return FailPill{FailKind::MicPermission,
                        "Mic access blocked",
                        "Open Windows mic settings",
                        "ms-settings:privacy-microphone",
                        true,
                        false};
    }
    if (micState == "missing") {
        return FailPill{FailKind::DeviceRemoved,
                        "Microphone disconnected -- reconnect to resume detection",
                        "",
                        "",
                        true,
                        false};
    }
    if (capture.error.has_value() && !capture.error->empty()) {
        return FailPill{FailKind::Generic, *capture.error, "", "", true, false};
    }
    return std::nullopt;
}

}  // namespace orv
