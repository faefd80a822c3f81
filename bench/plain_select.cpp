// The selection as a good engineer writes it first: each pill returned as one aggregate of its
// literals, the state words compared whole with ==. In a translation unit of its own, so that the
// instruction counts compare two out-of-line calls.
#include "plain_select.h"

#include <optional>

namespace plain {

std::optional<orv::FailPill> selectFailPill(const orv::DriverStatus& driver,
                                            const orv::CaptureStatus& capture,
                                            bool steamVrRunning) {
    using orv::FailKind;
    using orv::FailPill;
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
    if (capture.error && !capture.error->empty()) {
        return FailPill{FailKind::Generic, *capture.error, "", "", true, false};
    }
    return std::nullopt;
}

}  // namespace plain
