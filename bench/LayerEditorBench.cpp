// Time of the layer editor's work on a sketch of 504,000 points in 8 layers: opening it with
// the first paint of its view, and a split at the scrubber's handles, a merge of two layers
// and a delete of one, each with its undo and redo.
//
// Each benchmark states its target in its label (see PlayerBench.cpp). ms is the mean
// wall-clock time of the opening or of the command, undo_ms and redo_ms those of its undo
// and redo, in milliseconds, each up to the end of the repaint it causes. Runs without a
// display (offscreen platform), the editor 1200 x 800 pixels.
#include "BenchSupport.h"
#include "document/DocumentMetaData.h"
#include "editor/LayerManager.h"
#include "editor/ZoomingGraphicsView.h"
#include "ink/DocumentSerializer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QListWidget>
#include <QSpinBox>
#include <QUndoStack>

#include <benchmark/benchmark.h>
#include <cmath>
#include <string>
#include <utility>

namespace {

using namespace BenchSupport;

constexpr const char *kOpenTarget = "target: ms<=400";
constexpr const char *kCommandTarget = "target: ms<=100 undo_ms<=100 redo_ms<=100";
constexpr int kLayers = 8;
constexpr int kColumns = 60;
constexpr int kRowsPerLayer = 10;
constexpr int kStrokesPerLayer = kColumns * kRowsPerLayer;
constexpr int kPointsPerStroke = 105;

// Handwriting over an A4 sheet, each layer ten rows of 60 words, 5 ms a point, a fifth of a
// second between strokes and the pen's pressure rising and falling along each stroke.
Nivo::Document handwriting()
{
    Nivo::Document ink;
    unsigned long clock = 1000;
    for (int l = 0; l < kLayers; ++l) {
        Nivo::Layer layer;
        for (int s = 0; s < kStrokesPerLayer; ++s) {
            Nivo::Stroke stroke;
            const double left = 40 + 33.0 * (s % kColumns);
            const double top = 60 + 36.0 * (l * kRowsPerLayer + s / kColumns);
            for (int i = 0; i < kPointsPerStroke; ++i) {
                const auto pressure = static_cast<unsigned>(600 + 300 * std::sin(i * 0.06));
                stroke.add(Nivo::Point(left + 0.28 * i, top + 12 * std::sin(i * 0.35), 0, pressure,
                                       0, 0, clock));
                clock += 5;
            }
            clock += 200;
            layer.add(stroke);
        }
        ink.add(layer);
    }
    ink.complete().set(true);
    return ink;
}

/// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int count() const { return m_count; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_count;
        return QObject::eventFilter(watched, event);
    }

private:
    int m_count = 0;
};

// The editor, shown, and the loaded sketch it opens copies of; not ready after reporting
// the error to the benchmark.
class Bench
{
public:
    explicit Bench(benchmark::State &state)
        : m_state(state)
    {
        const std::string file = (m_scratch.path() / "layers.vmr").string();
        Nivo::Document ink = handwriting();
        if (m_scratch.path().empty()
            || !Nivo::DocumentSerializer(&ink).saveFileNarrow(file,
                                                              Nivo::DefaultInkMLDefinitions())) {
            state.SkipWithError("cannot write the generated sketch");
            return;
        }
        m_loaded = MetadataPtr(new DocumentMetaData(QString::fromStdString(file)));
        if (!m_loaded->load() || countPoints(*m_loaded->document()) != countPoints(ink)) {
            state.SkipWithError("the generated sketch does not load whole");
            return;
        }
        m_editor.resize(1200, 800);
        m_editor.show();
        m_editor.view()->viewport()->installEventFilter(&m_paints);
        settle();
        m_ready = true;
    }

