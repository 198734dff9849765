// Throughput and memory of the ink library on generated sketches of 10k to 1M points.
//
// Each benchmark states its target in its label as "target: NAME>=VALUE ..." where NAME is
// one of its counters; scripts/run-benchmarks.sh reads the labels and reports every miss.
// MB are 10^6 bytes; M after a number is 10^6.
#include "BenchSupport.h"
#include "SketchGenerator.h"
#include "ink/Document.h"
#include "ink/DocumentSerializer.h"
#include "ink/InkMLDefinitions.h"
#include "ink/InkmlFileReader.h"
#include "ink/QpeParser.h"
#include "ink/TextCodec.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <map>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace {

using namespace BenchSupport;

// Half of what a bare walk over the packets reaches on one core.
constexpr const char *kParseTarget = "target: MB>=600/s points>=30M/s";
constexpr const char *kLoadTarget = "target: points>=2M/s";
constexpr const char *kMemoryTarget = "target: bytes_per_point<=48";
// A layer costs at most 200 bytes beyond its one point; a million of them read within 1 s.
constexpr const char *kLayerTarget = "target: bytes_per_layer<=248 seconds<=1";
constexpr std::int64_t kLargest = 1000000;

// One generated sketch in both file formats, made once per process.
struct SampleFiles
{
    std::size_t points = 0;
    std::vector<unsigned char> penBytes;
    std::wstring penPath;
    std::wstring documentPath;
    std::uintmax_t documentBytes = 0;
    std::string error;
};

// The folder of the generated files; removed when the program ends.
class Workspace
{
public:
    static Workspace &instance()
    {
        static Workspace workspace;
        return workspace;
    }

    const std::filesystem::path &directory() const { return m_directory; }

    const SampleFiles &files(std::size_t points)
    {
        auto found = m_files.find(points);
        if (found == m_files.end())
            found = m_files.emplace(points, makeFiles(points)).first;
        return found->second;
    }

private:
    Workspace() = default;

    SampleFiles makeFiles(std::size_t points) const
    {
        SampleFiles files;
        files.points = points;
        if (m_directory.empty()) {
            files.error = "no temporary folder";
            return files;
        }
        Synth::SketchOptions options;
        options.seed = 7;
        options.points = points;
        options.layers = 3;
        options.kind = Synth::SketchKind::Mixed;
        const Synth::SynthSketch sketch = Synth::generateSketch(options);
        files.penBytes = Synth::encodePenFile(sketch);

        const std::string stem = (m_directory / ("sketch-" + std::to_string(points))).string();
        if (!Synth::writeBytes(stem + ".qpe", files.penBytes)) {
            files.error = "cannot write the pen file";
            return files;
        }
        files.penPath = Nivo::fromUtf8(stem + ".qpe");
        files.documentPath = Nivo::fromUtf8(stem + ".vmr");

        Nivo::QpeParser parser(files.penPath);
        if (!parser.load() || countPoints(*parser.document()) != points) {
            files.error = "the generated pen file does not read back with all its points";
            return files;
        }
        Nivo::DocumentSerializer serializer(parser.document());
        if (!serializer.saveFile(files.documentPath, Nivo::DefaultInkMLDefinitions())) {
            files.error = "cannot save the document: " + serializer.errorText();
            return files;
        }
        files.documentBytes = std::filesystem::file_size(stem + ".vmr");
        return files;
    }

    ScratchFolder m_scratch {"ink-bench"};
    const std::filesystem::path &m_directory = m_scratch.path();
    std::map<std::size_t, SampleFiles> m_files;
};

const SampleFiles *filesFor(benchmark::State &state)
{
    const SampleFiles &files
        = Workspace::instance().files(static_cast<std::size_t>(state.range(0)));
    if (!files.error.empty()) {
        state.SkipWithError(files.error.c_str());
        return nullptr;
    }
    return &files;
}

std::unique_ptr<Nivo::QpeDocument> parsePenFile(const SampleFiles &files)
{
    Nivo::QpeParser parser(files.penPath);
    if (!parser.load())
        return nullptr;
    return parser.takeDocument();
}

// Bytes the heap hands out right now, small blocks and mapped ones alike.
void setThroughput(benchmark::State &state, double points, double bytes, const char *label)
{
    const double iterations = static_cast<double>(state.iterations());
    state.counters["points"] = benchmark::Counter(points * iterations, benchmark::Counter::kIsRate);
    if (bytes > 0.0) {
        state.SetBytesProcessed(static_cast<std::int64_t>(bytes * iterations));
        state.counters["MB"]
            = benchmark::Counter(bytes * iterations / 1e6, benchmark::Counter::kIsRate);
    }
    state.SetLabel(label);
}

