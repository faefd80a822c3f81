// The failure pill: the one short notice that the status display shows when something stands in
// the application's way, and the selection that picks it from the driver side's status, the
// microphone capture side's status and whether SteamVR is running.
//
// Everything here is a plain value: records with public members, copied and moved member by
// member. The header needs C++17 and nothing beyond the standard library. <orv/pill_config.h>,
// which it includes, gives the library's version as ORV_PILL_VERSION_MAJOR, _MINOR and _PATCH.
// C, and any language that calls C, use <orv/pill_c.h> instead.
#ifndef ORV_PILL_H
#define ORV_PILL_H

// Visual Studio reports __cplusplus as 199711L unless told otherwise; _MSVC_LANG is its standard.
#if !defined(__cplusplus) || (defined(_MSVC_LANG) ? _MSVC_LANG : __cplusplus) < 201703L
#error "<orv/pill.h> needs C++17 or later; from C or older C++, include <orv/pill_c.h>"
#else

#include <cstdint>
#include <optional>
#include <string>

#include "orv/pill_config.h"

// A program of another C++ standard library ABI than the library's names the records and the
// selection apart, so that it fails to link, naming the ABI it wanted, instead of corrupting
// memory. The default ABIs (libstdc++'s new string, Visual Studio Release, mingw-w64 on msvcrt)
// keep 1.0's. NOLINTBEGIN(cppcoreguidelines-macro-usage)
#if defined(_LIBCPP_VERSION)
#define ORV_PILL_ABI_TAG abi_libcxx
#elif defined(__GLIBCXX__) && !_GLIBCXX_USE_CXX11_ABI
#define ORV_PILL_ABI_TAG abi_libstdcxx_old_string
#elif defined(_MSC_VER) && defined(_ITERATOR_DEBUG_LEVEL) && _ITERATOR_DEBUG_LEVEL != 0
#define ORV_PILL_ABI_TAG abi_msvc_debug_iterators
#elif defined(__MINGW32__) && defined(_UCRT)
#define ORV_PILL_ABI_TAG abi_mingw_ucrt
#endif
// NOLINTEND(cppcoreguidelines-macro-usage)

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

#ifdef ORV_PILL_ABI_TAG
inline namespace ORV_PILL_ABI_TAG {
#endif

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
[[nodiscard]] ORV_PILL_API std::optional<FailPill> selectFailPill(const DriverStatus& driver,
                                                                  const CaptureStatus& capture,
                                                                  bool steamVrRunning);

#ifdef ORV_PILL_ABI_TAG
}  // namespace ORV_PILL_ABI_TAG
#endif
}  // namespace orv

#endif  // C++17
#endif  // ORV_PILL_H
