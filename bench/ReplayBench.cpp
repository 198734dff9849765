// Writing a 30 s replay of a 30,000-point sketch as an animation 800 pixels wide: GIF, WebP
// and MP4, as drawn (a stroke grows in every frame) and at the fixed pace.
//
// Each benchmark states its target in its label as "target: NAME>=VALUE"; see
// scripts/run-benchmarks.sh. realtime is the length of the animation (the replay and the
// second of the complete sketch after it) divided by the wall-clock time of the whole export:
// model, frames, encoding and the atomic save. bytes is the size of the file written. Runs
// without a display (offscreen platform).
#include "BenchSketch.h"
#include "QtBenchMain.h"
#include "replay/ReplayEncoder.h"
#include "replay/ReplayExport.h"

#include <QApplication>
#include <QFileInfo>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace BenchSupport;

constexpr std::size_t kPoints = 30000;
constexpr int kReplayMs = 30000;
constexpr int kWidth = 800;

// Handwriting of kPoints points redrawn at a steady millisecond a point without pauses, so
// that its replay as drawn lasts kReplayMs and something changes in every frame.
Synth::SynthSketch steadySketch()
{
    Synth::SketchOptions options;
    options.points = kPoints;
    options.layers = 3;
    options.kind = Synth::SketchKind::Handwriting;
    options.seed = 30;
    Synth::SynthSketch sketch = Synth::generateSketch(options);
    std::uint32_t clock = 1000;
    for (Synth::SynthLayer &layer : sketch.layers)
        for (Synth::SynthStroke &stroke : layer.strokes)
            for (Synth::Sample &sample : stroke.samples)
                sample.timeMs = clock++;
    return sketch;
}

class Sketch
{
public:
    explicit Sketch(benchmark::State &state)
    {
        m_copy = loadPressureCopy(state, m_scratch, steadySketch());
        if (!m_copy)
            return;
        m_strokes = 0;
        for (const Nivo::Layer &layer : m_copy->document()->elements())
            m_strokes += static_cast<int>(layer.elements().size());
    }

    const MetadataPtr &copy() const { return m_copy; }
    int strokes() const { return m_strokes; }
    QString output(const char *name) const
    {
        return QString::fromStdString((m_scratch.path() / name).string());
    }

private:
    ScratchFolder m_scratch {"replay-bench"};
    MetadataPtr m_copy;
    int m_strokes = 0;
};

// range(0): the format (0 GIF, 1 WebP, 2 MP4); range(1): 1 as drawn, 0 the fixed pace.
void exportAnimation(benchmark::State &state)
{
    const Sketch sketch(state);
    if (!sketch.copy())
        return;
    static const char *const kNames[] = {"replay.gif", "replay.webp", "replay.mp4"};
    static const char *const kTargets[]
        = {"target: realtime>=2", "no target", "target: realtime>=4"};
    const int format = static_cast<int>(state.range(0));
    const QString out = sketch.output(kNames[format]);
    ReplayExportOptions options;
    options.width = kWidth;
    options.timing.asDrawn = state.range(1) != 0;
    options.timing.asDrawnSpeed = 1;
    options.timing.timePerStrokeMs = static_cast<double>(kReplayMs) / sketch.strokes();
    double totalMs = 0;
    for (auto _ : state) {
        const double start = nowMs();
        const ReplayExportResult result = exportReplay(*sketch.copy(), out, options);
        totalMs += nowMs() - start;
        if (!result.isWritten()) {
            state.SkipWithError(result.reason.toStdString().c_str());
            return;
        }
    }
    const double animationMs = kReplayMs + ReplayFrames::kEndHoldMs;
    state.counters["realtime"]
        = animationMs * static_cast<double>(state.iterations()) / std::max(totalMs, 1.0);
    state.counters["bytes"] = static_cast<double>(QFileInfo(out).size());
    std::string label = kTargets[format];
    if (format == 2)
        label += " (" + mp4EncoderName().toStdString() + ")";
    state.SetLabel(label);
}

BENCHMARK(exportAnimation)
    ->Name("ReplayExport")
    ->ArgNames({"format", "as_drawn"})
    ->ArgsProduct({{0, 1, 2}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runQtBenchmarks<QApplication>(argc, argv, "replay_bench");
}
