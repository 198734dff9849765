// The pen-file reader: packet decoding, stroke and layer building, every rejection, stop.
#include "ink/QpeParser.h"

#include "PenFileBuilder.h"
#include "SketchGenerator.h"
#include "TempDirectory.h"
#include "ink/TextCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace Nivo;
using TestSupport::PenFileBuilder;

namespace {

// Parses in a temporary current directory, so that the log lines can be checked.
class QpeParserTest : public ::testing::Test
{
protected:
    void SetUp() override { m_directory.enter(); }

    std::unique_ptr<QpeDocument> parse(const PenFileBuilder &file, bool *complete = nullptr)
    {
        m_bytes = file.bytes();
        QpeParser parser(m_bytes.data(), m_bytes.size());
        const bool loaded = parser.load();
        if (complete)
            *complete = loaded;
        return parser.takeDocument();
    }
    bool loads(const PenFileBuilder &file)
    {
        bool complete = false;
        parse(file, &complete);
        return complete;
    }
    std::string log() const { return TestSupport::readFile("nivo.log"); }

    TestSupport::TempDirectory m_directory;
    std::vector<unsigned char> m_bytes;
};

const Point &pointAt(const Document &document, size_t layer, size_t stroke, size_t point)
{
    return document.elements().at(layer).elements().at(stroke).elements().at(point);
}

} // namespace

TEST_F(QpeParserTest, ReadsTheSmallExampleFile)
{
    PenFileBuilder file;
    file.raw({0x01, 0x06, 0x00, 0x02, 0x00, 0x00})
        .raw({0x64, 0x06, 0x01, 0x00, 0x10, 0x00})
        .raw({0x61, 0x06, 0x00, 0x64, 0x00, 0xC8})
        .raw({0x61, 0x06, 0x00, 0x6E, 0x00, 0xD2})
        .raw({0xF1, 0x03, 0x01})
        .raw({0xF1, 0x03, 0x00})
        .raw({0x61, 0x06, 0x01, 0x2C, 0x00, 0x64});
    ASSERT_EQ(file.bytes().size(), 36u);
    bool complete = false;
    auto document = parse(file, &complete);
    ASSERT_TRUE(complete);
    ASSERT_EQ(document->elements().size(), 1u);
    const Layer &layer = document->elements()[0];
    ASSERT_EQ(layer.elements().size(), 2u);
    ASSERT_EQ(layer.elements()[0].elements().size(), 2u);
    EXPECT_EQ(pointAt(*document, 0, 0, 0).x.value(), 10.5);
    EXPECT_EQ(pointAt(*document, 0, 0, 0).y.value(), 40.5);
    EXPECT_EQ(pointAt(*document, 0, 0, 1).x.value(), 11.5);
    EXPECT_EQ(pointAt(*document, 0, 0, 1).y.value(), 42.5);
    EXPECT_EQ(pointAt(*document, 0, 0, 0).pressure.value(), 1024u);
    EXPECT_EQ(pointAt(*document, 0, 0, 1).pressure.value(), 1024u);
    const Point &last = pointAt(*document, 0, 1, 0);
    EXPECT_EQ(last.x.value(), 30.5);
    EXPECT_EQ(last.y.value(), 20.5);
    EXPECT_EQ(last.pressure.value(), 0u);
    EXPECT_EQ(last.xtilt.value(), 0);
    EXPECT_EQ(last.timestamp.value(), 0u);
    EXPECT_EQ(document->topLeft().value().x.value(), 10.5);
    EXPECT_EQ(document->topLeft().value().y.value(), 20.5);
    EXPECT_EQ(document->bottomRight().value().x.value(), 30.5);
    EXPECT_EQ(document->bottomRight().value().y.value(), 42.5);
    EXPECT_EQ(log(), "");
}

TEST_F(QpeParserTest, FilesEndingBetweenPacketsLoadWhole)
{
    bool complete = false;
    auto document = parse(PenFileBuilder().descriptor(), &complete);
    EXPECT_TRUE(complete);
    EXPECT_TRUE(document->isEmpty());
    EXPECT_TRUE(loads(PenFileBuilder().descriptor().coordinate(1, 1)));
    EXPECT_EQ(log(), "");
}

