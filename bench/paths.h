// The paths through the selection that the benchmarks measure, each with the inputs that take it.
#ifndef ORV_BENCH_PATHS_H
#define ORV_BENCH_PATHS_H

#include <array>
#include <optional>
#include <string>

#include "orv/pill.h"

namespace orv::bench {

struct Path {
    const char* name;
    bool loaded;
    bool steamVrRunning;
    const char* micState;
    const char* error;  // nullptr: no error
};

inline constexpr std::array<Path, 9> kPaths{{
    {"no-pill", true, true, "active", nullptr},
    {"no-pill/other-length", true, true, "muted", nullptr},
    {"no-pill/same-length", true, true, "permission_deniex", nullptr},
    {"no-pill/empty-error", true, true, "active", ""},
    {"DriverNotLoaded", false, true, "active", nullptr},
    {"SteamVRNotRunning", false, false, "active", nullptr},
    {"MicPermission", true, true, "permission_denied", nullptr},
    {"DeviceRemoved", true, true, "missing", nullptr},
    {"Generic", true, true, "active", "Capture device lost"},
}};

struct Inputs {
    DriverStatus driver;
    CaptureStatus capture;
    bool steamVrRunning;
};

inline Inputs inputsFor(const Path& path) {
    Inputs inputs{};
    inputs.driver.loaded = path.loaded;
    inputs.driver.unavailable = !path.loaded;
    inputs.capture.state = "idle";
    inputs.capture.micState = path.micState;
    if (path.error != nullptr) {
        inputs.capture.error = path.error;
    }
    inputs.steamVrRunning = path.steamVrRunning;
    return inputs;
}

// The floor: a function with the selection's signature that returns no pill, compiled apart so
// that it is called the same way.
std::optional<FailPill> emptySelect(const DriverStatus& driver, const CaptureStatus& capture,
                                    bool steamVrRunning);

}  // namespace orv::bench

#endif  // ORV_BENCH_PATHS_H
