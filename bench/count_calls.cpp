// Calls one selection a given number of times on one path, for bench/instructions, which counts
// the instructions under callgrind at two call counts and divides the difference:
//   orv_pill_count_calls <library|plain|c> <path> <calls>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "orv/pill.h"
#include "orv/pill_c.h"
#include "plain_select.h"

namespace {

struct Path {
    const char* name;
    bool loaded;
    bool steamVrRunning;
    const char* micState;
    const char* error;
};

const Path kPaths[] = {
    {"no_pill", true, true, "active", nullptr},
    {"DriverNotLoaded", false, true, "active", nullptr},
    {"SteamVRNotRunning", false, false, "active", nullptr},
    {"MicPermission", true, true, "permission_denied", nullptr},
    {"DeviceRemoved", true, true, "missing", nullptr},
    {"Generic", true, true, "active", "Capture device lost"},
};

}  // namespace

int main(int argc, char** argv) {
    const Path* path = nullptr;
    for (const Path& candidate : kPaths) {
        if (argc == 4 && std::strcmp(argv[2], candidate.name) == 0) {
            path = &candidate;
        }
    }
    if (path == nullptr) {
        std::fputs("usage: orv_pill_count_calls <library|plain|c> <path> <calls>\n", stderr);
        return 2;
    }
    const std::string implementation = argv[1];
    const long calls = std::strtol(argv[3], nullptr, 10);
    orv::DriverStatus driver;
    driver.loaded = path->loaded;
    orv::CaptureStatus capture{"idle", std::nullopt, path->micState};
    if (path->error != nullptr) {
        capture.error = path->error;
    }
    const std::size_t errorSize = path->error != nullptr ? std::strlen(path->error) : 0;
    // What each call returns is summed, so that no call can be left out.
    long kinds = 0;
    for (long i = 0; i < calls; ++i) {
        if (implementation == "c") {
            orv_fail_pill_view pill{};
            kinds +=
                orv_select_fail_pill(path->loaded, capture.micState.data(), capture.micState.size(),
                                     path->error, errorSize, path->steamVrRunning, &pill) +
                pill.kind;
        } else {
            const std::optional<orv::FailPill> pill =
                implementation == "plain"
                    ? plain::selectFailPill(driver, capture, path->steamVrRunning)
                    : orv::selectFailPill(driver, capture, path->steamVrRunning);
            kinds += pill ? static_cast<long>(pill->kind) + 1 : 0;
        }
    }
    std::printf("%ld\n", kinds);
    return 0;
}
