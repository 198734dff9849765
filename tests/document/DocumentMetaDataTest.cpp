// Loading sketch files by suffix, stopping a load from another thread, copies and merges.
#include "document/DocumentMetaData.h"

#include "DocumentTestSupport.h"
#include "SketchGenerator.h"
#include "TempDirectory.h"
#include "document/DocumentGraphicModel.h"
#include "ink/DocumentSerializer.h"

#include <QFile>

#include <atomic>
#include <thread>

using namespace TestSupport;

namespace {

class DocumentMetaDataTest : public SettingsFixture
{
protected:
    QString path(const std::string &name) const
    {
        return QString::fromStdString(m_directory.file(name));
    }
    QString writeSketch(const std::string &name, size_t points, int layers, std::uint64_t seed = 1)
    {
        Synth::SketchOptions options;
        options.points = points;
        options.layers = layers;
        options.seed = seed;
        EXPECT_TRUE(Synth::writeBytes(m_directory.file(name),
                                      Synth::encodePenFile(Synth::generateSketch(options))));
        return path(name);
    }
    QString writeDocument(const std::string &name, const Nivo::Document &document)
    {
        Nivo::Document copy = document;
        EXPECT_TRUE(Nivo::DocumentSerializer(&copy).saveFileNarrow(
            m_directory.file(name), Nivo::DefaultInkMLDefinitions()));
        return path(name);
    }

    TempDirectory m_directory;
};

size_t pointCount(const Nivo::Document &document)
{
    size_t points = 0;
    for (const Nivo::Layer &layer : document.elements())
        for (const Nivo::Stroke &stroke : layer.elements())
            points += stroke.elements().size();
    return points;
}

} // namespace

TEST_F(DocumentMetaDataTest, LoadsOnlyTheKnownSuffixes)
{
    const QString pen = writeSketch("sketch.qpe", 500, 2);
    const Nivo::Document saved = documentOf({{lineStroke({0, 0}, {10, 10}, 3, 100)}});
    const QString document = writeDocument("saved.vmr", saved);
    for (const char *suffix : {"qpe", "QPE", "eli", "ELI"}) {
        const QString copy = path(std::string("copy.") + suffix);
        ASSERT_TRUE(QFile::copy(pen, copy));
        DocumentMetaData metadata(copy);
        EXPECT_TRUE(metadata.load()) << suffix;
        EXPECT_EQ(pointCount(*metadata.document()), 500u);
        ASSERT_TRUE(metadata.model());
        EXPECT_FALSE(metadata.model()->pressureRendering());
        EXPECT_TRUE(metadata.definitions()->traceFormats().empty());
    }
    for (const char *suffix : {"vmr", "VMR", "inkml", "INKML"}) {
        const QString copy = path(std::string("copy.") + suffix);
        ASSERT_TRUE(QFile::copy(document, copy));
        DocumentMetaData metadata(copy);
        EXPECT_TRUE(metadata.load()) << suffix;
        EXPECT_EQ(pointCount(*metadata.document()), 3u);
        EXPECT_EQ(metadata.definitions()->contexts().size(), 1u);
    }
    for (const char *suffix : {"Qpe", "Inkml", "vMr", "txt"}) {
        const QString copy = path(std::string("odd.") + suffix);
        ASSERT_TRUE(QFile::copy(document, copy));
        DocumentMetaData metadata(copy);
        EXPECT_FALSE(metadata.load()) << suffix;
        EXPECT_FALSE(metadata.model());
    }
    DocumentMetaData broken(path("missing.qpe"));
    EXPECT_FALSE(broken.load());
}

TEST_F(DocumentMetaDataTest, PenDocumentsAreNormalisedForTheReceiverAngle)
{
    const QString pen = writeSketch("sketch.qpe", 300, 1);
    DocumentMetaData upright(pen);
    ASSERT_TRUE(upright.load());
    ASSERT_TRUE(settings().setAttribute("page_properties/page", "angle", "180"));
    DocumentMetaData turned(pen);
    ASSERT_TRUE(turned.load());
    const Nivo::Point &a = upright.document()->elements()[0].elements()[0].elements()[0];
    const Nivo::Point &b = turned.document()->elements()[0].elements()[0].elements()[0];
    // Half a turn with 3.14 for pi: within a few units of the mirrored point.
    EXPECT_NEAR(b.x.value(), -a.x.value(), 3);
    EXPECT_NEAR(b.y.value(), 2970 - a.y.value(), 3);
    EXPECT_NE(b.x.value(), a.x.value());
}

