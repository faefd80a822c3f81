// The selection's rules and every pill's texts, written once for both interfaces: select.cpp
// builds std::string pills from them, select_c.cpp views of their static bytes.
#ifndef ORV_PILL_RULES_H
#define ORV_PILL_RULES_H

#include <string_view>

#include "orv/pill.h"

namespace orv::rules {

// Each pill is a type of its own, with its texts as constants, so that a builder instantiated for
// it copies texts of constant size, inlined or not. The literals end in a NUL, which the C
// interface promises; so does "", where an empty string_view's data() would be NULL.
// NOLINTBEGIN(readability-redundant-string-init)
struct DriverNotLoaded {
    static constexpr FailKind kind = FailKind::DriverNotLoaded;
    static constexpr std::string_view message =
        "Driver not installed -- run installer or enable in SteamVR";
    static constexpr std::string_view actionLabel = "Open SteamVR";
    static constexpr std::string_view deepLink = "steam://rungameid/250820";
    static constexpr bool dismissable = false;
};
struct SteamVRNotRunning {
    static constexpr FailKind kind = FailKind::SteamVRNotRunning;
    static constexpr std::string_view message = "SteamVR not running";
    static constexpr std::string_view actionLabel = "";
    static constexpr std::string_view deepLink = "";
    static constexpr bool dismissable = false;
};
struct MicPermission {
    static constexpr FailKind kind = FailKind::MicPermission;
    static constexpr std::string_view message = "Mic access blocked";
    static constexpr std::string_view actionLabel = "Open Windows mic settings";
    static constexpr std::string_view deepLink = "ms-settings:privacy-microphone";
    static constexpr bool dismissable = true;
};
struct DeviceRemoved {
    static constexpr FailKind kind = FailKind::DeviceRemoved;
    static constexpr std::string_view message =
        "Microphone disconnected -- reconnect to resume detection";
    static constexpr std::string_view actionLabel = "";
    static constexpr std::string_view deepLink = "";
    static constexpr bool dismissable = true;
};
// The capture side's own failure text is the message.
struct Generic {
    static constexpr FailKind kind = FailKind::Generic;
    std::string_view message;
    static constexpr std::string_view actionLabel = "";
    static constexpr std::string_view deepLink = "";
    static constexpr bool dismissable = true;
};
// NOLINTEND(readability-redundant-string-init)

// Tries the rules in order and hands the first pill that matches to `make`, whose result it
// returns; with no match, it returns `none`. `error` is an optional text (std::optional of a
// std::string or a string_view), empty or absent when there is none. It is read only once its
// rule is reached: read up front, it made the driver pills up to 5% dearer than the plain
// selection.
template <typename Error, typename Result, typename Make>
Result select(bool driverLoaded, std::string_view micState, const Error& error, bool steamVrRunning,
              Result none, Make make) {
    // The driver rules come first: without the driver nothing the capture side says matters.
    if (!driverLoaded) {
        if (steamVrRunning) {
            return make(DriverNotLoaded{});
        }
        return make(SteamVRNotRunning{});
    }
    // The microphone's state word outranks the capture side's free-text error. string_view's ==
    // compares the sizes before any byte, so a word of another size costs one comparison.
    if (micState == "permission_denied") {
        return make(MicPermission{});
    }
    if (micState == "missing") {
        return make(DeviceRemoved{});
    }
    if (error && !error->empty()) {
        return make(Generic{*error});
    }
    return none;
}

}  // namespace orv::rules

#endif  // ORV_PILL_RULES_H
