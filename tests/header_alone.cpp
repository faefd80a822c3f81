// The public header first and alone: it must compile with nothing included before it, in every
// language standard a consumer may use. What follows checks the properties callers rely on.
#include "orv/pill.h"
#include "orv/pill_c.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

static_assert(ORV_PILL_VERSION == ORV_PILL_EXPECTED_VERSION, "major * 10000 + minor * 100 + patch");
static_assert(std::is_aggregate_v<orv::FailPill>);
static_assert(std::is_aggregate_v<orv::DriverStatus>);
static_assert(std::is_aggregate_v<orv::CaptureStatus>);
static_assert(std::is_same_v<std::underlying_type_t<orv::FailKind>, std::int32_t>);
// The kinds' values are fixed: callers store and transmit them.
static_assert(static_cast<int>(orv::FailKind::Generic) == 0);
static_assert(static_cast<int>(orv::FailKind::MicPermission) == 1);
static_assert(static_cast<int>(orv::FailKind::DriverNotLoaded) == 2);
static_assert(static_cast<int>(orv::FailKind::SteamVRNotRunning) == 3);
static_assert(static_cast<int>(orv::FailKind::DeviceRemoved) == 5);
static_assert(std::is_nothrow_move_constructible_v<orv::FailPill>);
static_assert(std::is_copy_constructible_v<std::optional<orv::FailPill>>);
// The C interface's values and, on a 64-bit target, its record's layout, which other languages'
// foreign-function layers declare again by number. Each macro is held to its published value.
// NOLINTNEXTLINE(misc-redundant-expression)
static_assert(ORV_FAIL_KIND_GENERIC == 0 && ORV_FAIL_KIND_MIC_PERMISSION == 1 &&
              ORV_FAIL_KIND_DRIVER_NOT_LOADED == 2 && ORV_FAIL_KIND_STEAMVR_NOT_RUNNING == 3 &&
              ORV_FAIL_KIND_DEVICE_REMOVED == 5);
// NOLINTNEXTLINE(misc-redundant-expression)
static_assert(ORV_PILL_SELECTED == 1 && ORV_PILL_NONE == 0 && ORV_PILL_INVALID_ARGUMENT == -1);
static_assert(sizeof(void*) != 8 ||
              (offsetof(orv_fail_pill_view, kind) == 0 &&
               offsetof(orv_fail_pill_view, message) == 8 &&
               offsetof(orv_fail_pill_view, message_size) == 16 &&
               offsetof(orv_fail_pill_view, action_label) == 24 &&
               offsetof(orv_fail_pill_view, action_label_size) == 32 &&
               offsetof(orv_fail_pill_view, deep_link) == 40 &&
               offsetof(orv_fail_pill_view, deep_link_size) == 48 &&
               offsetof(orv_fail_pill_view, dismissable) == 56 &&
               offsetof(orv_fail_pill_view, reserved) == 57 && sizeof(orv_fail_pill_view) == 64));
