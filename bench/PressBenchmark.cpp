// How the cost of "Create Controls" grows with the layer's length: time and
// host calls per recorded frame, and the process's peak memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include "EffectAllocations.h"
#include "Host.h"
#include "project/DemoScene.h"

namespace {

constexpr A_u_long kScale = 60;  // 60 fps, one tick per frame

double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // Linux reports kilobytes
}

void BM_Press(benchmark::State& state) {
    const A_long frames = static_cast<A_long>(state.range(0));
    simhost::Host host(DORVANE_PLUGIN_PATH);
    // Only counts: a trace of every call of an hour-long layer would measure
    // the trace, not the press.
    host.SetTracing(false);
    simhost::UseDemoScene(host.project(), host.Instance().layer_id);
    host.project().comp.frame_duration = {1, kScale};
    simhost::Layer& layer = *host.project().FindLayer(host.Instance().layer_id);
    layer.in_point = {0, kScale};
    layer.duration = {frames, kScale};
    if (host.GlobalSetup() != PF_Err_NONE) state.SkipWithError("global set-up failed");

    size_t calls = 0;
    const EffectHeapWatch effect_heap(DORVANE_PLUGIN_PATH);
    for (auto _ : state) {
        // A first press creates the controls; every press after it clears
        // and re-records them, which is the steady cost measured.
        if (host.UserChangedParam(1) != PF_Err_NONE) state.SkipWithError("press failed");
        calls = host.trace().Size();
    }
    state.counters["frames"] = frames;
    state.counters["time_per_frame"] = benchmark::Counter(static_cast<double>(frames),
                                                          benchmark::Counter::kIsIterationInvariantRate |
                                                              benchmark::Counter::kInvert);
    state.counters["calls_per_frame"] = static_cast<double>(calls) / frames;
    state.counters["peak_MB"] = PeakResidentMegabytes();
    // The effect's own heap over the presses: the same whatever the layer's
    // length.
    state.counters["effect_peak_bytes"] = static_cast<double>(effect_heap.Seen().peak_bytes);
}

}  // namespace

BENCHMARK(BM_Press)
    ->ArgName("frames")
    ->Arg(60 * 60)        // one minute
    ->Arg(60 * 60 * 10)   // ten minutes
    ->Arg(60 * 60 * 60)   // one hour
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

BENCHMARK_MAIN();
