// Time and memory of building scenes, rendering thumbnails and writing PNG, PDF, SVG and
// OpenRaster files of generated sketches of 10k to 1M points.
//
// Each benchmark states its target in its label as "target: NAME<=VALUE ..." where NAME is
// one of its counters; scripts/run-benchmarks.sh reads the labels and reports every miss.
// ms is the mean wall-clock time of one run in milliseconds, best_ms the fastest run; MB are
// 10^6 bytes; M after a number is 10^6. Runs without a display (offscreen platform).
#include "BenchSupport.h"
#include "QtBenchMain.h"
#include "SketchGenerator.h"
#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "document/Thumbnail.h"
#include "export/DocumentExport.h"
#include "export/OpenRasterWriter.h"
#include "export/SketchLayers.h"
#include "settings/ApplSettings.h"
#include "settings/ConsoleDialogService.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImage>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <malloc.h>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace {

using namespace BenchSupport;

constexpr const char *kThumbnailTarget = "target: ms<=10";
constexpr const char *kSmallPngTarget = "target: ms<=100 file_MB<=1";
constexpr const char *kLargePngTarget = "target: ms<=450 file_MB<=1";
constexpr const char *kLargeVectorTarget = "target: ms<=700";
constexpr const char *kLargePdfTarget = "target: ms<=700 bytes_per_point<=3";
constexpr const char *kSmallPdfTarget = "target: bytes_per_point<=3";
// A layered hand-off of a large sketch of many layers.
constexpr const char *kLayeredTarget = "target: ms<=1000";
// Closing a sketch costs no more than opening it, however many layers it has.
constexpr const char *kCloseTarget = "target: close_per_build<=1";
constexpr std::int64_t kSmallSketch = 30000;
constexpr std::int64_t kLargeSketch = 500000;
constexpr int kLayers = 3;
constexpr int kManyLayers = 8;
constexpr int kThumbnailSide = 230;

// The generated pen files, made once per process in a folder removed at the end.
class Workspace
{
public:
    static Workspace &instance()
    {
        static Workspace workspace;
        return workspace;
    }

    const std::filesystem::path &directory() const { return m_directory; }

    /// The path of a pen file of that many points and layers; empty when it cannot be written.
    QString penFile(std::int64_t points, int layers = kLayers)
    {
        const auto key = std::make_pair(points, layers);
        auto found = m_files.find(key);
        if (found == m_files.end())
            found = m_files.emplace(key, makePenFile(points, layers)).first;
        return found->second;
    }

private:
    Workspace() = default;

    QString makePenFile(std::int64_t points, int layers) const
    {
        if (m_directory.empty())
            return {};
        Synth::SketchOptions options;
        options.seed = 7;
        options.points = static_cast<std::size_t>(points);
        options.layers = layers;
        options.kind = Synth::SketchKind::Mixed;
        const std::string path
            = (m_directory
               / ("sketch-" + std::to_string(points) + "-" + std::to_string(layers) + ".qpe"))
                  .string();
        if (!Synth::writeBytes(path, Synth::encodePenFile(Synth::generateSketch(options))))
            return {};
        return QString::fromStdString(path);
    }

    ScratchFolder m_scratch {"render-bench"};
    const std::filesystem::path &m_directory = m_scratch.path();
    std::map<std::pair<std::int64_t, int>, QString> m_files;
};

// The sketch of state.range(0) points loaded as the browser loads it; null after reporting
// the error to the benchmark.
MetadataPtr loadSketch(benchmark::State &state, int layers = kLayers)
{
    const QString path = Workspace::instance().penFile(state.range(0), layers);
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the generated pen file");
        return MetadataPtr();
    }
    MetadataPtr metadata(new DocumentMetaData(path));
    if (!metadata->load() || !metadata->model()
        || countPoints(*metadata->document()) != static_cast<std::size_t>(state.range(0))
        || metadata->model()->groups().size() != layers) {
        state.SkipWithError("the generated pen file does not load with all its points and layers");
        return MetadataPtr();
    }
    return metadata;
}

// Mean and fastest wall-clock time of the timed parts, kept beside the benchmark's own.
struct RunTimes
{
    double totalMs = 0;
    double bestMs = std::numeric_limits<double>::infinity();
    int runs = 0;