// A receiver unplugged while writing leaves its last packet cut short: the sketch keeps
// everything before that packet, and the log says where it was cut.
TEST_F(QpeParserTest, APacketCutShortAnywhereIsDroppedWithEverythingBeforeKept)
{
    const std::vector<std::vector<unsigned char>> packets = {{0x11, 0x09, 1, 2, 3, 4, 5, 6, 7},
                                                             {0x31, 0x09, 1, 2, 3, 4, 5, 6, 7},
                                                             {0x61, 0x06, 0, 9, 0, 9},
                                                             {0x64, 0x06, 1, 0, 0x10, 0},
                                                             {0x65, 0x06, 1, 2, 0, 0},
                                                             {0xC2, 0x06, 0x11, 0, 0, 5},
                                                             {0xF1, 0x03, 0x80}};
    for (const auto &packet : packets) {
        for (size_t kept = 1; kept < packet.size(); ++kept) {
            std::filesystem::remove("nivo.log");
            PenFileBuilder file;
            file.descriptor().coordinate(100, 200);
            for (size_t i = 0; i < kept; ++i)
                file.raw({packet[i]});
            bool complete = false;
            const auto document = parse(file, &complete);
            SCOPED_TRACE(testing::Message()
                         << "tag " << int(packet[0]) << ", " << kept << " bytes");
            EXPECT_TRUE(complete);
            ASSERT_EQ(document->elements().size(), 1u);
            ASSERT_EQ(document->elements()[0].elements().size(), 1u);
            EXPECT_EQ(document->elements()[0].elements()[0].elements().size(), 1u);
            const std::string text = log();
            EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
            EXPECT_NE(text.find("WARNING (memory): packet cut short by the end of the file at "
                                "offset 12, dropped"),
                      std::string::npos)
                << text;
        }
    }
    // A descriptor whose coordinate format is there reads as an empty sketch.
    bool complete = false;
    EXPECT_TRUE(parse(PenFileBuilder().raw({0x01, 0x06, 0x00, 0x02}), &complete)->isEmpty());
    EXPECT_TRUE(complete);
}

TEST_F(QpeParserTest, LengthCodesAreCountsTimesPowersOfSix)
{
    EXPECT_TRUE(loads(PenFileBuilder().raw({0x01, 0x41, 0x00, 0x02, 0x00, 0x00}).coordinate(1, 1)));
    // An unknown packet of code 0x85 is 5 x 36 = 180 bytes long.
    PenFileBuilder skipped;
    skipped.descriptor().raw({0xF7, 0x85});
    for (int i = 0; i < 178; ++i)
        skipped.raw({0x61});
    skipped.coordinate(100, 100);
    bool complete = false;
    auto document = parse(skipped, &complete);
    ASSERT_TRUE(complete);
    ASSERT_EQ(document->elements().size(), 1u);
    EXPECT_EQ(pointAt(*document, 0, 0, 0).x.value(), 10.5);
}

TEST_F(QpeParserTest, UnknownPacketsWithLengthZeroConsumeOnlyTheirFramingBytes)
{
    for (unsigned char code : {0x00, 0x40, 0x80, 0xC0}) {
        bool complete = false;
        auto document
            = parse(PenFileBuilder().descriptor().raw({0x00, code}).coordinate(0, 0), &complete);
        EXPECT_TRUE(complete);
        EXPECT_EQ(document->elements().size(), 1u) << int(code);
    }
    EXPECT_TRUE(loads(PenFileBuilder().descriptor().coordinate(0, 0).raw({0xFF})));
    EXPECT_TRUE(loads(PenFileBuilder().descriptor().raw({0xFE, 0x3F})));
}

TEST_F(QpeParserTest, LengthOneStepsBackOntoItsCodeWhichReadsAsASecondDescriptor)
{
    EXPECT_FALSE(loads(PenFileBuilder().descriptor().raw({0x99, 0x01, 0x00, 0x00})));
    EXPECT_NE(log().find("SEVERE multipe file descriptors found\tQpeParser::parse()\n"),
              std::string::npos);
}

