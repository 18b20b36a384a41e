// How the cost of "Create Controls" grows with the layer's length: time and
// host calls per recorded frame, and memory at its peak and per key.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "EffectAllocations.h"
#include "Host.h"
#include "scenes/DemoScene.h"

namespace {

constexpr A_u_long kScale = 60;  // 60 fps, one tick per frame
constexpr int kKeyedControls = 5;

// The process's resident memory now and at its peak since the last reset,
// in megabytes, as Linux reports them.
double StatusMegabytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.compare(0, field.size() + 1, field + ":") == 0) return std::stod(line.substr(field.size() + 1)) / 1024.0;
    }
    return 0.0;
}

// Counts the peak from now, so that each case reports its own.
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

// A host holding the demo scene at 60 fps on a layer of `frames` frames,
// its global set-up done.
class PressScene {
public:
    explicit PressScene(benchmark::State& state) : host_(DORVANE_PLUGIN_PATH), frames_(static_cast<A_long>(state.range(0))) {
        // Only counts: a trace of every call of an hour-long layer would
        // measure the trace, not the press.
        host_.state().trace().SetRecording(false);
        simhost::UseDemoScene(host_.state().project(), host_.state().Instance().layer_id);
        host_.state().project().comp.frame_duration = {1, kScale};
        simhost::Layer& layer = *host_.state().project().FindLayer(host_.state().Instance().layer_id);
        layer.in_point = {0, kScale};
        layer.duration = {frames_, kScale};
        if (host_.GlobalSetup() != PF_Err_NONE) state.SkipWithError("global set-up failed");
    }

    bool Press() { return host_.UserChangedParam(1) == PF_Err_NONE; }
    void Undo() { host_.Undo(); }

    // Frames, time and host calls per frame, and memory: the peak, and
    // what the presses added to it for each key the project holds.
    void Report(benchmark::State& state, double megabytes_before) const {
        const double peak = StatusMegabytes("VmHWM");
        const double keys = static_cast<double>(frames_) * kKeyedControls;
        state.counters["frames"] = frames_;
        state.counters["time_per_frame"] = benchmark::Counter(
            frames_, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
        state.counters["calls_per_frame"] = static_cast<double>(host_.state().trace().Size()) / frames_;
        state.counters["peak_MB"] = peak;
        state.counters["bytes_per_key"] = (peak - megabytes_before) * 1024.0 * 1024.0 / keys;
    }

private:
    simhost::Host host_;
    A_long frames_;
};

// A first press creates the controls; every press after it clears and
// re-records them.
void BM_Press(benchmark::State& state) {
    ResetPeakMemory();
    PressScene scene(state);
    const double before = StatusMegabytes("VmRSS");
    const EffectHeapWatch effect_heap(DORVANE_PLUGIN_PATH);
    for (auto _ : state) {
        if (!scene.Press()) state.SkipWithError("press failed");
    }
    scene.Report(state, before);
    // The effect's own heap over the presses: the same whatever the layer's
    // length.
    state.counters["effect_peak_bytes"] = static_cast<double>(effect_heap.Seen().peak_bytes);
}

// The steady cost alone: the controls hold a full recording, which each
// press clears and records again. Undoing between presses, untimed, keeps
// one undo step at a time.
void BM_RePress(benchmark::State& state) {
    ResetPeakMemory();
    PressScene scene(state);
    const double before = StatusMegabytes("VmRSS");
    if (!scene.Press()) state.SkipWithError("first press failed");
    for (auto _ : state) {
        if (!scene.Press()) state.SkipWithError("press failed");
        state.PauseTiming();
        scene.Undo();
        state.ResumeTiming();
    }
    scene.Report(state, before);
}

}  // namespace

BENCHMARK(BM_Press)
    ->ArgName("frames")
    ->Arg(60 * 60)        // one minute
    ->Arg(60 * 60 * 10)   // ten minutes
    ->Arg(60 * 60 * 60)   // one hour
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

BENCHMARK(BM_RePress)
    ->ArgName("frames")
    ->Arg(60 * 60)        // one minute
    ->Arg(60 * 60 * 60)   // one hour: the target is under half a second
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

BENCHMARK_MAIN();
