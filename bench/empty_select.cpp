#include "paths.h"

namespace orv::bench {

std::optional<FailPill> emptySelect(const DriverStatus& /*driver*/,
                                    const CaptureStatus& /*capture*/, bool /*steamVrRunning*/) {
    return std::nullopt;
}

}  // namespace orv::bench