TEST_F(QpeParserTest, StatusBitsStartStrokesAndLayers)
{
    PenFileBuilder file;
    file.descriptor().coordinate(0, 0).coordinate(10, 10);
    file.status(0x01).status(0x00).coordinate(20, 20);
    file.status(0x80).coordinate(30, 30).coordinate(40, 40);
    auto document = parse(file);
    ASSERT_EQ(document->elements().size(), 2u);
    EXPECT_EQ(document->elements()[0].elements().size(), 2u);
    EXPECT_EQ(document->elements()[0].elements()[0].elements().size(), 2u);
    EXPECT_EQ(document->elements()[1].elements().size(), 1u);
    EXPECT_EQ(document->elements()[1].elements()[0].elements().size(), 2u);
}

TEST_F(QpeParserTest, RepeatedStrokeBreaksEndOnlyOneStrokeAndResetPressureOnce)
{
    PenFileBuilder file;
    file.descriptor().pressure(1, 400).coordinate(0, 0);
    file.status(0x01).pressure(1, 800).coordinate(5, 5).status(0x01).coordinate(6, 6);
    auto document = parse(file);
    const Layer &layer = document->elements().at(0);
    ASSERT_EQ(layer.elements().size(), 2u);
    // The points after the first break share one stroke, and the second break kept 200.
    ASSERT_EQ(layer.elements()[1].elements().size(), 2u);
    EXPECT_EQ(pointAt(*document, 0, 1, 0).pressure.value(), 200u);
    EXPECT_EQ(pointAt(*document, 0, 1, 1).pressure.value(), 200u);
}

TEST_F(QpeParserTest, AFirstCoordinateStartsALayerWhateverCameBefore)
{
    auto document = parse(
        PenFileBuilder().descriptor().status(0x01).status(0x80).coordinate(1, 1).coordinate(2, 2));
    ASSERT_EQ(document->elements().size(), 1u);
    EXPECT_EQ(document->elements()[0].elements()[0].elements().size(), 2u);
}

TEST_F(QpeParserTest, PressureAndTiltCorrectOnlyAStrokesFirstPoint)
{
    PenFileBuilder file;
    file.descriptor().coordinate(0, 0).pressure(5, 2000).tilt(-3, 7).coordinate(1, 1);
    file.pressure(1, 4000).tilt(9, 9);
    auto document = parse(file);
    EXPECT_EQ(pointAt(*document, 0, 0, 0).pressure.value(), 500u);
    EXPECT_EQ(pointAt(*document, 0, 0, 0).xtilt.value(), -3);
    EXPECT_EQ(pointAt(*document, 0, 0, 0).ytilt.value(), 7);
    EXPECT_EQ(pointAt(*document, 0, 0, 1).pressure.value(), 500u);
    EXPECT_EQ(pointAt(*document, 0, 0, 1).xtilt.value(), -3);
}

TEST_F(QpeParserTest, TimestampsSetTheLastPointAndFollowingOnes)
{
    PenFileBuilder file;
    file.descriptor().coordinate(0, 0).timestamp(0x11, 0x0080FF).coordinate(1, 1);
    file.timestamp(0x12, 0x123456);
    auto document = parse(file);
    EXPECT_EQ(pointAt(*document, 0, 0, 0).timestamp.value(), 33023u);
    EXPECT_EQ(pointAt(*document, 0, 0, 1).timestamp.value(), 0u);
    auto second = parse(PenFileBuilder().descriptor().timestamp(0x11, 0xFFFFFF).coordinate(0, 0));
    EXPECT_EQ(pointAt(*second, 0, 0, 0).timestamp.value(), 16777215u);
}

TEST_F(QpeParserTest, PressureAlgorithmTypes)
{
    auto unsigned14 = parse(PenFileBuilder().descriptor().pressure(1, 0xFFFF).coordinate(0, 0));
    EXPECT_EQ(pointAt(*unsigned14, 0, 0, 0).pressure.value(), 16383u);
    auto signedPositive = parse(PenFileBuilder().descriptor().pressure(6, 0x1234).coordinate(0, 0));
    EXPECT_EQ(pointAt(*signedPositive, 0, 0, 0).pressure.value(), 0x1234u);
    // The point's pressure is unsigned: a negative reading is stored as no pressure.
    auto negative = parse(PenFileBuilder().descriptor().pressure(6, 0x8000).coordinate(0, 0));
    EXPECT_EQ(pointAt(*negative, 0, 0, 0).pressure.value(), 0u);
    auto corrected = parse(PenFileBuilder().descriptor().coordinate(0, 0).pressure(6, 0xFFFF));
    EXPECT_EQ(pointAt(*corrected, 0, 0, 0).pressure.value(), 0u);
}

