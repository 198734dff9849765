// The pen-file reader: packet decoding, stroke and layer building, every rejection, stop.
#include "ink/QpeParser.h"

#include "PenFileBuilder.h"
#include "SketchGenerator.h"
#include "TempDirectory.h"
#include "ink/TextCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

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

TEST_F(QpeParserTest, EndsOfFileBetweenPacketsLoadAndAfterAKnownTagFail)
{
    bool complete = false;
    auto document = parse(PenFileBuilder().descriptor(), &complete);
    EXPECT_TRUE(complete);
    EXPECT_TRUE(document->isEmpty());
    EXPECT_TRUE(loads(PenFileBuilder().descriptor().coordinate(1, 1)));
    for (unsigned char tag : {0x11, 0x31, 0x61, 0x64, 0x65, 0xC2, 0xF1})
        EXPECT_FALSE(loads(PenFileBuilder().descriptor().raw({tag}))) << int(tag);
    EXPECT_EQ(log(), "");
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
        Rejection {"DescriptorCutShort", {0x01, 0x06, 0, 2}, kInvalidDescriptor},
        Rejection {"SecondDescriptor",
                   {0x01, 0x06, 0, 2, 0, 0, 0x01, 0x06, 0, 2, 0, 0},
                   "SEVERE multipe file descriptors found\tQpeParser::parse()\n"},
        Rejection {"UnknownPressureType",
                   {0x01, 0x06, 0, 2, 0, 0, 0x64, 0x06, 0x02, 0, 0, 0},
                   "WARNING invalid pressure algorithm type\tPressureData::readFromStream()\n"},
        Rejection {
            "KnownPacketWithWrongLength", {0x01, 0x06, 0, 2, 0, 0, 0x61, 0x07, 0, 0, 0, 0, 0}, ""},
        Rejection {"StatusWithWrongLength", {0x01, 0x06, 0, 2, 0, 0, 0xF1, 0x06, 0, 0, 0, 0}, ""},
        Rejection {"KnownTagAsLastByte", {0x01, 0x06, 0, 2, 0, 0, 0x65}, ""},
        Rejection {
            "CoordinateCutShort", {0x01, 0x06, 0, 2, 0, 0, 0x61, 0x06, 0x00, 0x10, 0x00}, ""},
        Rejection {"DateCutShort", {0x01, 0x06, 0, 2, 0, 0, 0x31, 0x09, 1, 2, 3}, ""}),
    [](const ::testing::TestParamInfo<Rejection> &info) { return info.param.name; });

TEST_F(QpeParserTest, FileThatCannotBeOpenedFailsQuietly)
{
    QpeParser parser(fromUtf8(m_directory.file("missing.qpe")));
    EXPECT_FALSE(parser.parse());
    EXPECT_FALSE(parser.document()->complete().value());
    QpeParser folder(fromUtf8(m_directory.path()));
    EXPECT_FALSE(folder.load());
    EXPECT_EQ(log(), "");
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

TEST_F(QpeParserTest, StopFromAnotherThreadEndsAParseEarly)
{
    Synth::SketchOptions options;
    options.points = 400000;
    const std::vector<unsigned char> bytes = Synth::encodePenFile(Synth::generateSketch(options));
    for (int round = 0; round < 20; ++round) {
        QpeParser parser(bytes.data(), bytes.size());
        std::atomic<bool> started {false};
        std::thread stopper([&] {
            while (!started.load())
                std::this_thread::yield();
            parser.stop();
        });
        started = true;
        EXPECT_TRUE(parser.parse());
        stopper.join();
        size_t points = 0;
        for (const Layer &layer : parser.document()->elements())
            for (const Stroke &stroke : layer.elements())
                points += stroke.elements().size();
        EXPECT_LT(points, options.points);
    }
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
