// The rules of the selection and the pills they build. Building is kept in its own translation
// unit so that the selection stays small: its no-pill path then needs no stack frame of its own,
// and it reaches the building code through a single call, only when a rule has matched.
#ifndef ORV_PILL_SRC_PILLS_H
#define ORV_PILL_SRC_PILLS_H

#include <optional>

#include "orv/pill.h"

namespace orv::detail {

// The rules in the order they are tried; None when no rule matches.
enum class Rule {
    DriverNotLoaded,
    SteamVRNotRunning,
    MicPermission,
    DeviceRemoved,
    CaptureError,
    None,
};

// The pill that a rule builds, with its texts; CaptureError takes capture.error as the message.
// None builds no pill.
std::optional<FailPill> buildPill(Rule rule, const CaptureStatus& capture);

}  // namespace orv::detail

#endif  // ORV_PILL_SRC_PILLS_H