TEST_F(QpeParserTest, PointsAboveTheSheetAreDroppedWithoutStartingAStroke)
{
    auto document = parse(PenFileBuilder().descriptor().coordinate(5, -3).coordinate(5, -2));
    ASSERT_EQ(document->elements().size(), 1u);
    ASSERT_EQ(document->elements()[0].elements()[0].elements().size(), 1u);
    EXPECT_DOUBLE_EQ(pointAt(*document, 0, 0, 0).y.value(), 0.1);
    EXPECT_TRUE(parse(PenFileBuilder().descriptor().coordinate(5, -3))->isEmpty());
}

TEST_F(QpeParserTest, CoordinatesAreSignedAndHalfAStepOff)
{
    auto document = parse(PenFileBuilder().descriptor().coordinate(-32768, 32767));
    EXPECT_EQ(pointAt(*document, 0, 0, 0).x.value(), (-32768 + 5.0) / 10.0);
    EXPECT_EQ(pointAt(*document, 0, 0, 0).y.value(), (32767 + 2.5) / 5.0);
}

struct Rejection
{
    const char *name;
    std::vector<unsigned char> bytes;
    const char *log;
};

void PrintTo(const Rejection &rejection, std::ostream *out)
{
    *out << rejection.name;
}

class QpeParserRejection : public QpeParserTest, public ::testing::WithParamInterface<Rejection>
{ };

TEST_P(QpeParserRejection, IsNotCompleteAndLogsItsReason)
{
    const Rejection &rejection = GetParam();
    PenFileBuilder file;
    for (unsigned char byte : rejection.bytes)
        file.raw({byte});
    EXPECT_FALSE(loads(file));
    // Strip the time and thread id: "[date time] [tid] ".
    std::string lines;
    std::string text = log();
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        const size_t body = line.find("] ", line.find("] ") + 2);
        lines += line.substr(body + 2) + "\n";
        start = end + 1;
    }
    EXPECT_EQ(lines, rejection.log);
}

const char kBadTag[]
    = "SEVERE bad packet tag: 1 expected for file descriptor\tFileDescriptor::readFromStream()\n"
      "SEVERE invalid file descriptor\tQpeParser::parse()\n";
const char kInvalidDescriptor[] = "SEVERE invalid file descriptor\tQpeParser::parse()\n";

INSTANTIATE_TEST_SUITE_P(
    EveryFailure, QpeParserRejection,
    ::testing::Values(
        Rejection {"EmptyFile", {}, kBadTag},
        Rejection {"FirstByteNotOne", {0x61, 0x06, 0, 2, 0, 0}, kBadTag},
        Rejection {"CoordinateFormatNotTwo",
                   {0x01, 0x06, 0, 3, 0, 0},
                   "SEVERE Invalid coordinate format - currently only cooridnates are supported"
                   "\tFileDescriptor::readFromStream()\n"
                   "SEVERE invalid file descriptor\tQpeParser::parse()\n"},
        Rejection {"DescriptorLengthNotSix", {0x01, 0x07, 0, 2, 0, 0, 0}, kInvalidDescriptor},
        Rejection {"EndsAfterFirstByte", {0x01}, kInvalidDescriptor},
        Rejection {"SecondDescriptor",
                   {0x01, 0x06, 0, 2, 0, 0, 0x01, 0x06, 0, 2, 0, 0},
                   "SEVERE multipe file descriptors found\tQpeParser::parse()\n"},
        Rejection {"UnknownPressureType",
                   {0x01, 0x06, 0, 2, 0, 0, 0x64, 0x06, 0x02, 0, 0, 0},
                   "WARNING invalid pressure algorithm type\tPressureData::readFromStream()\n"},
        Rejection {
            "KnownPacketWithWrongLength", {0x01, 0x06, 0, 2, 0, 0, 0x61, 0x07, 0, 0, 0, 0, 0}, ""},
        Rejection {"StatusWithWrongLength", {0x01, 0x06, 0, 2, 0, 0, 0xF1, 0x06, 0, 0, 0, 0}, ""}),
    [](const ::testing::TestParamInfo<Rejection> &info) { return info.param.name; });