TEST_F(DocumentMetaDataTest, PressureCopyIsShiftedHalfAPageAndCanBeShiftedBack)
{
    DocumentMetaData source(writeSketch("sketch.qpe", 400, 2));
    ASSERT_TRUE(source.load());
    source.model()->rotate(45);
    source.model()->translate(10, 20);
    const MetadataPtr copy = source.createPressureCopy();
    ASSERT_TRUE(copy && copy->model());
    EXPECT_TRUE(copy->model()->pressureRendering());
    EXPECT_EQ(copy->model()->pageRect(), QRectF(-1050, -1485, 2100, 2970));
    EXPECT_EQ(copy->model()->rotation(), 45);
    EXPECT_EQ(copy->model()->offset(), QPointF(10, 20));
    EXPECT_EQ(copy->pageShift(), QPointF(0, -1485));
    const double sourceTop = source.document()->topLeft().value().y.value();
    EXPECT_DOUBLE_EQ(copy->document()->topLeft().value().y.value(), sourceTop - 1485);
    // The copy is deep: the source keeps its place.
    EXPECT_DOUBLE_EQ(source.document()->topLeft().value().y.value(), sourceTop);
    copy->undoPageShift();
    EXPECT_NEAR(copy->document()->topLeft().value().y.value(), sourceTop, 1e-9);
}

TEST_F(DocumentMetaDataTest, DocumentAsSeenIsTurnedAndInReceiverCoordinates)
{
    const Nivo::Document line = documentOf({{lineStroke({100, 1485}, {300, 1485}, 3, 100)}});
    DocumentMetaData source(writeDocument("line.vmr", line));
    ASSERT_TRUE(source.load());
    const MetadataPtr shown = source.createPressureCopy();
    shown->model()->rotate(90);
    const auto seen = shown->createDocumentAsSeen();
    const Nivo::Point &first = seen->elements()[0].elements()[0].elements()[0];
    // (100, 0) on the page turns to (0, 100), then back to receiver coordinates.
    EXPECT_NEAR(first.x.value(), 0, 1e-3);
    EXPECT_NEAR(first.y.value(), 1485 + 100, 1e-3);
    EXPECT_EQ(first.pressure.value(), 100u);
}

TEST_F(DocumentMetaDataTest, MergeJoinsCompleteDocumentsOnly)
{
    const Nivo::Document a
        = documentOf({{lineStroke({0, 0}, {10, 0}, 2, 1)}, {lineStroke({0, 5}, {10, 5}, 2, 1)}});
    const Nivo::Document b = documentOf({{lineStroke({50, 50}, {60, 60}, 4, 1)}});
    DocumentMetaData first(writeDocument("a.vmr", a));
    DocumentMetaData second(writeSketch("b.qpe", 100, 1));
    ASSERT_TRUE(first.load() && second.load());
    first.document()->setAnnotation("tag", "dropped");
    const MetadataPtr merged = first.merge(second);
    ASSERT_TRUE(merged);
    EXPECT_EQ(merged->path(), first.path());
    EXPECT_TRUE(merged->document()->complete().value());
    EXPECT_EQ(merged->document()->elements().size(), 3u);
    EXPECT_EQ(pointCount(*merged->document()), 4u + 100u);
    EXPECT_TRUE(merged->document()->annotations().empty());
    EXPECT_EQ(merged->model()->groups().size(), 3);
    EXPECT_EQ(merged->definitions()->traceFormats().size(), 1u);
    EXPECT_EQ(merged->definitions()->contexts().front().traceFormat.value(),
              &merged->definitions()->traceFormats().front());

    DocumentMetaData unloaded(path("never-loaded.qpe"));
    EXPECT_FALSE(first.merge(unloaded));
    second.document()->complete().set(false);
    EXPECT_FALSE(first.merge(second));
}

TEST_F(DocumentMetaDataTest, StopRacesTheLoadWithoutHarm)
{
    const QString pen = writeSketch("big.qpe", 200000, 3);
    int stopped = 0;
    for (int round = 0; round < 40; ++round) {
        DocumentMetaData metadata(pen);
        std::atomic<bool> started {false};
        std::thread stopper([&] {
            while (!started.load())
                std::this_thread::yield();
            for (int spin = 0; spin < round * 200; ++spin)
                std::this_thread::yield();
            metadata.stop();
        });
        started = true;
        const bool loaded = metadata.load();
        stopper.join();
        if (loaded) {
            EXPECT_EQ(pointCount(*metadata.document()), 200000u);
            EXPECT_TRUE(metadata.model());
        } else {
            ++stopped;
        }
    }
    EXPECT_GT(stopped, 0);
    // Stopping after the end of a load changes nothing.
    DocumentMetaData done(pen);
    ASSERT_TRUE(done.load());
    done.stop();
    EXPECT_TRUE(done.model());
}
