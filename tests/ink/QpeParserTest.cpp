// The pen-file reader: packet decoding, stroke and layer building, every rejection, stop.
#include "ink/QpeParser.h"

#include "InkText.h"
#include "PenFileBuilder.h"
#include "SketchGenerator.h"
#include "TempDirectory.h"
#include "ink/TextCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
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
    EXPECT_EQ(InkText::points(*document),
              "10.5 40.5 0 1024 0 0 0, 11.5 42.5 0 1024 0 0 0 / 30.5 20.5 0 0 0 0 0");
    EXPECT_EQ(InkText::point(document->topLeft().value()), "10.5 20.5 0 0 0 0 0");
    EXPECT_EQ(InkText::point(document->bottomRight().value()), "30.5 42.5 0 0 0 0 0");
    EXPECT_EQ(log(), "");
}

// Whole files: how packets are framed and what each one does to the points, strokes and
// layers. Coordinates read as (x + 5) / 10 and (y + 2.5) / 5; pressure of type 1 and 5 is a
// quarter of the reading, of type 6 signed and taken as it is.
TEST_F(QpeParserTest, PacketsBuildPointsStrokesAndLayers)
{
    const auto pen = [] { return PenFileBuilder().descriptor(); };
    struct Case
    {
        const char *name;
        PenFileBuilder file;
        const char *points;
        bool quiet = true;
    };
    std::vector<Case> cases = {
        {"only a descriptor", pen(), ""},
        {"descriptor ending after its coordinate format", PenFileBuilder().raw({1, 6, 0, 2}), ""},
        {"descriptor length as 1 x 6^1",
         PenFileBuilder().raw({1, 0x41, 0, 2, 0, 0}).coordinate(1, 1), "0.6 0.7 0 0 0 0 0"},
        {"last packet one byte", pen().coordinate(0, 0).raw({0xFF}), "0.5 0.5 0 0 0 0 0", false},
        {"last packet without its body", pen().raw({0xFE, 0x3F}), "", false},
        {"status bits start strokes and layers",
         pen()
             .coordinate(0, 0)
             .coordinate(10, 10)
             .status(0x01)
             .status(0x00)
             .coordinate(20, 20)
             .status(0x80)
             .coordinate(30, 30)
             .coordinate(40, 40),
         "0.5 0.5 0 0 0 0 0, 1.5 2.5 0 0 0 0 0 / 2.5 4.5 0 0 0 0 0 | 3.5 6.5 0 0 0 0 0, "
         "4.5 8.5 0 0 0 0 0"},
        // The 800 after the first point corrects it; the points after the first break share
        // one stroke, and the second break keeps 200.
        {"repeated breaks end one stroke and reset the pressure once",
         pen()
             .pressure(1, 400)
             .coordinate(0, 0)
             .status(0x01)
             .pressure(1, 800)
             .coordinate(5, 5)
             .status(0x01)
             .coordinate(6, 6),
         "0.5 0.5 0 200 0 0 0 / 1 1.5 0 200 0 0 0, 1.1 1.7 0 200 0 0 0"},
        {"a first coordinate starts a layer whatever came before",
         pen().status(0x01).status(0x80).coordinate(1, 1).coordinate(2, 2),
         "0.6 0.7 0 0 0 0 0, 0.7 0.9 0 0 0 0 0"},
        {"pressure and tilt correct only a stroke's first point",
         pen()
             .coordinate(0, 0)
             .pressure(5, 2000)
             .tilt(-3, 7)
             .coordinate(1, 1)
             .pressure(1, 4000)
             .tilt(9, 9),
         "0.5 0.5 0 500 -3 7 0, 0.6 0.7 0 500 -3 7 0"},
        {"timestamps set the last point",
         pen()
             .coordinate(0, 0)
             .timestamp(0x11, 0x0080FF)
             .coordinate(1, 1)
             .timestamp(0x12, 0x123456),
         "0.5 0.5 0 0 0 0 33023, 0.6 0.7 0 0 0 0 0"},
        {"a timestamp before the first point", pen().timestamp(0x11, 0xFFFFFF).coordinate(0, 0),
         "0.5 0.5 0 0 0 0 16777215"},
        {"pressure type 1 has 14 bits", pen().pressure(1, 0xFFFF).coordinate(0, 0),
         "0.5 0.5 0 16383 0 0 0"},
        {"pressure type 6", pen().pressure(6, 0x1234).coordinate(0, 0), "0.5 0.5 0 4660 0 0 0"},
        // The point's pressure is unsigned: a negative reading is stored as no pressure.
        {"negative pressure", pen().pressure(6, 0x8000).coordinate(0, 0), "0.5 0.5 0 0 0 0 0"},
        {"negative correction", pen().coordinate(0, 0).pressure(6, 0xFFFF), "0.5 0.5 0 0 0 0 0"},
        {"points above the sheet start no stroke", pen().coordinate(5, -3).coordinate(5, -2),
         "1 0.1 0 0 0 0 0"},
        {"only a point above the sheet", pen().coordinate(5, -3), ""},
        {"coordinates are signed", pen().coordinate(-32768, 32767), "-3276.3 6553.9 0 0 0 0 0"},
    };
    // An unknown packet of code 0x85 is 5 x 36 = 180 bytes long; its body looks like
    // coordinates.
    PenFileBuilder skipped = pen().raw({0xF7, 0x85});
    for (int i = 0; i < 178; ++i)
        skipped.raw({0x61});
    cases.push_back(
        {"unknown packet 5 x 6^2 long", skipped.coordinate(100, 100), "10.5 20.5 0 0 0 0 0"});
    // Unknown packets of length zero consume only their two framing bytes.
    for (unsigned char code : {0x00, 0x40, 0x80, 0xC0})
        cases.push_back({"unknown packet of length 0", pen().raw({0x00, code}).coordinate(0, 0),
                         "0.5 0.5 0 0 0 0 0"});
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove("nivo.log");
        bool complete = false;
        const auto document = parse(c.file, &complete);
        EXPECT_TRUE(complete);
        EXPECT_EQ(InkText::points(*document), c.points);
        if (c.quiet) {
            EXPECT_EQ(log(), "");
        }
    }
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
            EXPECT_EQ(InkText::points(*document), "10.5 40.5 0 0 0 0 0");
            const std::string text = log();
            EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
            EXPECT_NE(text.find("WARNING (memory): packet cut short by the end of the file at "
                                "offset 12, dropped"),
                      std::string::npos)
                << text;
        }
    }
}

