// Builders of the five failure pills, kept in their own translation unit so that the selection
// stays small: its no-pill path then needs no stack frame and jumps to a builder only when a
// rule matches.
#ifndef ORV_PILL_SRC_PILLS_H
#define ORV_PILL_SRC_PILLS_H

#include <optional>
#include <string>

#include "orv/pill.h"

namespace orv::detail {

std::optional<FailPill> driverNotLoadedPill();
std::optional<FailPill> steamVrNotRunningPill();
std::optional<FailPill> micPermissionPill();
std::optional<FailPill> deviceRemovedPill();
std::optional<FailPill> genericPill(const std::string& message);

}  // namespace orv::detail

#endif  // ORV_PILL_SRC_PILLS_H
