// The C interface: the rules of rules.h, each pill a view of static texts or the caller's error.
// It uses nothing of the C++ runtime (and is compiled without exceptions), so that a C program
// links the static library with no C++ runtime.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "orv/pill_c.h"
#include "rules.h"

int orv_select_fail_pill(std::uint8_t driver_loaded, const char* mic_state,
                         std::size_t mic_state_size, const char* error, std::size_t error_size,
                         std::uint8_t steam_vr_running, orv_fail_pill_view* pill) noexcept {
    if (pill == nullptr || (mic_state == nullptr && mic_state_size > 0) ||
        (error == nullptr && error_size > 0)) {
        return ORV_PILL_INVALID_ARGUMENT;
    }
    // A NULL word of size 0 is the empty word; a NULL error is none.
    const std::string_view micState(mic_state != nullptr ? mic_state : "", mic_state_size);
    const std::optional<std::string_view> errorText =
        error != nullptr ? std::optional<std::string_view>({error, error_size}) : std::nullopt;
    return orv::rules::select(driver_loaded != 0, micState, errorText, steam_vr_running != 0,
                              int{ORV_PILL_NONE}, [pill](const auto& chosen) {
                                  *pill = {static_cast<std::int32_t>(chosen.kind),
                                           chosen.message.data(),
                                           chosen.message.size(),
                                           chosen.actionLabel.data(),
                                           chosen.actionLabel.size(),
                                           chosen.deepLink.data(),
                                           chosen.deepLink.size(),
                                           static_cast<std::uint8_t>(chosen.dismissable),
                                           0};
                                  return int{ORV_PILL_SELECTED};
                              });
}

int orv_pill_version() noexcept { return ORV_PILL_VERSION; }
