// orv-selftest: runs the failure pill scenarios and writes exactly one line, "all tests passed"
// on standard output with exit status 0, or the first failed check on standard error with exit
// status 1. It reads no argument, environment variable, file or input.
#include <csignal>
#include <cstdio>
#include <optional>

#include "check.h"

namespace orv::selftest {

int reportFailure(const CheckFailure& failure) {
    // Nothing is left to tell if standard error fails too; the status still says it.
    static_cast<void>(
        std::fprintf(stderr, "FAIL: %s at line %d\n", failure.expression, failure.line));
    return 1;
}

int reportSuccess() {
    // A success line that never reached its reader must not end as a success.
    if (std::fputs("all tests passed\n", stdout) == EOF || std::fflush(stdout) != 0) {
        static_cast<void>(std::fputs("FAIL: could not write to standard output\n", stderr));
        return 1;
    }
    return 0;
}

}  // namespace orv::selftest

int main() {
#ifdef SIGPIPE
    // A reader that has gone away must not end the program silently: with SIGPIPE ignored, the
    // write fails and the program says so.
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
#endif
    const std::optional<orv::selftest::CheckFailure> failure = orv::selftest::runScenarios();
    return failure ? orv::selftest::reportFailure(*failure) : orv::selftest::reportSuccess();
}
