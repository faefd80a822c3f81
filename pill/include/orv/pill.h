// The failure pill: the one short notice that the status display shows when something stands in
// the application's way, and the selection that picks it from the driver side's status, the
// microphone capture side's status and whether SteamVR is running.
//
// Everything here is a plain value: records with public members, copied and moved member by
// member. The header needs C++17 and nothing beyond the standard library, and the selection is
// inline: a C++ program needs none of the library's compiled code, and no standard library type
// crosses into a binary built with another. It includes <orv/pill_c.h>, the same selection for C,
// whose macros name the texts, and <orv/pill_config.h>, which gives the library's version as
// ORV_PILL_VERSION_MAJOR, _MINOR and _PATCH.
#ifndef ORV_PILL_H
#define ORV_PILL_H

// Visual Studio reports __cplusplus as 199711L unless told otherwise; _MSVC_LANG is its standard.
#if !defined(__cplusplus) || (defined(_MSVC_LANG) ? _MSVC_LANG : __cplusplus) < 201703L
#error "<orv/pill.h> needs C++17 or later; from C or older C++, include <orv/pill_c.h>"
#else

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "orv/pill_c.h"
#include "orv/pill_config.h"

namespace orv {

// What a failure pill is about. The values are fixed: callers may store or transmit them.
enum class FailKind : std::int32_t {
    // The capture side reported a failure in its own words.
    Generic = 0,
    // The operating system blocks the application's access to the microphone.
    MicPermission = 1,
    // The driver is not loaded although SteamVR is running.
    DriverNotLoaded = 2,
    // The driver is not loaded and SteamVR is not running.
    SteamVRNotRunning = 3,
    // The microphone is missing. No kind has the value 4.
    DeviceRemoved = 5,
};

// One failure notice for the status display.
struct FailPill {
    FailKind kind = FailKind::Generic;
    // The pill's main line, shown to the user.
    std::string message;
    // The label of the pill's single action; empty when the pill offers no action.
    std::string actionLabel;
    // The link the action opens (an ms-settings: or steam: link); empty when there is none.
    // The pill only carries it: opening it is the display's business.
    std::string deepLink;
    // True when the user may close the pill.
    bool dismissable = false;
    // Always false in a pill built by selectFailPill; nothing reads it.
    bool reserved = false;
};

// Member-by-member equality, so that a display can tell whether the pill changed.
inline bool operator==(const FailPill& lhs, const FailPill& rhs) {
    return lhs.kind == rhs.kind && lhs.message == rhs.message &&
           lhs.actionLabel == rhs.actionLabel && lhs.deepLink == rhs.deepLink &&
           lhs.dismissable == rhs.dismissable && lhs.reserved == rhs.reserved;
}

inline bool operator!=(const FailPill& lhs, const FailPill& rhs) { return !(lhs == rhs); }

// The driver side's status. Only `loaded` matters to the selection; the other members carry
// what the driver side reports alongside it and are passed through untouched.
struct DriverStatus {
    // True when the driver is loaded.
    bool loaded = false;
    // The driver side's own "unavailable" flag; not read by the selection.
    bool unavailable = false;
    // The driver side's own detail text; not read by the selection.
    std::string detail;
    // Two further bytes of driver state; not read by the selection.
    std::uint16_t extraState = 0;
};

// The microphone capture side's status.
struct CaptureStatus {
    // The capture side's state word, such as "idle"; not read by the selection.
    std::string state;
    // A failure the capture side reports in its own words; an empty text counts as none.
    std::optional<std::string> error;
    // The microphone's state word. "permission_denied" and "missing" are failures; every other
    // word, the empty one included, means the microphone is fine. Matching is exact and
    // case-sensitive.
    std::string micState;
};

// Picks the one failure pill to show, or none, trying these rules in order:
//   1. driver not loaded, SteamVR running:      DriverNotLoaded (not dismissable)
//   2. driver not loaded, SteamVR not running:  SteamVRNotRunning (not dismissable)
//   3. micState is "permission_denied":         MicPermission (dismissable)
//   4. micState is "missing":                   DeviceRemoved (dismissable)
//   5. error present and not empty:             Generic with the error text as its message
//                                               (dismissable)
// Otherwise the result is empty: the display shows no failure.
//
// Every input yields a result. The function is pure and safe to call from several threads at
// once. The empty result allocates nothing; building a pill may throw std::bad_alloc, in which
// case nothing is returned and nothing leaks.
[[nodiscard]] inline std::optional<FailPill> selectFailPill(const DriverStatus& driver,
                                                            const CaptureStatus& capture,
                                                            bool steamVrRunning) {
    // The driver rules come first: without the driver nothing the capture side says matters.
    if (!driver.loaded) {
        if (steamVrRunning) {
            return FailPill{FailKind::DriverNotLoaded,
                            ORV_PILL_DRIVER_NOT_LOADED_MESSAGE,
                            ORV_PILL_DRIVER_NOT_LOADED_ACTION_LABEL,
                            ORV_PILL_DRIVER_NOT_LOADED_DEEP_LINK,
                            false,
                            false};
        }
        return FailPill{FailKind::SteamVRNotRunning,
                        ORV_PILL_STEAMVR_NOT_RUNNING_MESSAGE,
                        "",
                        "",
                        false,
                        false};
    }
    // The microphone's state word outranks the capture side's free-text error. string_view's ==
    // compares the sizes before any byte, so a word of another size costs one comparison.
    const std::string_view micState = capture.micState;
    if (micState == ORV_PILL_WORD_PERMISSION_DENIED) {
        return FailPill{FailKind::MicPermission,
                        ORV_PILL_MIC_PERMISSION_MESSAGE,
                        ORV_PILL_MIC_PERMISSION_ACTION_LABEL,
                        ORV_PILL_MIC_PERMISSION_DEEP_LINK,
                        true,
                        false};
    }
    if (micState == ORV_PILL_WORD_MISSING) {
        return FailPill{
            FailKind::DeviceRemoved, ORV_PILL_DEVICE_REMOVED_MESSAGE, "", "", true, false};
    }
    if (capture.error && !capture.error->empty()) {
        return FailPill{FailKind::Generic, *capture.error, "", "", true, false};
    }
    return std::nullopt;
}

}  // namespace orv

#endif  // C++17
#endif  // ORV_PILL_H