// Runs one parse per iteration; the document is checked once and freed outside the timing.
template<typename MakeParser>
void runParse(benchmark::State &state, const SampleFiles &files, MakeParser makeParser)
{
    bool checked = false;
    for (auto _ : state) {
        std::unique_ptr<Nivo::QpeParser> parser = makeParser();
        const bool complete = parser->load();
        state.PauseTiming();
        if (!checked) {
            if (!complete || countPoints(*parser->document()) != files.points) {
                state.SkipWithError("the pen file did not read back with all its points");
                break;
            }
            checked = true;
        }
        parser.reset();
        state.ResumeTiming();
    }
    setThroughput(state, static_cast<double>(files.points),
                  static_cast<double>(files.penBytes.size()), kParseTarget);
}

void parsePenFileFromDisk(benchmark::State &state)
{
    const SampleFiles *files = filesFor(state);
    if (!files)
        return;
    runParse(state, *files, [files] { return std::make_unique<Nivo::QpeParser>(files->penPath); });
}

void parsePenFileFromMemory(benchmark::State &state)
{
    const SampleFiles *files = filesFor(state);
    if (!files)
        return;
    runParse(state, *files, [files] {
        return std::make_unique<Nivo::QpeParser>(files->penBytes.data(), files->penBytes.size());
    });
}

void saveDocument(benchmark::State &state)
{
    const SampleFiles *files = filesFor(state);
    if (!files)
        return;
    const std::unique_ptr<Nivo::QpeDocument> document = parsePenFile(*files);
    if (!document) {
        state.SkipWithError("the pen file did not read back");
        return;
    }
    const std::wstring path = Nivo::fromUtf8(
        (Workspace::instance().directory() / ("saved-" + std::to_string(files->points) + ".vmr"))
            .string());
    const Nivo::DefaultInkMLDefinitions definitions;
    std::uintmax_t savedBytes = 0;
    for (auto _ : state) {
        Nivo::DocumentSerializer serializer(document.get());
        if (!serializer.saveFile(path, definitions)) {
            state.SkipWithError(("cannot save: " + serializer.errorText()).c_str());
            break;
        }
        if (savedBytes == 0) {
            state.PauseTiming();
            savedBytes = std::filesystem::file_size(Nivo::toUtf8(path));
            state.ResumeTiming();
        }
    }
    setThroughput(state, static_cast<double>(files->points), static_cast<double>(savedBytes),
                  "no target (saves through a synced temporary file)");
}

void loadDocument(benchmark::State &state)
{
    const SampleFiles *files = filesFor(state);
    if (!files)
        return;
    bool checked = false;
    for (auto _ : state) {
        auto reader = std::make_unique<Nivo::InkmlFileReader>(files->documentPath);
        const bool complete = reader->load();
        state.PauseTiming();
        if (!checked) {
            if (!complete || countPoints(*reader->document()) != files->points) {
                state.SkipWithError(("the saved document did not read back with all its points: "
                                     + reader->errorText())
                                        .c_str());
                break;
            }
            checked = true;
        }
        reader.reset();
        state.ResumeTiming();
    }
    setThroughput(state, static_cast<double>(files->points),
                  static_cast<double>(files->documentBytes), kLoadTarget);
}

// Applies one in-place operation per iteration to the same loaded document.
template<typename Operation> void runInPlace(benchmark::State &state, Operation operation)
{
    const SampleFiles *files = filesFor(state);
    if (!files)
        return;
    const std::unique_ptr<Nivo::QpeDocument> document = parsePenFile(*files);
    if (!document || document->elements().front().isEmpty()) {
        state.SkipWithError("the pen file did not read back");
        return;
    }
    const Nivo::Point &first = document->elements().front().elements().front().elements().front();
    const double firstX = first.x.value();
    const double firstY = first.y.value();
    // Guards against timing an operation that does nothing; the second call undoes the first.
    operation(*document, 0);
    const bool moved = first.x.value() != firstX || first.y.value() != firstY;
    operation(*document, 1);
    if (!moved) {
        state.SkipWithError("the operation left the first point where it was");
        return;
    }
    std::int64_t turn = 0;
    for (auto _ : state)
        operation(*document, turn++);
    setThroughput(state, static_cast<double>(files->points), 0.0, "no target");
}