TEST_F(QpeParserTest, FilesThatCannotBeOpenedOrAreNoRegularFilesFailQuietly)
{
    const std::string pipe = m_directory.file("pipe.qpe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string &path :
         {m_directory.file("missing.qpe"), m_directory.path(), pipe, std::string("/dev/zero")}) {
        // A pipe would block a plain open until a writer comes; it must not.
        QpeParser parser(fromUtf8(path));
        EXPECT_FALSE(parser.load()) << path;
        EXPECT_FALSE(parser.document()->complete().value());
        EXPECT_FALSE(parser.errorText().empty()) << path;
    }
    EXPECT_EQ(log(), "");
}

// Reads through a seam that fails, comes up short or waits where a test wants it to.
class FaultyReads
{
public:
    explicit FaultyReads(FileReadFunction function) { setFileReadFunction(std::move(function)); }
    ~FaultyReads() { setFileReadFunction({}); }
};

class QpeParserReadErrorTest : public QpeParserTest
{
protected:
    void SetUp() override
    {
        QpeParserTest::SetUp();
        Synth::SketchOptions options;
        options.points = 20000;
        const auto bytes = Synth::encodePenFile(Synth::generateSketch(options));
        m_path = m_directory.file("sketch.qpe");
        TestSupport::writeFile(m_path, std::string(bytes.begin(), bytes.end()));
        m_points = options.points;
    }
    static size_t pointCount(const Document &document)
    {
        size_t points = 0;
        for (const Layer &layer : document.elements())
            for (const Stroke &stroke : layer.elements())
                points += stroke.elements().size();
        return points;
    }

    std::string m_path;
    size_t m_points = 0;
};

TEST_F(QpeParserReadErrorTest, AFailingOrShrinkingReadIsNeverAWholeSketch)
{
    struct Fault
    {
        std::int64_t from;
        long result;
        int error;
        const char *reason;
    };
    for (const Fault &fault :
         {Fault {0, -1, EIO, "read error at offset 0: Input/output error"},
          Fault {65536, -1, EIO, "read error at offset 65536: Input/output error"},
          Fault {65536, -1, ENODEV, "read error at offset 65536: No such device"},
          Fault {65536, 0, 0, "read error at offset 65536: the file became shorter"}}) {
        std::filesystem::remove("nivo.log");
        FaultyReads faulty([&](int fd, void *buffer, size_t count, std::int64_t offset,
                               const std::atomic<bool> *) -> long {
            if (offset >= fault.from) {
                errno = fault.error;
                return fault.result;
            }
            return ::pread(fd, buffer, count, offset);
        });
        QpeParser parser(fromUtf8(m_path));
        EXPECT_FALSE(parser.load()) << fault.reason;
        EXPECT_FALSE(parser.document()->complete().value());
        EXPECT_EQ(parser.errorText().rfind(fault.reason, 0), 0u) << parser.errorText();
        EXPECT_NE(log().find(fault.reason), std::string::npos) << log();
    }
    // The same file read without faults is whole.
    QpeParser parser(fromUtf8(m_path));
    ASSERT_TRUE(parser.load());
    EXPECT_EQ(pointCount(*parser.document()), m_points);
}

TEST_F(QpeParserTest, StopBeforeParsingLeavesTheDocumentIncomplete)
{
    const auto bytes = PenFileBuilder().descriptor().coordinate(1, 1).bytes();
    QpeParser parser(bytes.data(), bytes.size());
    parser.stop();
    EXPECT_TRUE(parser.parse());
    EXPECT_FALSE(parser.document()->complete().value());
    EXPECT_TRUE(parser.document()->isEmpty());
}

