// The self-test's run and its report, kept apart from the program's entry so that the test suite
// can run the scenarios against a selection of its own and read what the report writes.
#ifndef ORV_SELFTEST_SELFTEST_H
#define ORV_SELFTEST_SELFTEST_H

#include <optional>
#include <ostream>

#include "orv/pill.h"

namespace orv::selftest {

// The first check that failed: its expression as written and its line number.
struct CheckFailure {
    const char* expression;
    int line;
};

// The selection the scenarios call; the program passes orv::selectFailPill.
using Selection = std::optional<FailPill> (*)(const DriverStatus& driver,
                                              const CaptureStatus& capture, bool steamVrRunning);

// Runs every scenario in order against `select` and returns the first failed check, or nothing
// when all pass. No check runs, and no call is made, after the first failure.
std::optional<CheckFailure> runScenarios(Selection select);

// Writes the run's one line, "all tests passed" to `out` or the failed check to `err`, and
// returns the process's exit status: 0, or 1 for a failed check or a success line that could not
// be written.
int report(const std::optional<CheckFailure>& failure, std::ostream& out, std::ostream& err);

}  // namespace orv::selftest

#endif  // ORV_SELFTEST_SELFTEST_H