TEST_F(QpeParserTest, EveryRejectionIsIncompleteAndLogsItsReason)
{
    const std::string badTag = "SEVERE bad packet tag: 1 expected for file "
                               "descriptor\tFileDescriptor::readFromStream()\n"
                               "SEVERE invalid file descriptor\tQpeParser::parse()\n";
    const std::string invalid = "SEVERE invalid file descriptor\tQpeParser::parse()\n";
    const std::string twoDescriptors
        = "SEVERE multipe file descriptors found\tQpeParser::parse()\n";
    const struct
    {
        const char *name;
        std::vector<unsigned char> bytes;
        std::string log;
    } cases[] = {
        {"empty file", {}, badTag},
        {"first byte not 1", {0x61, 0x06, 0, 2, 0, 0}, badTag},
        {"coordinate format not 2",
         {0x01, 0x06, 0, 3, 0, 0},
         "SEVERE Invalid coordinate format - currently only cooridnates are supported"
         "\tFileDescriptor::readFromStream()\n"
             + invalid},
        {"descriptor length not 6", {0x01, 0x07, 0, 2, 0, 0, 0}, invalid},
        {"ends after the first byte", {0x01}, invalid},
        {"second descriptor", {0x01, 0x06, 0, 2, 0, 0, 0x01, 0x06, 0, 2, 0, 0}, twoDescriptors},
        // Length one steps back onto its own code, which then reads as a second descriptor.
        {"packet of length 1", {0x01, 0x06, 0, 2, 0, 0, 0x99, 0x01, 0x00, 0x00}, twoDescriptors},
        {"unknown pressure type",
         {0x01, 0x06, 0, 2, 0, 0, 0x64, 0x06, 0x02, 0, 0, 0},
         "WARNING invalid pressure algorithm type\tPressureData::readFromStream()\n"},
        {"known packet of the wrong length",
         {0x01, 0x06, 0, 2, 0, 0, 0x61, 0x07, 0, 0, 0, 0, 0},
         ""},
        {"status of the wrong length", {0x01, 0x06, 0, 2, 0, 0, 0xF1, 0x06, 0, 0, 0, 0}, ""},
    };
    for (const auto &rejection : cases) {
        SCOPED_TRACE(rejection.name);
        std::filesystem::remove("nivo.log");
        PenFileBuilder file;
        for (unsigned char byte : rejection.bytes)
            file.raw({byte});
        EXPECT_FALSE(loads(file));
        // Strip the time and thread id: "[date time] [tid] ".
        std::string lines;
        const std::string text = log();
        for (size_t start = 0; start < text.size();) {
            const size_t end = text.find('\n', start);
            const std::string line = text.substr(start, end - start);
            lines += line.substr(line.find("] ", line.find("] ") + 2) + 2) + "\n";
            start = end + 1;
        }
        EXPECT_EQ(lines, rejection.log);
    }
}

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
    EXPECT_EQ(InkText::pointCount(*parser.document()), m_points);
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
    EXPECT_GT(InkText::pointCount(*parser.document()), 0u);
    EXPECT_LT(InkText::pointCount(*parser.document()), m_points);
}

