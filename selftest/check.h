// The self-test's check: evaluates an expression once and, when it is false, ends the current
// run of scenarios with the expression's own text and the check's fixed line number.
#ifndef ORV_SELFTEST_CHECK_H
#define ORV_SELFTEST_CHECK_H

#include <optional>

namespace orv::selftest {

// The first check that failed: its expression as written and its line number.
struct CheckFailure {
    const char* expression;
    int line;
};

// Runs every scenario in order and returns the first failed check, or nothing when all pass.
// No check runs after the first failure.
std::optional<CheckFailure> runScenarios();

// Writes the run's one line and returns the process's exit status.
int reportFailure(const CheckFailure& failure);
int reportSuccess();

}  // namespace orv::selftest

// The printed text is the stringified expression itself, so it cannot drift from what is
// evaluated; the line is an explicit constant, so it does not depend on this file's layout.
// A macro is the only way to get an expression's text.
// NOLINTNEXTLINE(cppcoreguidelines-macro-usage)
#define ORV_CHECK(expression, line)                                  \
    do {                                                             \
        if (!(expression)) {                                         \
            return ::orv::selftest::CheckFailure{#expression, line}; \
        }                                                            \
    } while (false)

#endif  // ORV_SELFTEST_CHECK_H
