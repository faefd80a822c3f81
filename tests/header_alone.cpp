// The public header first and alone: it must compile with nothing included before it, in every
// language standard a consumer may use. What follows checks the properties callers rely on.
#include "orv/pill.h"
#include "orv/pill_c.h"

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
