// The saved-document format: exact layout, reading tolerance, saving safety, cancellation.
#include "InkText.h"
#include "TempDirectory.h"
#include "ink/AtomicFile.h"
#include "ink/DocumentSerializer.h"
#include "ink/InkmlFileReader.h"
#include "ink/StrokeSerializer.h"
#include "ink/TextCodec.h"
#include "ink/XmlPrinter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <thread>

using namespace Nivo;
using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

class DocumentFormatTest : public ::testing::Test
{
protected:
    std::string path(const std::string &name) const { return m_directory.file(name); }

    // Saves, and has a strict XML 1.0 parser read what was saved.
    bool save(Document &document, const std::string &name, const InkMLDefinitions &definitions)
    {
        DocumentSerializer serializer(&document);
        const bool saved = serializer.saveFile(fromUtf8(path(name)), definitions);
        if (saved)
            expectStrictlyWellFormed(path(name));
        return saved;
    }
    static void expectStrictlyWellFormed(const std::string &file)
    {
        // xmllint is part of the test set-up; without it the check cannot be made here.
        if (std::system("command -v xmllint >/dev/null 2>&1") != 0)
            GTEST_FAIL() << "xmllint (libxml2-utils) is needed to check saved documents";
        const std::string command = "xmllint --noout '" + file + "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << readFile(file);
    }
    // Loads a file written with the given text.
    std::unique_ptr<Document> load(const std::string &text, bool *result = nullptr,
                                   InkMLDefinitions *definitions = nullptr)
    {
        writeFile(path("in.vmr"), text);
        auto document = std::make_unique<Document>();
        InkMLDefinitions scratch;
        DocumentSerializer serializer(document.get());
        const bool loaded
            = serializer.loadFile(fromUtf8(path("in.vmr")), definitions ? *definitions : scratch);
        if (result)
            *result = loaded;
        return document;
    }
    static std::string inkWith(const std::string &body)
    {
        return "<?xml version=\"1.0\" ?>\n<ink>\n" + body + "\n</ink>\n";
    }

    TestSupport::TempDirectory m_directory;
};

Stroke strokeOf(std::initializer_list<Point> points)
{
    Stroke stroke;
    for (const Point &point : points)
        stroke.add(point);
    return stroke;
}

} // namespace

TEST_F(DocumentFormatTest, WritesTheDocumentLayoutLineByLine)
{
    Document document;
    document.setAnnotation("tag", "Tom & Jerry's <b>");
    Layer outline;
    outline.setAnnotation("tag", "outline");
    outline.add(
        strokeOf({Point(12.5, 30, 0, 512, -3, 4, 1000), Point(13, 30.5, 0, 520, -3, 4, 1007)}));
    document.add(outline);
    Layer empty;
    empty.add(Stroke());
    document.add(empty);
    ASSERT_TRUE(save(document, "out.vmr", DefaultInkMLDefinitions()));
    EXPECT_EQ(readFile(path("out.vmr")),
              "<?xml version=\"1.0\" ?>\n"
              "<ink>\n"
              "    <definitions>\n"
              "        <traceFormat id=\"default\">\n"
              "            <channel name=\"X\" min=\"-3000\" max=\"3000\" units=\"0.1mm\" />\n"
              "            <channel name=\"Y\" min=\"0\" max=\"6000\" units=\"0.1mm\" />\n"
              "            <channel name=\"Pressure\" min=\"0\" max=\"10000\" units=\"none\" />\n"
              "            <channel name=\"xtilt\" min=\"-127\" max=\"128\" units=\"none\" />\n"
              "            <channel name=\"ytilt\" min=\"-127\" max=\"128\" units=\"none\" />\n"
              "            <channel name=\"timestamp\" min=\"0\" max=\"128\" units=\"0.1sec\" />\n"
              "        </traceFormat>\n"
              "        <context id=\"default-context\" traceFormatRef=\"#default\" />\n"
              "    </definitions>\n"
              "    <annotation type=\"tag\">Tom &amp; Jerry&apos;s &lt;b&gt;</annotation>\n"
              "    <tracegroup id=\"layer0\">\n"
              "        <annotation type=\"tag\">outline</annotation>\n"
              "        <trace contextRef=\"#default-context\">12.5 30 0 512 -3 4 1000,13 30.5 0 "
              "520 -3 4 1007</trace>\n"
              "    </tracegroup>\n"
              "    <tracegroup id=\"layer1\">\n"
              "        <trace contextRef=\"#default-context\"></trace>\n"
              "    </tracegroup>\n"
              "</ink>\n");
}

