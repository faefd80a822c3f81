// The public header first and alone: it must compile with nothing included before it, in every
// language standard a consumer may use. What follows checks the properties callers rely on.
#include "orv/pill.h"
#include "orv/pill_c.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

static_assert(ORV_PILL_VERSION == ORV_PILL_EXPECTED_VERSION, "major * 10000 + minor * 100 + patch");
static_assert(std::is_aggregate_v<orv::FailPill>, "FailPill is an aggregate");
static_assert(std::is_aggregate_v<orv::DriverStatus>, "DriverStatus is an aggregate");
static_assert(std::is_aggregate_v<orv::CaptureStatus>, "CaptureStatus is an aggregate");
static_assert(std::is_nothrow_move_constructible_v<orv::FailPill>,
              "FailPill moves without throwing");
static_assert(std::is_copy_constructible_v<std::optional<orv::FailPill>>,
              "an optional FailPill copies");
static_assert(std::is_same_v<std::underlying_type_t<orv::FailKind>, std::int32_t>,
              "FailKind is an int32_t, as the C record's kind");
// The kinds' values are fixed, the same in both interfaces: callers store and transmit them.
// NOLINTNEXTLINE(cppcoreguidelines-macro-usage): names the kind in the message
#define ORV_KIND_IS(kind, macro, value)                                                   \
    static_assert(static_cast<int>(orv::FailKind::kind) == (value) && (macro) == (value), \
                  #kind " is " #value " in C++ and C")
ORV_KIND_IS(Generic, ORV_FAIL_KIND_GENERIC, 0);
ORV_KIND_IS(MicPermission, ORV_FAIL_KIND_MIC_PERMISSION, 1);
ORV_KIND_IS(DriverNotLoaded, ORV_FAIL_KIND_DRIVER_NOT_LOADED, 2);
ORV_KIND_IS(SteamVRNotRunning, ORV_FAIL_KIND_STEAMVR_NOT_RUNNING, 3);
ORV_KIND_IS(DeviceRemoved, ORV_FAIL_KIND_DEVICE_REMOVED, 5);
// NOLINTNEXTLINE(misc-redundant-expression)
static_assert(ORV_PILL_SELECTED == 1 && ORV_PILL_NONE == 0 && ORV_PILL_INVALID_ARGUMENT == -1,
              "the C results are 1, 0 and -1");

// The C record's members and layout on every target, which other languages' foreign-function
// layers declare again by number, with P the size of a pointer.
constexpr std::size_t P = sizeof(void*);
static_assert(sizeof(std::size_t) == P, "size_t is as wide as a pointer");
// NOLINTNEXTLINE(cppcoreguidelines-macro-usage): names the member in the message
#define ORV_MEMBER_AT(member, type, offset)                                     \
    static_assert(std::is_same_v<decltype(orv_fail_pill_view::member), type> && \
                      offsetof(orv_fail_pill_view, member) == (offset),         \
                  #member " is " #type " at " #offset)
ORV_MEMBER_AT(kind, std::int32_t, 0);
ORV_MEMBER_AT(message, const char*, P);
ORV_MEMBER_AT(message_size, std::size_t, 2 * P);
ORV_MEMBER_AT(action_label, const char*, 3 * P);
ORV_MEMBER_AT(action_label_size, std::size_t, 4 * P);
ORV_MEMBER_AT(deep_link, const char*, 5 * P);
ORV_MEMBER_AT(deep_link_size, std::size_t, 6 * P);
ORV_MEMBER_AT(dismissable, std::uint8_t, 7 * P);
ORV_MEMBER_AT(reserved, std::uint8_t, 7 * P + 1);
static_assert(sizeof(orv_fail_pill_view) == 8 * P, "the record is 8 * P bytes");
