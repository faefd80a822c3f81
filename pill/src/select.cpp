// The C++ interface: the rules of rules.h, each pill built as std::string texts.
#include <optional>
#include <string>
#include <string_view>

#include "orv/pill.h"
#include "rules.h"

std::optional<orv::FailPill> orv::selectFailPill(const DriverStatus& driver,
                                                 const CaptureStatus& capture,
                                                 bool steamVrRunning) {
    return rules::select(
        driver.loaded, capture.micState, capture.error, steamVrRunning, std::optional<FailPill>(),
        [](const auto& pill) {
            return std::optional<FailPill>(
                FailPill{pill.kind, std::string(pill.message), std::string(pill.actionLabel),
                         std::string(pill.deepLink), pill.dismissable, false});
        });
}
