// orv-selftest: runs the failure pill scenarios and writes exactly one line, "all tests passed"
// on standard output with exit status 0, or the first failed check on standard error with exit
// status 1. It reads no argument, environment variable, file or input.
#include <csignal>
#include <iostream>

#include "orv/pill.h"
#include "selftest.h"

int main() {
#ifdef SIGPIPE
    // A reader that has gone away must not end the program silently: with SIGPIPE ignored, the
    // write fails and the program says so.
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
#endif
    return orv::selftest::report(orv::selftest::runScenarios(orv::selectFailPill), std::cout,
                                 std::cerr);
}
