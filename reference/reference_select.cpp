#include "reference_select.h"

#include <string>

namespace orv::reference {

std::optional<FailPill> selectFailPill(const DriverStatus& driver, const CaptureStatus& capture,
                                       bool steamVrRunning) {
    std::optional<FailPill> result;
    if (!driver.loaded && steamVrRunning) {
        const FailPill pill{FailKind::DriverNotLoaded,
                            std::string("Driver not installed -- run installer or enable in SteamVR"),
                            std::string("Open SteamVR"), std::string("steam://rungameid/250820"),
                            false, false};
        result = pill;
    } else if (!driver.loaded) {
        const FailPill pill{FailKind::SteamVRNotRunning, std::string("SteamVR not running"),
                            std::string(), std::string(), false, false};
        result = pill;
    } else if (capture.micState == std::string("permission_denied")) {
        const FailPill pill{FailKind::MicPermission, std::string("Mic access blocked"),
                            std::string("Open Windows mic settings"),
                            std::string("ms-settings:privacy-microphone"), true, false};
        result = pill;
    } else if (capture.micState == std::string("missing")) {
        const FailPill pill{FailKind::DeviceRemoved,
                            std::string("Microphone disconnected -- reconnect to resume detection"),
                            std::string(), std::string(), true, false};
        result = pill;
    } else if (capture.error && *capture.error != std::string()) {
        const FailPill pill{FailKind::Generic, *capture.error, std::string(), std::string(), true,
                            false};
        result = pill;
    }
    return result;
}

}  // namespace orv::reference
