// The plain reference that the benchmark and the instruction counts compare the library with.
#ifndef ORV_PLAIN_SELECT_H
#define ORV_PLAIN_SELECT_H

#include <optional>

#include "orv/pill.h"

namespace plain {

std::optional<orv::FailPill> selectFailPill(const orv::DriverStatus& driver,
                                            const orv::CaptureStatus& capture, bool steamVrRunning);

}  // namespace plain

#endif  // ORV_PLAIN_SELECT_H
