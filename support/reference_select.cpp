#include "reference_select.h"

namespace orv::reference {

std::optional<FailPill> selectFailPill(const DriverStatus& driver, const CaptureStatus& capture,
                                       bool steamVrRunning) {
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
    if (capture.micState == "permission_denied") {
        return FailPill{FailKind::MicPermission,
                        "Mic access blocked",
                        "Open Windows mic settings",
                        "ms-settings:privacy-microphone",
                        true,
                        false};
    }
    if (capture.micState == "missing") {
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

}  // namespace orv::reference