    template<typename Work> void time(Work work)
    {
        const double start = nowMs();
        work();
        const double elapsed = nowMs() - start;
        totalMs += elapsed;
        bestMs = std::min(bestMs, elapsed);
        ++runs;
    }
    void report(benchmark::State &state) const
    {
        if (runs == 0)
            return;
        state.counters["ms"] = totalMs / runs;
        state.counters["best_ms"] = bestMs;
    }
};

using BuildModel = std::function<std::unique_ptr<DocumentGraphicModel>(const DocumentMetaData &)>;

// Builds one scene per iteration from the same loaded document; each is freed untimed. The
// heap the first scene holds is reported beside the rate.
void runBuildModel(benchmark::State &state, const BuildModel &build)
{
    const MetadataPtr loaded = loadSketch(state);
    if (!loaded)
        return;
    std::int64_t held = 0;
    for (auto _ : state) {
        const std::int64_t before = held == 0 ? heapBytesInUse() : 0;
        std::unique_ptr<DocumentGraphicModel> model = build(*loaded);
        state.PauseTiming();
        if (held == 0)
            held = std::max<std::int64_t>(1, heapBytesInUse() - before);
        if (model->inkItems().isEmpty()) {
            state.SkipWithError("the model has no strokes");
            break;
        }
        model.reset();
        state.ResumeTiming();
    }
    const double points = static_cast<double>(state.range(0));
    state.counters["points"] = benchmark::Counter(points * static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
    state.counters["heap_MB"] = static_cast<double>(held) / 1e6;
    state.counters["bytes_per_point"] = static_cast<double>(held) / points;
    state.SetLabel("no target");
}

void buildPlainModel(benchmark::State &state)
{
    const PenDescription pen(ApplSettings::instance());
    runBuildModel(state, [&pen](const DocumentMetaData &loaded) {
        return std::make_unique<DocumentGraphicModel>(*loaded.document(), pen, false);
    });
}

void buildPressureModel(benchmark::State &state)
{
    const PenDescription pen(ApplSettings::instance());
    const QSizeF page = ApplSettings::instance().pageSize();
    const QRectF pageRect(-page.width() / 2, -page.height() / 2, page.width(), page.height());
    runBuildModel(state, [&pen, &pageRect](const DocumentMetaData &loaded) {
        return std::make_unique<DocumentGraphicModel>(*loaded.document(), pen, pageRect);
    });
}

// What opening a sketch in the editor costs: a deep copy of the document, shifted onto the
// page, and its pressure-rendering scene.
void buildPressureCopy(benchmark::State &state)
{
    const MetadataPtr loaded = loadSketch(state);
    if (!loaded)
        return;
    for (auto _ : state) {
        MetadataPtr copy = loaded->createPressureCopy();
        state.PauseTiming();
        if (!copy || !copy->model()) {
            state.SkipWithError("no pressure copy");
            break;
        }
        copy.reset();
        state.ResumeTiming();
    }
    state.counters["points"] = benchmark::Counter(static_cast<double>(state.range(0))
                                                      * static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
    state.SetLabel("no target");
}

// Reads the file, builds its scene and draws the thumbnail the list shows, every iteration.
void thumbnailFromFile(benchmark::State &state)
{
    const QString path = Workspace::instance().penFile(state.range(0));
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the generated pen file");
        return;
    }
    RunTimes times;
    for (auto _ : state) {
        MetadataPtr metadata(new DocumentMetaData(path));
        QImage thumbnail;
        times.time([&] {
            // As the loader does it: the ink only, drawn without a scene.
            if (metadata->load(DocumentMetaData::Model::Later))
                thumbnail = renderThumbnail(*metadata->document(), metadata->pen(), false,
                                            kThumbnailSide);
        });
        state.PauseTiming();
        if (thumbnail.isNull()) {
            state.SkipWithError("no thumbnail");
            break;
        }
        metadata.reset();
        state.ResumeTiming();
    }
    times.report(state);
    state.SetLabel(kThumbnailTarget);
}

// Only the drawing into the square, on a freshly loaded sketch each time.
void thumbnailFromScene(benchmark::State &state)
{
    RunTimes times;
    for (auto _ : state) {
        state.PauseTiming();
        const MetadataPtr metadata = loadSketch(state);
        if (!metadata)
            break;
        state.ResumeTiming();
        QImage thumbnail;
        times.time([&] {
            thumbnail = renderThumbnail(*metadata->model(), kThumbnailSide,
                                        static_cast<int>(metadata->document()->elements().size()));
        });
        if (thumbnail.isNull()) {
            state.SkipWithError("no thumbnail");
            break;
        }
    }
    times.report(state);
    state.SetLabel("no target (the drawing part of the thumbnail above)");
}

// A sketch of that many layers, each a single tap of the pen: one stroke of one point.
Nivo::Document dotLayers(std::int64_t layers)
{
    Nivo::Document document;
    for (std::int64_t i = 0; i < layers; ++i) {
        Nivo::Stroke stroke;
        stroke.add(Nivo::Point(static_cast<double>(i % 2000 - 1000),
                               static_cast<double>(i / 2000 % 2900 - 1450), 0, 4000, 0, 0, 0));
        Nivo::Layer layer;
        layer.add(stroke);
        document.add(layer);
    }
    document.complete().set(true);
    return document;
}

// Opens (builds the pressure scene of) and closes (destroys) a sketch of state.range(0)
// one-point layers, each timed on its own. With events, the event loop runs in between, as
// in the window; without, nothing runs in between, as on the loader thread or in the
// command-line tool.
void openAndClose(benchmark::State &state, bool withEvents)
{
    // The constructor taking the page leaves the document where it is: one serves all runs.
    Nivo::Document document = dotLayers(state.range(0));
    const PenDescription pen(ApplSettings::instance());
    const QRectF pageRect(-1050, -1485, 2100, 2970);
    RunTimes build;
    RunTimes close;
    for (auto _ : state) {
        std::unique_ptr<DocumentGraphicModel> model;
        build.time(
            [&] { model = std::make_unique<DocumentGraphicModel>(document, pen, pageRect); });
        if (model->groups().size() != state.range(0)) {
            state.SkipWithError("the model lacks layers");
            break;
        }
        if (withEvents)
            QCoreApplication::processEvents();
        close.time([&] { model.reset(); });
    }
    if (build.runs == 0)
        return;
    state.counters["build_ms"] = build.totalMs / build.runs;
    state.counters["close_ms"] = close.totalMs / close.runs;
    state.counters["close_per_build"] = close.totalMs / build.totalMs;
    state.SetLabel(kCloseTarget);
}

void openAndCloseQuietly(benchmark::State &state)
{
    openAndClose(state, false);
}

void openAndCloseWithEvents(benchmark::State &state)
{
    openAndClose(state, true);
}

using Save = std::function<bool(DocumentGraphicModel &, const QString &)>;

// Writes the page of a pressure copy (page shown) once per iteration. Every iteration gets
// a fresh copy, built untimed, so that no simplification cached by an earlier output helps.
// Peak memory is the rise of VmHWM over the resident size before the save.
void runExport(benchmark::State &state, const char *suffix, const Save &save, const char *target,
               int layers = kLayers)
{
    const MetadataPtr loaded = loadSketch(state, layers);
    if (!loaded)
        return;
    const QString fileName = QString::fromStdString(
        (Workspace::instance().directory()
         / ("out-" + std::to_string(state.range(0)) + "-" + std::to_string(layers) + "." + suffix))
            .string());
    RunTimes times;
    std::int64_t peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        MetadataPtr shown = loaded->createPressureCopy();
        shown->model()->setPageVisible(true, true);
        resetPeakMemory();
        const std::int64_t before = statusBytes("VmRSS");
        state.ResumeTiming();
        bool saved = false;
        times.time([&] { saved = save(*shown->model(), fileName); });
        state.PauseTiming();
        peak = std::max(peak, statusBytes("VmHWM") - before);
        shown.reset();
        if (!saved) {
            state.SkipWithError("the file was not saved");
            break;
        }
        state.ResumeTiming();
    }
    std::error_code error;
    const auto bytes = std::filesystem::file_size(fileName.toStdString(), error);
    if (error)
        return;
    times.report(state);
    state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["bytes_per_point"]
        = static_cast<double>(bytes) / static_cast<double>(state.range(0));
    state.SetLabel(target);
}