// The drawn sketch also gets unknown packets that skip across the reader's buffer
// boundaries, and is read from a file as well: both reads must agree.
TEST_F(QpeParserTest, GeneratedSketchesReadBackSampleForSampleFromFileAndMemory)
{
    Synth::SketchOptions options;
    options.seed = 42;
    options.points = 20000;
    options.layers = 3;
    PenFileBuilder padding;
    padding.raw({0xF9, 0xFF});
    for (int i = 0; i < 63 * 216 - 2; ++i)
        padding.raw({static_cast<unsigned char>(i & 0xFF)});
    // A drawn sketch, and one of many layers of a single tap each.
    const std::vector<Synth::SynthSketch> sketches
        = {Synth::generateSketch(options), Synth::generateDotLayers(42, 300)};
    for (const Synth::SynthSketch &sketch : sketches) {
        std::vector<unsigned char> bytes = Synth::encodePenFile(sketch);
        if (&sketch == &sketches.front()) {
            // At packet boundaries near two offsets, found by walking the framing.
            ASSERT_GT(bytes.size(), 140000u);
            std::vector<size_t> boundaries;
            for (size_t at = 0; at < bytes.size(); at += decodePacketLength(bytes[at + 1]))
                boundaries.push_back(at);
            for (size_t wanted : {size_t(130000), size_t(70000)}) {
                const size_t at = *std::lower_bound(boundaries.begin(), boundaries.end(), wanted);
                bytes.insert(bytes.begin() + static_cast<long>(at), padding.bytes().begin(),
                             padding.bytes().end());
            }
        }
        const std::string path = m_directory.file("sketch.qpe");
        TestSupport::writeFile(path, std::string(bytes.begin(), bytes.end()));
        QpeParser parser(bytes.data(), bytes.size());
        QpeParser fromFile(fromUtf8(path));
        ASSERT_TRUE(parser.load());
        ASSERT_TRUE(fromFile.load());
        EXPECT_TRUE(InkText::points(*parser.document()) == InkText::points(*fromFile.document()));
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
    // The work happens in a fresh run of this program: a forked copy would inherit the
    // arenas of earlier tests' threads, whose reserved room malloc falls back on beyond
    // any address-space limit.
    if (std::getenv("DRAFTBAY_OUT_OF_MEMORY_CHILD")) {
        // Every block of a page or more gets a mapping of its own, so that the generated
        // sketch's memory is gone once freed and the document cannot be read into it.
        ::mallopt(M_MMAP_THRESHOLD, 4096);
        Synth::SketchOptions options;
        options.points = 2000000;
        const std::vector<unsigned char> bytes
            = Synth::encodePenFile(Synth::generateSketch(options));
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
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::setenv("DRAFTBAY_OUT_OF_MEMORY_CHILD", "1", 1);
        ::execl("/proc/self/exe", "ink_tests",
                "--gtest_filter=QpeParserTest.ASketchTooLargeForTheMemoryIsRefusedNotAnAbort",
                static_cast<char *>(nullptr));
        ::_exit(127);
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
    const size_t total = InkText::pointCount(*full.document());

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
        const size_t kept = InkText::pointCount(*parser.document());
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
        EXPECT_LE(InkText::pointCount(*parser.document()), bytes.size() / 6);
        const Document &document = *parser.document();
        if (!document.isEmpty()) {
            // The format's extremes stay within a few sheets of the receiver.
            EXPECT_GE(document.topLeft().value().x.value(), -3300);
            EXPECT_LE(document.bottomRight().value().x.value(), 3300);
            EXPECT_LE(document.bottomRight().value().y.value(), 6600);
        }
    }
}
