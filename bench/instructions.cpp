// Calls one selection on one path a given number of times and nothing else, for valgrind's
// callgrind to count the instructions: the count per call is the difference between a run of N
// calls and a run of none, divided by N. See count-instructions.
//
//   orv_pill_instructions <select|reference|empty> <path name> <calls>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "orv/pill.h"
#include "paths.h"
#include "reference_select.h"

namespace {

const orv::bench::Path* findPath(const char* name) {
    for (const orv::bench::Path& path : orv::bench::kPaths) {
        if (std::strcmp(path.name, name) == 0) {
            return &path;
        }
    }
    return nullptr;
}

template <typename Select>
void callRepeatedly(Select select, const orv::bench::Inputs& in, long calls) {
    for (long i = 0; i < calls; ++i) {
        const std::optional<orv::FailPill> pill = select(in.driver, in.capture, in.steamVrRunning);
        // Keeps the result observable without adding work on the no-pill path.
        if (pill && pill->message.empty()) {
            std::abort();
        }
    }
}

int usage() {
    static_cast<void>(std::fputs(
        "usage: orv_pill_instructions <select|reference|empty> <path name> <calls>\n", stderr));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const orv::bench::Path* path = argc == 4 ? findPath(argv[2]) : nullptr;
    if (path == nullptr) {
        return usage();
    }
    const orv::bench::Inputs in = orv::bench::inputsFor(*path);
    const long calls = std::strtol(argv[3], nullptr, 10);
    const char* selection = argv[1];
    if (std::strcmp(selection, "select") == 0) {
        callRepeatedly(orv::selectFailPill, in, calls);
    } else if (std::strcmp(selection, "reference") == 0) {
        callRepeatedly(orv::reference::selectFailPill, in, calls);
    } else if (std::strcmp(selection, "empty") == 0) {
        callRepeatedly(orv::bench::emptySelect, in, calls);
    } else {
        return usage();
    }
    return 0;
}