    bool ready() const { return m_ready; }
    LayerManager &editor() { return m_editor; }
    MetadataPtr copy() const { return m_loaded->createPressureCopy(); }
    /// Milliseconds the action takes with the repaint that follows it; fails the benchmark
    /// when the view was not painted or the sketch has not the layers expected after it.
    template<typename Action> double timed(Action action, int layers)
    {
        const int paints = m_paints.count();
        const double start = nowMs();
        action();
        settle();
        const double ms = nowMs() - start;
        check(paints, layers);
        return ms;
    }
    /// Selects the list rows as a click on each with Control held does.
    void select(std::initializer_list<int> rows)
    {
        m_editor.layerList()->clearSelection();
        for (int row : rows)
            m_editor.layerList()->item(row)->setSelected(true);
    }
    void setHandles(int left, int right)
    {
        m_editor.findChild<QSpinBox *>("rightSpin")->setValue(right);
        m_editor.findChild<QSpinBox *>("leftSpin")->setValue(left);
    }
    /// Lets the view and the list take the changes and repaint what they touched.
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

private:
    void check(int paintsBefore, int layers)
    {
        const MetadataPtr &sketch = m_editor.document();
        if (m_paints.count() == paintsBefore)
            m_state.SkipWithError("the view was not painted");
        else if (!sketch || m_editor.layerList()->count() != layers
                 || static_cast<int>(sketch->document()->elements().size()) != layers)
            m_state.SkipWithError("the editor does not show the layers expected");
    }

    benchmark::State &m_state;
    ScratchFolder m_scratch {"layer-editor-bench"};
    MetadataPtr m_loaded;
    PaintCounter m_paints;
    LayerManager m_editor;
    bool m_ready = false;
};

void openSketch(benchmark::State &state)
{
    Bench bench(state);
    if (!bench.ready())
        return;
    double totalMs = 0;
    for (auto _ : state) {
        // The last copy ends here, outside the time: the editor lets it go before the next.
        bench.editor().reset();
        Bench::settle();
        const MetadataPtr copy = bench.copy();
        totalMs += bench.timed([&] { bench.editor().setDocument(copy); }, kLayers);
    }
    state.counters["ms"] = totalMs / static_cast<double>(state.iterations());
    state.SetLabel(kOpenTarget);
}

enum class Command { Split, Merge, Delete };

// One command on a freshly opened sketch, its undo and its redo, then an untimed undo that
// leaves the sketch as it was for the next round.
void command(benchmark::State &state, Command kind)
{
    Bench bench(state);
    if (!bench.ready())
        return;
    LayerManager &editor = bench.editor();
    editor.setDocument(bench.copy());
    Bench::settle();
    const int after = kind == Command::Split ? kLayers + 2 : kLayers - 1;
    double commandMs = 0;
    double undoMs = 0;
    double redoMs = 0;
    for (auto _ : state) {
        switch (kind) {
        case Command::Split:
            bench.select({2});
            bench.setHandles(kStrokesPerLayer / 3, 2 * kStrokesPerLayer / 3);
            commandMs += bench.timed([&] { editor.createLayersFromScrubberSlot(); }, after);
            break;
        case Command::Merge:
            bench.select({3, 4});
            commandMs += bench.timed([&] { editor.mergeLayersSlot(); }, after);
            break;
        case Command::Delete:
            bench.select({5});
            commandMs += bench.timed([&] { editor.deleteSelectedItems(); }, after);
            break;
        }
        undoMs += bench.timed([&] { editor.undoStack()->undo(); }, kLayers);
        redoMs += bench.timed([&] { editor.undoStack()->redo(); }, after);
        editor.undoStack()->undo();
        Bench::settle();
    }
    const double rounds = static_cast<double>(state.iterations());
    state.counters["ms"] = commandMs / rounds;
    state.counters["undo_ms"] = undoMs / rounds;
    state.counters["redo_ms"] = redoMs / rounds;
    state.SetLabel(kCommandTarget);
}

// Few rounds: each works on half a million points, and a round of a command runs it three
// times.
void configure(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
}

[[maybe_unused]] const bool kRegistered = [] {
    configure(benchmark::RegisterBenchmark("LayerEditor/open", openSketch));
    for (const auto &[name, kind] : {std::pair("LayerEditor/split", Command::Split),
                                     std::pair("LayerEditor/merge", Command::Merge),
                                     std::pair("LayerEditor/delete", Command::Delete)})
        configure(benchmark::RegisterBenchmark(name, command, kind));
    return true;
}();

} // namespace
