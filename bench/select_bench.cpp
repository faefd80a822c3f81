// Times one call of the selection on its no-pill path and on the path of each pill: through the
// C++ interface, beside the plain reference (plain_select.cpp), and through the C interface.
// bench/instructions counts the same calls' instructions, which repeat where times do not.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

#include "orv/pill.h"
#include "orv/pill_c.h"
#include "plain_select.h"

namespace {

using Selection = std::optional<orv::FailPill> (*)(const orv::DriverStatus&,
                                                   const orv::CaptureStatus&, bool);

void selectOnPath(benchmark::State& state, Selection select, bool loaded, bool steamVrRunning,
                  const char* micState, const char* error) {
    orv::DriverStatus driver;
    driver.loaded = loaded;
    orv::CaptureStatus capture{"idle", std::nullopt, micState};
    if (error != nullptr) {
        capture.error = error;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(select(driver, capture, steamVrRunning));
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

BENCHMARK_CAPTURE(selectOnPath, no_pill, orv::selectFailPill, true, true, "active", nullptr);
BENCHMARK_CAPTURE(selectOnPath, DriverNotLoaded, orv::selectFailPill, false, true, "active",
                  nullptr);
BENCHMARK_CAPTURE(selectOnPath, SteamVRNotRunning, orv::selectFailPill, false, false, "active",
                  nullptr);
BENCHMARK_CAPTURE(selectOnPath, MicPermission, orv::selectFailPill, true, true, "permission_denied",
                  nullptr);
BENCHMARK_CAPTURE(selectOnPath, DeviceRemoved, orv::selectFailPill, true, true, "missing", nullptr);
BENCHMARK_CAPTURE(selectOnPath, Generic, orv::selectFailPill, true, true, "active",
                  "Capture device lost");
BENCHMARK_CAPTURE(selectOnPath, plain_no_pill, plain::selectFailPill, true, true, "active",
                  nullptr);
BENCHMARK_CAPTURE(selectOnPath, plain_DriverNotLoaded, plain::selectFailPill, false, true, "active",
                  nullptr);
BENCHMARK_CAPTURE(selectOnPath, plain_SteamVRNotRunning, plain::selectFailPill, false, false,
                  "active", nullptr);
BENCHMARK_CAPTURE(selectOnPath, plain_MicPermission, plain::selectFailPill, true, true,
                  "permission_denied", nullptr);
BENCHMARK_CAPTURE(selectOnPath, plain_DeviceRemoved, plain::selectFailPill, true, true, "missing",
                  nullptr);
BENCHMARK_CAPTURE(selectOnPath, plain_Generic, plain::selectFailPill, true, true, "active",
                  "Capture device lost");
BENCHMARK_CAPTURE(selectThroughC, no_pill, true, true, "active", nullptr);
BENCHMARK_CAPTURE(selectThroughC, DriverNotLoaded, false, true, "active", nullptr);
BENCHMARK_CAPTURE(selectThroughC, SteamVRNotRunning, false, false, "active", nullptr);
BENCHMARK_CAPTURE(selectThroughC, MicPermission, true, true, "permission_denied", nullptr);
BENCHMARK_CAPTURE(selectThroughC, DeviceRemoved, true, true, "missing", nullptr);
BENCHMARK_CAPTURE(selectThroughC, Generic, true, true, "active", "Capture device lost");

}  // namespace

BENCHMARK_MAIN();
