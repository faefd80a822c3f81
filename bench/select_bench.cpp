// Times one call of the selection on its no-pill path and on the path of each pill, through the
// C++ interface (inline, as a status display compiles it) and through the C one (a call into the
// library). The inputs pass through DoNotOptimize on every iteration, so the compiler cannot
// fold the inline selection into a constant.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

#include "orv/pill.h"
#include "orv/pill_c.h"

namespace {

void selectThroughCxx(benchmark::State& state, bool loaded, bool steamVrRunning,
                      const char* micState, const char* error) {
    orv::DriverStatus driver;
    driver.loaded = loaded;
    orv::CaptureStatus capture{"idle", std::nullopt, micState};
    if (error != nullptr) {
        capture.error = error;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(driver);
        benchmark::DoNotOptimize(capture);
        benchmark::DoNotOptimize(steamVrRunning);
        benchmark::DoNotOptimize(orv::selectFailPill(driver, capture, steamVrRunning));
    }
}

void selectThroughC(benchmark::State& state, bool loaded, bool steamVrRunning, const char* micState,
                    const char* error) {
    const std::size_t micStateSize = std::strlen(micState);
    const std::size_t errorSize = error != nullptr ? std::strlen(error) : 0;
    orv_fail_pill_view pill{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            orv_select_fail_pill(static_cast<std::uint8_t>(loaded), micState, micStateSize, error,
                                 errorSize, static_cast<std::uint8_t>(steamVrRunning), &pill));
        benchmark::DoNotOptimize(pill);
    }
}

BENCHMARK_CAPTURE(selectThroughCxx, no_pill, true, true, "active", nullptr);
BENCHMARK_CAPTURE(selectThroughCxx, DriverNotLoaded, false, true, "active", nullptr);
BENCHMARK_CAPTURE(selectThroughCxx, SteamVRNotRunning, false, false, "active", nullptr);
BENCHMARK_CAPTURE(selectThroughCxx, MicPermission, true, true, "permission_denied", nullptr);
BENCHMARK_CAPTURE(selectThroughCxx, DeviceRemoved, true, true, "missing", nullptr);
BENCHMARK_CAPTURE(selectThroughCxx, Generic, true, true, "active", "Capture device lost");
BENCHMARK_CAPTURE(selectThroughC, no_pill, true, true, "active", nullptr);
BENCHMARK_CAPTURE(selectThroughC, DriverNotLoaded, false, true, "active", nullptr);
BENCHMARK_CAPTURE(selectThroughC, SteamVRNotRunning, false, false, "active", nullptr);
BENCHMARK_CAPTURE(selectThroughC, MicPermission, true, true, "permission_denied", nullptr);
BENCHMARK_CAPTURE(selectThroughC, DeviceRemoved, true, true, "missing", nullptr);
BENCHMARK_CAPTURE(selectThroughC, Generic, true, true, "active", "Capture device lost");

}  // namespace

BENCHMARK_MAIN();