void rotateDocument(benchmark::State &state)
{
    // Alternating directions keeps the sketch on the sheet however many turns are timed.
    runInPlace(state, [](Nivo::Document &document, std::int64_t turn) {
        document.rotate(turn % 2 == 0 ? 0.1f : -0.1f);
    });
}

void shiftDocument(benchmark::State &state)
{
    runInPlace(state, [](Nivo::Document &document, std::int64_t turn) {
        const double step = turn % 2 == 0 ? 12.5 : -12.5;
        document.shift(step, -step);
    });
}

// Heap held by one loaded document: the growth of the heap in use while it is kept.
template<typename Load> void measureMemory(benchmark::State &state, Load load)
{
    const SampleFiles *files = filesFor(state);
    if (!files)
        return;
    std::int64_t held = 0;
    for (auto _ : state) {
        const std::int64_t before = heapBytesInUse();
        std::shared_ptr<const Nivo::Document> document = load(*files);
        const std::int64_t after = heapBytesInUse();
        state.PauseTiming();
        if (!document || countPoints(*document) != files->points) {
            state.SkipWithError("the file did not read back with all its points");
            break;
        }
        held = std::max(held, after - before);
        document.reset();
        state.ResumeTiming();
    }
    state.counters["heap_MB"] = static_cast<double>(held) / 1e6;
    state.counters["bytes_per_point"]
        = static_cast<double>(held) / static_cast<double>(files->points);
    state.SetLabel(kMemoryTarget);
}

void memoryOfPenFileDocument(benchmark::State &state)
{
    measureMemory(state, [](const SampleFiles &files) -> std::shared_ptr<const Nivo::Document> {
        return parsePenFile(files);
    });
}

void memoryOfSavedDocument(benchmark::State &state)
{
    measureMemory(state, [](const SampleFiles &files) -> std::shared_ptr<const Nivo::Document> {
        Nivo::InkmlFileReader reader(files.documentPath);
        if (!reader.load())
            return nullptr;
        // The handle keeps the document alive after the reader is gone.
        auto handle = std::make_shared<Nivo::SharedHandle<Nivo::Document>>(reader.document());
        return std::shared_ptr<const Nivo::Document>(handle, handle->get());
    });
}

// Heap held by a pen file of one-point layers (a tap of the pen each), and the time to
// read it: what a layer costs beyond its point.
void memoryOfOnePointLayers(benchmark::State &state)
{
    const auto layers = static_cast<std::size_t>(state.range(0));
    const std::vector<unsigned char> bytes
        = Synth::encodePenFile(Synth::generateDotLayers(11, layers));
    std::int64_t held = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::int64_t before = heapBytesInUse();
        Nivo::QpeParser parser(bytes.data(), bytes.size());
        const bool loaded = parser.load();
        std::unique_ptr<Nivo::QpeDocument> document = parser.takeDocument();
        const std::int64_t after = heapBytesInUse();
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        if (!loaded || document->elements().size() != layers) {
            state.SkipWithError("the file did not read back with all its layers");
            break;
        }
        held = std::max(held, after - before);
        document.reset();
        state.ResumeTiming();
    }
    state.counters["heap_MB"] = static_cast<double>(held) / 1e6;
    state.counters["bytes_per_layer"] = static_cast<double>(held) / static_cast<double>(layers);
    state.counters["seconds"] = seconds;
    state.SetLabel(kLayerTarget);
}

void sizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->ArgName("points")->Arg(10000)->Arg(100000)->Arg(kLargest);
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(parsePenFileFromDisk)->Name("ParsePenFile/disk")->Apply(sizes);
BENCHMARK(parsePenFileFromMemory)->Name("ParsePenFile/memory")->Apply(sizes);
BENCHMARK(saveDocument)->Name("SaveDocument")->Apply(sizes);
BENCHMARK(loadDocument)->Name("LoadDocument")->Apply(sizes);
BENCHMARK(rotateDocument)
    ->Name("RotateDocument")
    ->ArgName("points")
    ->Arg(kLargest)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(shiftDocument)
    ->Name("ShiftDocument")
    ->ArgName("points")
    ->Arg(kLargest)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(memoryOfPenFileDocument)
    ->Name("DocumentMemory/pen-file")
    ->ArgName("points")
    ->Arg(kLargest)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(memoryOfOnePointLayers)
    ->Name("DocumentMemory/one-point-layers")
    ->ArgName("layers")
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(memoryOfSavedDocument)
    ->Name("DocumentMemory/saved-document")
    ->ArgName("points")
    ->Arg(kLargest)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
