// A second, independent statement of the failure pill rules, written the way a good engineer
// writes it first: whole-string comparison with ==, and each pill returned by value as an
// aggregate built from its literals. The test suite checks the real selection against it over
// many inputs, the selection double of the self-test's fault runs answers with it, and the
// benchmarks measure the real selection against its cost.
#ifndef ORV_REFERENCE_SELECT_H
#define ORV_REFERENCE_SELECT_H

#include <optional>

#include "orv/pill.h"

namespace orv::reference {

std::optional<FailPill> selectFailPill(const DriverStatus& driver, const CaptureStatus& capture,
                                       bool steamVrRunning);

}  // namespace orv::reference

#endif  // ORV_REFERENCE_SELECT_H
