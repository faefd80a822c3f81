#include "pills.h"

namespace orv::detail {
namespace {

// Stands for the pill that `make` returns. The optional's in-place constructor initializes its
// pill from this conversion's result. g++ and clang build that result directly in the optional,
// so each text is constructed once, from its literal, in the string it stays in, with no
// temporary pill moved in; C++17 allows that but does not promise it (a compiler may still build
// a temporary and move it). Either way, if an allocation throws, the texts already built are
// destroyed and no optional is returned.
template <typename Make>
struct Deferred {
    Make make;
    operator FailPill() const { return make(); }
};

template <typename Make>
std::optional<FailPill> inPlace(Make make) {
    return std::optional<FailPill>(std::in_place, Deferred<Make>{make});
}

}  // namespace

std::optional<FailPill> buildPill(Rule rule, const CaptureStatus& capture) {
    switch (rule) {
        case Rule::DriverNotLoaded:
            return inPlace([] {
                return FailPill{FailKind::DriverNotLoaded,
                                "Driver not installed -- run installer or enable in SteamVR",
                                "Open SteamVR",
                                "steam://rungameid/250820",
                                false,
                                false};
            });
        case Rule::SteamVRNotRunning:
            return inPlace([] {
                return FailPill{
                    FailKind::SteamVRNotRunning, "SteamVR not running", "", "", false, false};
            });
        case Rule::MicPermission:
            return inPlace([] {
                return FailPill{FailKind::MicPermission,
                                "Mic access blocked",
                                "Open Windows mic settings",
                                "ms-settings:privacy-microphone",
                                true,
                                false};
            });
        case Rule::DeviceRemoved:
            return inPlace([] {
                return FailPill{FailKind::DeviceRemoved,
                                "Microphone disconnected -- reconnect to resume detection",
                                "",
                                "",
                                true,
                                false};
            });
        case Rule::CaptureError:
            if (capture.error.has_value()) {
                return inPlace([&capture] {
                    return FailPill{FailKind::Generic, *capture.error, "", "", true, false};
                });
            }
            break;
        case Rule::None:
            break;
    }
    return std::nullopt;
}

}  // namespace orv::detail
