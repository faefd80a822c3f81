#include "reference_select.h"

#include <string>

namespace orv::reference {
namespace {

// Each literal becomes a temporary string at the call, is copied into a pill, and the pill is moved
// into the result: the temporaries a first draft would make.
FailPill pill(FailKind kind, const std::string& message, const std::string& actionLabel,
              const std::string& deepLink, bool dismissable) {
    FailPill built;
    built.kind = kind;
    built.message = message;
    built.actionLabel = actionLabel;
    built.deepLink = deepLink;
    built.dismissable = dismissable;
    return built;
}

}  // namespace

std::optional<FailPill> selectFailPill(const DriverStatus& driver, const CaptureStatus& capture,
                                       bool steamVrRunning) {
    std::optional<FailPill> result;
    if (!driver.loaded && steamVrRunning) {
        result = pill(FailKind::DriverNotLoaded,
                      "Driver not installed -- run installer or enable in SteamVR", "Open SteamVR",
                      "steam://rungameid/250820", false);
    } else if (!driver.loaded) {
        result = pill(FailKind::SteamVRNotRunning, "SteamVR not running", "", "", false);
    } else if (capture.micState == std::string("permission_denied")) {
        result = pill(FailKind::MicPermission, "Mic access blocked", "Open Windows mic settings",
                      "ms-settings:privacy-microphone", true);
    } else if (capture.micState == std::string("missing")) {
        result = pill(FailKind::DeviceRemoved,
                      "Microphone disconnected -- reconnect to resume detection", "", "", true);
    } else if (capture.error && !capture.error->empty()) {
        result = pill(FailKind::Generic, *capture.error, "", "", true);
    }
    return result;
}

}  // namespace orv::reference