// The parse waits inside its second read until another thread has asked it to stop: the
// stop lands mid-file however fast or slow the machine is.
TEST_F(QpeParserReadErrorTest, StopFromAnotherThreadEndsAParseEarly)
{
    std::atomic<bool> reading {false};
    FaultyReads waiting([&](int fd, void *buffer, size_t count, std::int64_t offset,
                            const std::atomic<bool> *stopRequested) -> long {
        if (offset > 0) {
            reading = true;
            while (!stopRequested->load())
                std::this_thread::yield();
        }
        return ::pread(fd, buffer, count, offset);
    });
    QpeParser parser(fromUtf8(m_path));
    std::thread stopper([&] {
        while (!reading.load())
            std::this_thread::yield();
        parser.stop();
    });
    EXPECT_TRUE(parser.parse());
    stopper.join();
    EXPECT_GT(pointCount(*parser.document()), 0u);
    EXPECT_LT(pointCount(*parser.document()), m_points);
}

TEST_F(QpeParserTest, FileAndMemoryReadsAgreeAcrossBufferBoundaries)
{
    Synth::SketchOptions options;
    options.points = 20000;
    options.layers = 3;
    std::vector<unsigned char> bytes = Synth::encodePenFile(Synth::generateSketch(options));
    // Unknown packets that skip across the reader's buffer boundaries.
    PenFileBuilder padding;
    padding.raw({0xF9, 0xFF});
    for (int i = 0; i < 63 * 216 - 2; ++i)
        padding.raw({static_cast<unsigned char>(i & 0xFF)});
    // Insert at packet boundaries near two offsets, found by walking the framing.
    std::vector<size_t> boundaries;
    for (size_t at = 0; at < bytes.size(); at += decodePacketLength(bytes[at + 1]))
        boundaries.push_back(at);
    for (size_t wanted : {size_t(130000), size_t(70000)}) {
        const size_t at = *std::lower_bound(boundaries.begin(), boundaries.end(), wanted);
        bytes.insert(bytes.begin() + static_cast<long>(at), padding.bytes().begin(),
                     padding.bytes().end());
    }
    const std::string path = m_directory.file("big.qpe");
    TestSupport::writeFile(path, std::string(bytes.begin(), bytes.end()));

    QpeParser fromMemory(bytes.data(), bytes.size());
    QpeParser fromFile(fromUtf8(path));
    ASSERT_TRUE(fromMemory.load());
    ASSERT_TRUE(fromFile.load());
    const Document &a = *fromMemory.document();
    const Document &b = *fromFile.document();
    ASSERT_EQ(a.elements().size(), b.elements().size());
    for (size_t l = 0; l < a.elements().size(); ++l) {
        ASSERT_EQ(a.elements()[l].elements().size(), b.elements()[l].elements().size());
        for (size_t s = 0; s < a.elements()[l].elements().size(); ++s) {
            const auto &pa = a.elements()[l].elements()[s].elements();
            const auto &pb = b.elements()[l].elements()[s].elements();
            ASSERT_EQ(pa.size(), pb.size());
            for (size_t p = 0; p < pa.size(); ++p) {
                ASSERT_EQ(pa[p].x.value(), pb[p].x.value());
                ASSERT_EQ(pa[p].timestamp.value(), pb[p].timestamp.value());
            }
        }
    }
}

