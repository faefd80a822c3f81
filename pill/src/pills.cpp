#include "pills.h"

#include <string_view>

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

std::optional<FailPill> buildPill(Rule rule, const CaptureStatus& capture) {
    switch (rule) {
        case Rule::DriverNotLoaded:
            return makePill(FailKind::DriverNotLoaded,
                            "Driver not installed -- run installer or enable in SteamVR",
                            "Open SteamVR", "steam://rungameid/250820", false);
        case Rule::SteamVRNotRunning:
            return makePill(FailKind::SteamVRNotRunning, "SteamVR not running", "", "", false);
        case Rule::MicPermission:
            return makePill(FailKind::MicPermission, "Mic access blocked",
                            "Open Windows mic settings", "ms-settings:privacy-microphone", true);
        case Rule::DeviceRemoved:
            return makePill(FailKind::DeviceRemoved,
                            "Microphone disconnected -- reconnect to resume detection", "", "",
                            true);
        case Rule::CaptureError:
            if (capture.error.has_value()) {
                return makePill(FailKind::Generic, *capture.error, "", "", true);
            }
            break;
        case Rule::None:
            break;
    }
    return std::nullopt;
}

}  // namespace orv::detail