TEST_F(DocumentFormatTest, EmptyDocumentWithEmptyDefinitions)
{
    Document document;
    ASSERT_TRUE(save(document, "empty.vmr", InkMLDefinitions()));
    EXPECT_EQ(readFile(path("empty.vmr")),
              "<?xml version=\"1.0\" ?>\n<ink>\n    <definitions />\n</ink>\n");
    bool loaded = false;
    auto read = load(readFile(path("empty.vmr")), &loaded);
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(read->complete().value());
    EXPECT_TRUE(read->isEmpty());
}

TEST_F(DocumentFormatTest, TraceNumbersUseSixSignificantDigitsWhateverTheLocale)
{
    // Adopt the environment's locale (CI runs this under a comma-decimal locale).
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "");
    std::string text;
    StrokeSerializer::appendTraceText(
        text,
        strokeOf({Point(-4.37114e-07, 1234567.0, 0.1, 4294967295u, -128, 127, 16777215),
                  Point(1050.25, -0.0001, 1e-5, 0, 0, 0, 0)}));
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(
        text,
        "-4.37114e-07 1.23457e+06 0.1 4294967295 -128 127 16777215,1050.25 -0.0001 1e-05 0 0 0 0");
}

TEST_F(DocumentFormatTest, RoundTripKeepsLayersStrokesPointsAndAnnotations)
{
    Document document;
    document.setAnnotation("tag", "a \"quoted\"\ttag\nwith lines");
    document.setAnnotation("author", "Zoë");
    for (int l = 0; l < 3; ++l) {
        Layer layer;
        layer.setAnnotation("tag", "layer " + std::to_string(l));
        for (int s = 0; s < 4; ++s)
            layer.add(strokeOf({Point(12.5 + l, -30.25 * s, 0.5, 512, -3, 4, 1000 + s),
                                Point(-4.37114e-07, 2970, 0, 16383, 127, -128, 16777215)}));
        document.add(layer);
    }
    ASSERT_TRUE(save(document, "round.vmr", DefaultInkMLDefinitions()));
    InkmlFileReader reader(fromUtf8(path("round.vmr")));
    ASSERT_TRUE(reader.load());
    const Document &read = *reader.document();
    EXPECT_EQ(read.annotations(), document.annotations());
    EXPECT_EQ(InkText::points(read), InkText::points(document));
    ASSERT_EQ(read.elements().size(), 3u);
    for (size_t l = 0; l < 3; ++l)
        EXPECT_EQ(read.elements()[l].annotations(), document.elements()[l].annotations());
    EXPECT_EQ(read.topLeft().value().y.value(), -90.75);
    EXPECT_EQ(reader.definitions()->traceFormats().front().size(), 6u);
    EXPECT_EQ(reader.definitions()->contexts().size(), 1u);
}

TEST_F(DocumentFormatTest, TextsThatXmlCannotHoldAreCleanedAndReadBack)
{
    using namespace std::string_literals;
    Document document;
    document.setAnnotation("tag", "a\tpasted\x01 \x1f\x7f tag\0 with a NUL"s);
    document.setAnnotation("bytes",
                           "caf\xe9 \xef\xbf\xbe \xed\xa0\x80 \xf4\x90\x80\x80 ok \xc3\xa9");
    Layer layer;
    layer.setAnnotation("tag\x02", "layer\x0b\r\nname");
    layer.add(strokeOf({Point(1, 2, 0, 3, 0, 0, 0)}));
    document.add(layer);
    ASSERT_TRUE(save(document, "odd.vmr", DefaultInkMLDefinitions()));

    InkmlFileReader reader(fromUtf8(path("odd.vmr")));
    ASSERT_TRUE(reader.load());
    const auto &read = reader.document()->annotations();
    EXPECT_EQ(read.at("tag"), "a\tpasted \x7f tag with a NUL");
    const std::string fffd = "\xef\xbf\xbd";
    EXPECT_EQ(read.at("bytes"),
              "caf" + fffd + " " + fffd + " " + fffd + fffd + fffd + " " + fffd + fffd + fffd + fffd
                  + " ok \xc3\xa9");
    // Line breaks are kept as character references, so no reader normalises them.
    EXPECT_EQ(reader.document()->elements().at(0).annotations().at("tag"), "layer\r\nname");
}