TEST_F(QpeParserTest, GeneratedSketchesReadBackSampleForSample)
{
    Synth::SketchOptions options;
    options.seed = 42;
    options.points = 5000;
    options.layers = 3;
    // A drawn sketch, and one of many layers of a single tap each.
    for (const Synth::SynthSketch &sketch :
         {Synth::generateSketch(options), Synth::generateDotLayers(42, 300)}) {
        const std::vector<unsigned char> bytes = Synth::encodePenFile(sketch);
        QpeParser parser(bytes.data(), bytes.size());
        ASSERT_TRUE(parser.load());
        const Document &document = *parser.document();
        ASSERT_EQ(document.elements().size(), sketch.layers.size());
        for (size_t l = 0; l < sketch.layers.size(); ++l) {
            const auto &strokes = sketch.layers[l].strokes;
            ASSERT_EQ(document.elements()[l].elements().size(), strokes.size());
            for (size_t s = 0; s < strokes.size(); ++s) {
                const auto &points = document.elements()[l].elements()[s].elements();
                ASSERT_EQ(points.size(), strokes[s].samples.size());
                for (size_t p = 0; p < points.size(); ++p) {
                    const Synth::Sample &sample = strokes[s].samples[p];
                    EXPECT_NEAR(points[p].x.value(), sample.x, 0.051);
                    EXPECT_NEAR(points[p].y.value(), sample.y, 0.101);
                    EXPECT_EQ(points[p].pressure.value(), static_cast<unsigned>(sample.pressure));
                    EXPECT_EQ(points[p].timestamp.value(), sample.timeMs);
                    // Tilt is sent every fourth sample; the others carry the last one sent.
                    const Synth::Sample &tilted = strokes[s].samples[p - p % 4];
                    EXPECT_EQ(points[p].xtilt.value(), tilted.tiltX);
                    EXPECT_EQ(points[p].ytilt.value(), tilted.tiltY);
                }
            }
        }
    }
}

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
// Sanitizers reserve more address space than any limit here would allow.
TEST_F(QpeParserTest, ASketchTooLargeForTheMemoryIsRefusedNotAnAbort)
{
    Synth::SketchOptions options;
    options.points = 2000000;
    const std::vector<unsigned char> bytes = Synth::encodePenFile(Synth::generateSketch(options));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Room for a few tens of megabytes more than the process holds now: far less than
        // the document of two million points needs.
        long pages = 0;
        if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1)
                pages = 0;
            std::fclose(statm);
        }
        const rlim_t room = static_cast<rlim_t>(pages) * ::sysconf(_SC_PAGESIZE) + (32 << 20);
        const rlimit limit {room, room};
        ::setrlimit(RLIMIT_AS, &limit);
        QpeParser parser(bytes.data(), bytes.size());
        const bool loaded = parser.load();
        const bool refused = !loaded && parser.errorText().starts_with("too large to open")
            && !parser.document()->complete().value();
        ::_exit(refused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
#endif

// Hostile pen files: each gives a clear verdict, never a crash, a hang or a giant allocation.
TEST_F(QpeParserTest, HostilePenFilesAreHarmless)
{
    Synth::SketchOptions options;
    options.points = 300;
    options.layers = 2;
    const std::vector<unsigned char> whole = Synth::encodePenFile(Synth::generateSketch(options));
    QpeParser full(whole.data(), whole.size());
    ASSERT_TRUE(full.load());
    size_t total = 0;
    for (const Layer &layer : full.document()->elements())
        for (const Stroke &stroke : layer.elements())
            total += stroke.elements().size();
    auto points = [](const Document &document) {
        size_t count = 0;
        for (const Layer &layer : document.elements())
            for (const Stroke &stroke : layer.elements())
                count += stroke.elements().size();
        return count;
    };

    // Cut at every offset of the first 200 bytes and inside the last packets: from the
    // descriptor's fourth byte on, everything before the cut is kept.
    std::vector<size_t> cuts;
    for (size_t at = 0; at <= 200; ++at)
        cuts.push_back(at);
    for (size_t back = 1; back <= 12; ++back)
        cuts.push_back(whole.size() - back);
    size_t previous = 0;
    for (size_t at : cuts) {
        QpeParser parser(whole.data(), at);
        const bool loaded = parser.load();
        EXPECT_EQ(loaded, at >= 4) << "cut at " << at;
        if (!loaded)
            continue;
        const size_t kept = points(*parser.document());
        // Twelve bytes hold at most two coordinate packets.
        EXPECT_GE(kept, at <= 200 ? previous : total - 2) << "cut at " << at;
        EXPECT_LE(kept, total);
        previous = kept;
    }

    // Random bytes after a valid descriptor and on their own: any verdict, but in bounds.
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<unsigned char> bytes(1 + random() % 3000);
        for (unsigned char &byte : bytes)
            byte = static_cast<unsigned char>(random());
        if (round % 2 == 0)
            bytes.insert(bytes.begin(), {0x01, 0x06, 0x00, 0x02, 0x00, 0x00});
        QpeParser parser(bytes.data(), bytes.size());
        parser.load();
        EXPECT_LE(points(*parser.document()), bytes.size() / 6);
        const Document &document = *parser.document();
        if (!document.isEmpty()) {
            // The format's extremes stay within a few sheets of the receiver.
            EXPECT_GE(document.topLeft().value().x.value(), -3300);
            EXPECT_LE(document.bottomRight().value().x.value(), 3300);
            EXPECT_LE(document.bottomRight().value().y.value(), 6600);
        }
    }
}
