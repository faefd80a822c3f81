// Times the selection on each path beside the plain reference selection, so that each figure can
// be read as a ratio within one run, and counts the heap allocations each call makes.
#include <benchmark/benchmark.h>

#include <string>

#include "allocation_counter.h"
#include "orv/pill.h"
#include "paths.h"
#include "reference_select.h"

namespace {

enum class Selection { Real, Reference, Empty };

void selectOnPath(benchmark::State& state, Selection selection, const orv::bench::Path& path) {
    const orv::bench::Inputs in = orv::bench::inputsFor(path);
    const long before = orv::support::allocationCount();
    for (auto _ : state) {
        switch (selection) {
            case Selection::Real:
                benchmark::DoNotOptimize(
                    orv::selectFailPill(in.driver, in.capture, in.steamVrRunning));
                break;
            case Selection::Reference:
                benchmark::DoNotOptimize(
                    orv::reference::selectFailPill(in.driver, in.capture, in.steamVrRunning));
                break;
            case Selection::Empty:
                benchmark::DoNotOptimize(
                    orv::bench::emptySelect(in.driver, in.capture, in.steamVrRunning));
                break;
        }
    }
    state.counters["allocs/call"] =
        benchmark::Counter(static_cast<double>(orv::support::allocationCount() - before),
                           benchmark::Counter::kAvgIterations);
}

void registerAll() {
    benchmark::RegisterBenchmark("empty function", selectOnPath, Selection::Empty,
                                 orv::bench::kPaths[0]);
    for (const orv::bench::Path& path : orv::bench::kPaths) {
        benchmark::RegisterBenchmark((std::string("select/") + path.name).c_str(), selectOnPath,
                                     Selection::Real, path);
        benchmark::RegisterBenchmark((std::string("reference/") + path.name).c_str(), selectOnPath,
                                     Selection::Reference, path);
    }
}

}  // namespace

int main(int argc, char** argv) {
    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