TEST_F(DocumentFormatTest, SavingPieceByPieceWritesExactlyTheWholeTree)
{
    Document document;
    document.setAnnotation("tag", "pieces");
    for (int l = 0; l < 4; ++l) {
        Layer layer;
        if (l != 2)
            layer.setAnnotation("tag", "layer " + std::to_string(l));
        for (int s = 0; s < l; ++s)
            layer.add(strokeOf({Point(s, l, 0, 7, 1, 2, 3), Point(l, s, 0, 8, 1, 2, 4)}));
        document.add(layer);
    }
    const InkMLDefinitions none;
    const DefaultInkMLDefinitions standard;
    for (const InkMLDefinitions *definitions :
         {&none, static_cast<const InkMLDefinitions *>(&standard)}) {
        for (Document *shown : {&document, new Document}) {
            std::unique_ptr<Document> owned(shown == &document ? nullptr : shown);
            pugi::xml_document tree;
            ASSERT_TRUE(DocumentSerializer::buildXml(*shown, *definitions, tree));
            std::FILE *whole = std::tmpfile();
            std::FILE *pieces = std::tmpfile();
            ASSERT_TRUE(printXml(tree, whole));
            ASSERT_TRUE(DocumentSerializer::printStreaming(*shown, *definitions, pieces));
            auto contents = [](std::FILE *file) {
                std::string text(static_cast<size_t>(std::ftell(file)), '\0');
                std::rewind(file);
                EXPECT_EQ(std::fread(text.data(), 1, text.size(), file), text.size());
                std::fclose(file);
                return text;
            };
            const std::string expected = contents(whole);
            EXPECT_EQ(contents(pieces), expected);
            EXPECT_GT(expected.size(), 40u);
        }
    }
}

