#include "pills.h"

#include <string_view>
#include <utility>

namespace orv::detail {
namespace {

// Builds the pill inside the optional that is returned, so that each text is written once into
// its final string: no temporary pill and no string copy. If an allocation throws, the optional
// is destroyed on the way out and the caller gets nothing half-built.
std::optional<FailPill> makePill(FailKind kind, std::string_view message,
                                 std::string_view actionLabel, std::string_view deepLink,
                                 bool dismissable) {
    std::optional<FailPill> pill(std::in_place);
    pill->kind = kind;
    pill->message.assign(message.data(), message.size());
    pill->actionLabel.assign(actionLabel.data(), actionLabel.size());
    pill->deepLink.assign(deepLink.data(), deepLink.size());
    pill->dismissable = dismissable;
    return pill;
}

}  // namespace

std::optional<FailPill> driverNotLoadedPill() {
    return makePill(FailKind::DriverNotLoaded,
                    "Driver not installed -- run installer or enable in SteamVR", "Open SteamVR",
                    "steam://rungameid/250820", false);
}

std::optional<FailPill> steamVrNotRunningPill() {
    return makePill(FailKind::SteamVRNotRunning, "SteamVR not running", "", "", false);
}

std::optional<FailPill> micPermissionPill() {
    return makePill(FailKind::MicPermission, "Mic access blocked", "Open Windows mic settings",
                    "ms-settings:privacy-microphone", true);
}

std::optional<FailPill> deviceRemovedPill() {
    return makePill(FailKind::DeviceRemoved,
                    "Microphone disconnected -- reconnect to resume detection", "", "", true);
}

std::optional<FailPill> genericPill(const std::string& message) {
    return makePill(FailKind::Generic, message, "", "", true);
}

}  // namespace orv::detail
