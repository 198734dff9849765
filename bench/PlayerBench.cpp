// Time of one stroke-player frame on a sketch of 5,000 strokes: a step of one stroke, a jump
// over all of them, a frame of the as-drawn replay, and each of them with the repaint of the
// view that follows it.
//
// Each benchmark states its target in its label as "target: NAME<=VALUE" where NAME is one
// of its counters; scripts/run-benchmarks.sh reads the labels and reports every miss. ms is
// the mean wall-clock time of one frame in milliseconds. Runs without a display (offscreen
// platform), the player 1000 x 700 pixels.
#include "BenchSketch.h"
#include "QtBenchMain.h"
#include "editor/PlayerDocument.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimeLine>

#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <string>

namespace {

using namespace BenchSupport;

// A frame on the user-interface thread must leave room for the rest of a 60 Hz frame.
constexpr const char *kFrameTarget = "target: ms<=8";
constexpr const char *kPaintedLabel = "no target (the frame with the repaint it causes)";
constexpr int kStrokes = 5000;
constexpr int kPointsPerStroke = 24;

// Short strokes in rows over the sheet in three layers, 10 ms a point and a quarter of a
// second between strokes, as a hand writes.
Synth::SynthSketch handwriting()
{
    Synth::SynthSketch sketch;
    sketch.layers.resize(3);
    std::uint32_t clock = 1000;
    for (int s = 0; s < kStrokes; ++s) {
        Synth::SynthStroke stroke;
        const double left = -1000 + 40.0 * (s % 50);
        const double top = 40 + 29.0 * (s / 50);
        for (int i = 0; i < kPointsPerStroke; ++i) {
            stroke.samples.push_back({.x = left + 1.5 * i,
                                      .y = top + 12 * std::sin(i * 0.4),
                                      .pressure = 700 + 20 * i,
                                      .timeMs = clock});
            clock += 10;
        }
        clock += 250;
        sketch.layers[static_cast<std::size_t>(s * 3 / kStrokes)].strokes.push_back(stroke);
    }
    return sketch;
}

// The player of the sketch, shown; null after reporting the error to the benchmark.
class Bench
{
public:
    explicit Bench(benchmark::State &state)
    {
        const MetadataPtr copy = loadPressureCopy(state, m_scratch, handwriting());
        if (!copy)
            return;
        m_player.resize(1000, 700);
        m_player.show();
        if (!m_player.setDocument(copy) || m_player.strokeCount() != kStrokes) {
            state.SkipWithError("the player does not take the sketch with all its strokes");
            return;
        }
        settle();
        m_ready = true;
    }

    bool ready() const { return m_ready; }
    PlayerDocument &player() { return m_player; }
    /// Lets the view take the changes and repaint what they touched.
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

private:
    ScratchFolder m_scratch {"player-bench"};
    PlayerDocument m_player;
    bool m_ready = false;
};

void report(benchmark::State &state, double totalMs, bool painted)
{
    state.counters["ms"] = totalMs / static_cast<double>(state.iterations());
    state.SetLabel(painted ? kPaintedLabel : kFrameTarget);
}

// Frames between two positions of the first and second argument, back and forth.
void frames(benchmark::State &state)
{
    Bench bench(state);
    if (!bench.ready())
        return;
    const int from = static_cast<int>(state.range(0));
    const int to = static_cast<int>(state.range(1));
    const bool painted = state.range(2) != 0;
    bench.player().updatePlayerView(from);
    Bench::settle();
    double totalMs = 0;
    bool forth = true;
    for (auto _ : state) {
        const double start = nowMs();
        bench.player().updatePlayerView(forth ? to : from);
        if (painted)
            Bench::settle();
        totalMs += nowMs() - start;
        forth = !forth;
    }
    if (bench.player().position() != (forth ? from : to))
        state.SkipWithError("the player is not where the frames took it");
    report(state, totalMs, painted);
}

// Frames of a running as-drawn replay at its own speed, one screen refresh apart, through
// the middle of the sketch.
void asDrawnFrames(benchmark::State &state)
{
    Bench bench(state);
    if (!bench.ready())
        return;
    const bool painted = state.range(0) != 0;
    PlayerDocument &player = bench.player();
    player.setReplayAsDrawn(true);
    player.updatePlayerView(kStrokes / 2);
    player.playStopPlayerSlot();
    QTimeLine *timeLine = player.timeLine();
    Bench::settle();
    double totalMs = 0;
    int time = 0;
    for (auto _ : state) {
        time = (time + 16) % (timeLine->duration() / 2);
        const double start = nowMs();
        timeLine->setCurrentTime(time);
        if (painted)
            Bench::settle();
        totalMs += nowMs() - start;
    }
    if (!player.isPlaying() || player.position() < kStrokes / 2)
        state.SkipWithError("the replay did not run through the frames");
    report(state, totalMs, painted);
}

BENCHMARK(frames)
    ->Name("PlayerFrame/step")
    ->ArgNames({"from", "to", "painted"})
    ->Args({kStrokes / 2, kStrokes / 2 + 1, 0})
    ->Args({kStrokes / 2, kStrokes / 2 + 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(400);
BENCHMARK(frames)
    ->Name("PlayerFrame/jump")
    ->ArgNames({"from", "to", "painted"})
    ->Args({0, kStrokes, 0})
    ->Args({0, kStrokes, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(40);
BENCHMARK(asDrawnFrames)
    ->Name("PlayerFrame/as-drawn")
    ->ArgName("painted")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(400);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runQtBenchmarks<QApplication>(argc, argv, "editor_bench");
}
