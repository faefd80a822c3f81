#include <optional>
#include <ostream>

#include "selftest.h"

namespace orv::selftest {

int report(const std::optional<CheckFailure>& failure, std::ostream& out, std::ostream& err) {
    if (failure) {
        // Nothing is left to tell if the error stream fails too; the status still says it.
        err << "FAIL: " << failure->expression << " at line " << failure->line << '\n'
            << std::flush;
        return 1;
    }
    // A success line that never reached its reader must not end as a success.
    if (!(out << "all tests passed\n" << std::flush)) {
        err << "FAIL: could not write to standard output\n" << std::flush;
        return 1;
    }
    return 0;
}

}  // namespace orv::selftest