void savePng(benchmark::State &state)
{
    runExport(
        state, "png",
        [](DocumentGraphicModel &model, const QString &file) {
            return saveImage(model, file, model.pageRect(), QStringLiteral("PNG"));
        },
        state.range(0) >= kLargeSketch ? kLargePngTarget : kSmallPngTarget);
}

void savePdfFile(benchmark::State &state)
{
    runExport(
        state, "pdf",
        [](DocumentGraphicModel &model, const QString &file) {
            return savePdf(model, file, model.pageRect());
        },
        state.range(0) >= kLargeSketch ? kLargePdfTarget : kSmallPdfTarget);
}

void saveSvgFile(benchmark::State &state)
{
    runExport(
        state, "svg",
        [](DocumentGraphicModel &model, const QString &file) {
            return saveSvg(model, file, model.pageRect());
        },
        state.range(0) >= kLargeSketch ? kLargeVectorTarget : "no target");
}

// A layered hand-off, OpenRaster or SVG by suffix, of a sketch of many layers, named as the
// editor names untagged layers: what the names cost is in the time.
void saveManyLayers(benchmark::State &state, const char *suffix)
{
    const bool openRaster = std::string_view(suffix) == "ora";
    runExport(
        state, suffix,
        [openRaster](DocumentGraphicModel &model, const QString &file) {
            const SketchLayers names = sketchLayersOf(model, file);
            return openRaster ? saveOpenRaster(model, file, model.pageRect(), names)
                              : saveSvg(model, file, model.pageRect(), names);
        },
        kLayeredTarget, kManyLayers);
}

void modelSizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->ArgName("points")->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark->Args({10000})->Args({100000})->Args({1000000});
}

// The benchmarks below run a fixed number of iterations: each iteration rebuilds its input
// untimed, which the automatic count would repeat many times over.
void oneSketch(benchmark::internal::Benchmark *benchmark)
{
    benchmark->ArgName("points")->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(buildPlainModel)->Name("BuildModel/plain")->Apply(modelSizes);
BENCHMARK(buildPressureModel)->Name("BuildModel/pressure")->Apply(modelSizes);
BENCHMARK(buildPressureCopy)->Name("BuildModel/pressure-copy")->Apply(modelSizes);
BENCHMARK(openAndCloseQuietly)
    ->Name("OpenAndClose/dot-layers")
    ->ArgName("layers")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(2);
BENCHMARK(openAndCloseWithEvents)
    ->Name("OpenAndClose/dot-layers-with-events")
    ->ArgName("layers")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(2);
BENCHMARK(thumbnailFromFile)
    ->Name("Thumbnail/file-to-pixels")
    ->Apply(oneSketch)
    ->Arg(kSmallSketch)
    ->Iterations(30);
BENCHMARK(thumbnailFromScene)
    ->Name("Thumbnail/pixels-only")
    ->Apply(oneSketch)
    ->Arg(kSmallSketch)
    ->Iterations(30);
BENCHMARK(savePng)->Name("SavePng/A4")->Apply(oneSketch)->Arg(kSmallSketch)->Iterations(10);
BENCHMARK(savePng)->Name("SavePng/A4")->Apply(oneSketch)->Arg(kLargeSketch)->Iterations(5);
BENCHMARK(savePdfFile)->Name("SavePdf/A4")->Apply(oneSketch)->Arg(kSmallSketch)->Iterations(10);
BENCHMARK(savePdfFile)->Name("SavePdf/A4")->Apply(oneSketch)->Arg(kLargeSketch)->Iterations(5);
BENCHMARK(saveSvgFile)->Name("SaveSvg/A4")->Apply(oneSketch)->Arg(kSmallSketch)->Iterations(10);
BENCHMARK(saveSvgFile)->Name("SaveSvg/A4")->Apply(oneSketch)->Arg(kLargeSketch)->Iterations(5);
BENCHMARK_CAPTURE(saveManyLayers, ora, "ora")
    ->Name("SaveOpenRaster/A4-8-layers")
    ->Apply(oneSketch)
    ->Arg(kLargeSketch)
    ->Iterations(5);
BENCHMARK_CAPTURE(saveManyLayers, svg, "svg")
    ->Name("SaveLayeredSvg/A4-8-layers")
    ->Apply(oneSketch)
    ->Arg(kLargeSketch)
    ->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runQtBenchmarks<QApplication>(argc, argv, "render_bench");
}