TEST_F(DocumentFormatTest, TraceTextIsReadTolerantly)
{
    auto document = load(inkWith(R"(<tracegroup id="layer0">
        <trace contextRef="#c">,,1 2,,3 4 5 6 7 8 9 10 11,12.9 -7.9 0 100 1 2 3,</trace>
        <trace contextRef="#c">
            5 5 0 1 1 1 1,
            6  6   0 1 1 1 1
        </trace>
        <trace contextRef="#c"><![CDATA[7 7]]></trace>
        <trace contextRef="#c">+1.5e2 abc 0x10 -5 9999999999 -3 -1</trace>
    </tracegroup>)"));
    ASSERT_TRUE(document->complete().value());
    EXPECT_EQ(InkText::shape(*document), "[3 2 1 1]");
    // Missing numbers are 0, numbers past the seventh are dropped.
    const std::string points = InkText::points(*document);
    EXPECT_EQ(points.substr(0, points.rfind(" / ")),
              "1 2 0 0 0 0 0, 3 4 5 6 7 8 9, 12.9 -7.9 0 100 1 2 3 / 5 5 0 1 1 1 1, "
              "6 6 0 1 1 1 1 / 7 7 0 0 0 0 0");
    const Point &odd = document->elements()[0].elements()[3].elements()[0];
    EXPECT_EQ(odd.x.value(), 150);
    EXPECT_EQ(odd.y.value(), 0);
    EXPECT_EQ(odd.z.value(), 0);
    EXPECT_EQ(odd.pressure.value(), static_cast<unsigned>(-5));
    EXPECT_EQ(odd.ytilt.value(), -3);
}

TEST_F(DocumentFormatTest, DropsWhatItCannotUseAndKeepsTheRest)
{
    auto document = load(inkWith(R"(
        <annotation type="tag">first</annotation>
        <annotation>no type</annotation>
        <annotation type="empty"></annotation>
        <annotation type="tag">second</annotation>
        <tracegroup id="layer7">
            <trace contextRef="#c"></trace>
            <trace>1 1</trace>
            <trace contextRef="#c"><b/>2 2</trace>
            <trace contextRef="#c">3 3</trace>
            <annotation type="tag">seven</annotation>
            <annotation type="">blank key</annotation>
        </tracegroup>
        <tracegroup id="layer2"><trace contextRef="#c">4 4</trace></tracegroup>
        <tracegroup id="Layer0"><trace contextRef="#c">5 5</trace><annotation type="tag">x</annotation></tracegroup>
        <tracegroup><trace contextRef="#c">6 6</trace></tracegroup>
        <definitions><context/></definitions>)"));
    ASSERT_TRUE(document->complete().value());
    EXPECT_EQ(document->annotations().size(), 1u);
    EXPECT_EQ(document->annotations().at("tag"), "second");
    EXPECT_EQ(InkText::shape(*document), "[1][1][][]");
    EXPECT_EQ(InkText::points(*document), "3 3 0 0 0 0 0 | 4 4 0 0 0 0 0 |  | ");
    const Layer &seven = document->elements()[0];
    EXPECT_EQ(seven.annotations().at("tag"), "seven");
    EXPECT_EQ(seven.annotations().at(""), "blank key");
    EXPECT_TRUE(document->elements()[2].annotations().empty());
}

TEST_F(DocumentFormatTest, RejectsFilesThatAreNotDocuments)
{
    for (const char *text :
         {"", "not xml", "<ink><tracegroup></ink>", "<?xml version=\"1.0\"?><other/>"}) {
        bool loaded = true;
        auto document = load(text, &loaded);
        EXPECT_FALSE(loaded) << text;
        EXPECT_FALSE(document->complete().value());
        EXPECT_TRUE(document->isEmpty());
    }
    InkmlFileReader missing(fromUtf8(path("missing.vmr")));
    EXPECT_FALSE(missing.load());
    EXPECT_FALSE(missing.errorText().empty());
    InkmlFileReader folder(fromUtf8(m_directory.path()));
    EXPECT_FALSE(folder.load());
}

TEST_F(DocumentFormatTest, CancelBeforeLoadingLeavesTheDocumentEmpty)
{
    Document document;
    document.add(Layer());
    ASSERT_TRUE(save(document, "one.vmr", InkMLDefinitions()));
    InkmlFileReader reader(fromUtf8(path("one.vmr")));
    reader.stop();
    EXPECT_FALSE(reader.load());
    EXPECT_TRUE(reader.document()->isEmpty());
    EXPECT_FALSE(reader.document()->complete().value());

    Document target;
    DocumentSerializer serializer(&target);
    serializer.cancel();
    InkMLDefinitions definitions;
    EXPECT_FALSE(serializer.loadFileNarrow(path("one.vmr"), definitions));
    EXPECT_TRUE(definitions.traceFormats().empty());
}

// Whenever the stop lands, the reader says so truthfully: complete with every layer, or not
// complete with fewer. (That a stop is heeded at all is checked above, without a race.)
TEST_F(DocumentFormatTest, StopFromAnotherThreadRacesTheLoadSafely)
{
    Document document;
    const size_t layers = 200;
    for (size_t l = 0; l < layers; ++l) {
        Layer layer;
        for (int s = 0; s < 50; ++s) {
            Stroke stroke;
            for (int p = 0; p < 10; ++p)
                stroke.add(Point(s + p, l, 0, 1, 1, 1, 1));
            layer.add(stroke);
        }
        document.add(layer);
    }
    ASSERT_TRUE(save(document, "many.vmr", DefaultInkMLDefinitions()));
    for (int round = 0; round < 12; ++round) {
        InkmlFileReader reader(fromUtf8(path("many.vmr")));
        std::atomic<bool> go {false};
        std::thread stopper([&] {
            while (!go.load())
                std::this_thread::yield();
            for (int spin = 0; spin < round * 100; ++spin)
                std::this_thread::yield();
            reader.stop();
        });
        go = true;
        const bool loaded = reader.load();
        stopper.join();
        EXPECT_EQ(loaded, reader.document()->complete().value());
        EXPECT_TRUE(loaded ? reader.document()->elements().size() == layers
                           : reader.document()->elements().size() < layers);
    }
}

// Hostile documents: each gives a clear result, never a crash, a hang or a file read that
// the document did not name.
TEST_F(DocumentFormatTest, HostileDocumentsAreHarmless)
{
    const std::string trace = "<tracegroup id=\"layer0\"><trace contextRef=\"#c\">";
    std::string deep;
    for (int i = 0; i < 10000; ++i)
        deep += "<tracegroup>";
    for (int i = 0; i < 10000; ++i)
        deep += "</tracegroup>";
    struct Case
    {
        const char *name;
        std::string text;
        bool loads;
        size_t points;
    };
    const Case cases[] = {
        {"billion laughs",
         "<?xml version=\"1.0\"?><!DOCTYPE ink [<!ENTITY a \"aaaaaaaaaa\">"
         "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">"
         "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]><ink><annotation type=\"tag\">&d;&d;&d;"
         "</annotation></ink>",
         true, 0},
        {"external entity",
         "<?xml version=\"1.0\"?><!DOCTYPE ink [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
         "<ink><annotation type=\"tag\">&x;</annotation></ink>",
         true, 0},
        {"10,000-deep nesting", "<ink>" + deep + "</ink>", true, 0},
        {"100 MB attribute",
         "<ink><tracegroup id=\"layer0\" junk=\"" + std::string(100 << 20, 'x')
             + "\"><trace contextRef=\"#c\">1 2 0 3 0 0 0</trace></tracegroup></ink>",
         true, 1},
        {"non-finite and huge numbers",
         "<ink>" + trace + "nan 2 0 3 0 0 0,inf -inf 0 3 0 0 0,1e308 -1e308 1e999 9e99 0 0 0"
             + "</trace></tracegroup></ink>",
         true, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        bool loaded = false;
        const auto document = load(c.text, &loaded);
        EXPECT_EQ(loaded, c.loads);
        size_t points = 0;
        for (const Layer &layer : document->elements())
            for (const Stroke &stroke : layer.elements())
                for (const Point &point : stroke.elements()) {
                    ++points;
                    EXPECT_TRUE(std::isfinite(point.x.value()) && std::isfinite(point.y.value())
                                && std::isfinite(point.z.value()));
                }
        EXPECT_EQ(points, c.points);
        for (const auto &[key, text] : document->annotations())
            EXPECT_EQ(text.find("root:"), std::string::npos) << "an external entity was read";
    }
}
