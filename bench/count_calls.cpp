// Calls one selection a given number of times on one path, for bench/instructions, which counts
// the instructions inside the selection under callgrind and divides by the calls:
//   orv_pill_count_calls <library|plain|c> <path> <calls>
#include <array>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orv/pill.h"
#include "orv/pill_c.h"
#include "plain_select.h"

namespace {

struct Path {
    std::string_view name;
    bool loaded;
    bool steamVrRunning;
    const char* micState;
    const char* error;
};

const std::array<Path, 6> kPaths{{
    {"no_pill", true, true, "active", nullptr},
    {"DriverNotLoaded", false, true, "active", nullptr},
    {"SteamVRNotRunning", false, false, "active", nullptr},
    {"MicPermission", true, true, "permission_denied", nullptr},
    {"DeviceRemoved", true, true, "missing", nullptr},
    {"Generic", true, true, "active", "Capture device lost"},
}};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv, std::next(argv, argc));
    const Path* path = nullptr;
    for (const Path& candidate : kPaths) {
        if (arguments.size() == 4 && arguments[2] == candidate.name) {
            path = &candidate;
        }
    }
    if (path == nullptr) {
        std::cerr << "usage: orv_pill_count_calls <library|plain|c> <path> <calls>\n";
        return 2;
    }
    const std::string_view implementation = arguments[1];
    const long calls = std::stol(std::string(arguments[3]));
    orv::DriverStatus driver;
    driver.loaded = path->loaded;
    orv::CaptureStatus capture{"idle", std::nullopt, path->micState};
    if (path->error != nullptr) {
        capture.error = path->error;
    }
    const std::size_t errorSize = path->error != nullptr ? std::strlen(path->error) : 0;
    // What each call returns is summed and printed, so that no call can be left out.
    long kinds = 0;
    for (long i = 0; i < calls; ++i) {
        if (implementation == "c") {
            orv_fail_pill_view pill{};
            kinds += orv_select_fail_pill(static_cast<std::uint8_t>(path->loaded),
                                          capture.micState.data(), capture.micState.size(),
                                          path->error, errorSize,
                                          static_cast<std::uint8_t>(path->steamVrRunning), &pill) +
                     pill.kind;
        } else {
            const std::optional<orv::FailPill> pill =
                implementation == "plain"
                    ? plain::selectFailPill(driver, capture, path->steamVrRunning)
                    : orv::selectFailPill(driver, capture, path->steamVrRunning);
            kinds += pill ? static_cast<long>(pill->kind) + 1 : 0;
        }
    }
    std::cout << kinds << '\n';
    return 0;
}
