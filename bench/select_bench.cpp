// Times one call of the selection on its no-pill path and on the path of each pill.
#include <benchmark/benchmark.h>

#include <optional>

#include "orv/pill.h"

namespace {

void selectOnPath(benchmark::State& state, bool loaded, bool steamVrRunning, const char* micState,
                  const char* error) {
    orv::DriverStatus driver;
    driver.loaded = loaded;
    orv::CaptureStatus capture{"idle", std::nullopt, micState};
    if (error != nullptr) {
        capture.error = error;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(orv::selectFailPill(driver, capture, steamVrRunning));
    }
}

BENCHMARK_CAPTURE(selectOnPath, no_pill, true, true, "active", nullptr);
BENCHMARK_CAPTURE(selectOnPath, DriverNotLoaded, false, true, "active", nullptr);
BENCHMARK_CAPTURE(selectOnPath, SteamVRNotRunning, false, false, "active", nullptr);
BENCHMARK_CAPTURE(selectOnPath, MicPermission, true, true, "permission_denied", nullptr);
BENCHMARK_CAPTURE(selectOnPath, DeviceRemoved, true, true, "missing", nullptr);
BENCHMARK_CAPTURE(selectOnPath, Generic, true, true, "active", "Capture device lost");

}  // namespace

BENCHMARK_MAIN();
