// Loading sketch files by suffix, stopping a load from another thread, copies and merges.
#include "document/DocumentMetaData.h"

#include "../ink/InkText.h"
#include "DocumentTestSupport.h"
#include "document/DocumentGraphicModel.h"
#include "ink/DocumentSerializer.h"
#include "ink/PenFileStream.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>
#include <unistd.h>

using namespace TestSupport;
using InkText::pointCount;

namespace {

class DocumentMetaDataTest : public SettingsFixture
{
protected:
    QString pen(const QString &name, size_t points, int layers)
    {
        EXPECT_TRUE(writeSketch(path(name), points, layers));
        return path(name);
    }
    QString saved(const QString &name, const Nivo::Document &document)
    {
        Nivo::Document copy = document;
        EXPECT_TRUE(Nivo::DocumentSerializer(&copy).saveFileNarrow(
            path(name).toStdString(), Nivo::DefaultInkMLDefinitions()));
        return path(name);
    }
};

} // namespace

TEST_F(DocumentMetaDataTest, LoadsTheKnownSuffixesInAnyCaseAndNormalisesPenFiles)
{
    const QString sketch = pen("sketch.qpe", 500, 2);
    const QString document = saved("saved.vmr", documentOf({{lineStroke({0, 0}, {9, 9}, 3, 1)}}));
    const auto load = [&](const QString &source, const QString &suffix, bool readable) {
        EXPECT_TRUE(QFile::copy(source, path("copy." + suffix)));
        auto metadata = std::make_unique<DocumentMetaData>(path("copy." + suffix));
        EXPECT_EQ(metadata->load(), readable) << suffix.toStdString();
        EXPECT_EQ(bool(metadata->model()), readable) << suffix.toStdString();
        return metadata;
    };
    for (const char *suffix : {"qpe", "QPE", "Qpe", "eli", "ELI", "eLi"}) {
        const auto metadata = load(sketch, suffix, true);
        ASSERT_TRUE(metadata->model());
        EXPECT_EQ(pointCount(*metadata->document()), 500u);
        EXPECT_FALSE(metadata->model()->pressureRendering());
    }
    for (const char *suffix : {"vmr", "VMR", "vMr", "inkml", "INKML", "Inkml"}) {
        const auto metadata = load(document, suffix, true);
        ASSERT_TRUE(metadata->model());
        EXPECT_EQ(pointCount(*metadata->document()), 3u);
        EXPECT_EQ(metadata->definitions()->contexts().size(), 1u);
    }
    for (const char *suffix : {"txt", "qpe2"})
        EXPECT_EQ(load(document, suffix, false)->errorText(),
                  "not a sketch file (.qpe, .eli, .vmr or .inkml)");
    DocumentMetaData missing(path("missing.qpe"));
    EXPECT_FALSE(missing.load());
    // The system's own words, in the language of the locale.
    EXPECT_EQ(missing.errorText(), QString::fromLocal8Bit(std::strerror(ENOENT)));

    // Pen files are turned for the receiver angle of the settings as they load.
    DocumentMetaData upright(sketch);
    ASSERT_TRUE(upright.load());
    ASSERT_TRUE(settings().setAttribute("page_properties/page", "angle", "180"));
    DocumentMetaData turned(sketch);
    ASSERT_TRUE(turned.load());
    const Nivo::Point &a = firstPoint(*upright.document());
    const Nivo::Point &b = firstPoint(*turned.document());
    // Half a turn with 3.14 for pi: within a few units of the mirrored point.
    EXPECT_NEAR(b.x.value(), -a.x.value(), 3);
    EXPECT_NEAR(b.y.value(), 2970 - a.y.value(), 3);
    EXPECT_NE(b.x.value(), a.x.value());
}

TEST_F(DocumentMetaDataTest, PressureCopyIsShiftedHalfAPageAndCanBeShiftedBack)
{
    DocumentMetaData source(pen("sketch.qpe", 400, 2));
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
    const double top = source.document()->topLeft().value().y.value();
    EXPECT_DOUBLE_EQ(copy->document()->topLeft().value().y.value(), top - 1485);
    // The copy is deep: the source keeps its place.
    EXPECT_DOUBLE_EQ(source.document()->topLeft().value().y.value(), top);
    copy->undoPageShift();
    EXPECT_NEAR(copy->document()->topLeft().value().y.value(), top, 1e-9);

    // The document as seen is turned like the view, in receiver coordinates: (100, 0) on the
    // page turns to (0, 100), then moves back by the page shift.
    DocumentMetaData line(saved("line.vmr", documentOf({{lineStroke({100, 1485}, {9, 9}, 3, 7)}})));
    ASSERT_TRUE(line.load());
    const MetadataPtr shown = line.createPressureCopy();
    shown->model()->rotate(90);
    const auto seen = shown->createDocumentAsSeen();
    EXPECT_NEAR(firstPoint(*seen).x.value(), 0, 1e-3);
    EXPECT_NEAR(firstPoint(*seen).y.value(), 1485 + 100, 1e-3);
    EXPECT_EQ(firstPoint(*seen).pressure.value(), 7u);
}

TEST_F(DocumentMetaDataTest, MergeJoinsCompleteDocumentsOnly)
{
    DocumentMetaData first(saved(
        "a.vmr",
        documentOf({{lineStroke({0, 0}, {10, 0}, 2, 1)}, {lineStroke({0, 5}, {10, 5}, 2, 1)}})));
    DocumentMetaData second(pen("b.qpe", 100, 1));
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

    EXPECT_FALSE(first.merge(DocumentMetaData(path("never-loaded.qpe"))));
    second.document()->complete().set(false);
    EXPECT_FALSE(first.merge(second));
}

// The load waits inside its second read until another thread has asked it to stop: the stop
// lands mid-file however fast or slow the machine is.
TEST_F(DocumentMetaDataTest, StopFromAnotherThreadEndsALoadWithoutAModel)
{
    DocumentMetaData metadata(pen("big.qpe", 20000, 3));
    std::atomic<bool> reading {false};
    Nivo::setFileReadFunction([&](int fd, void *buffer, size_t count, std::int64_t offset,
                                  const std::atomic<bool> *stopRequested) -> long {
        if (offset > 0) {
            reading = true;
            while (!stopRequested->load())
                std::this_thread::yield();
        }
        return ::pread(fd, buffer, count, offset);
    });
    std::thread stopper([&] {
        while (!reading.load())
            std::this_thread::yield();
        metadata.stop();
    });
    const bool loaded = metadata.load();
    stopper.join();
    Nivo::setFileReadFunction({});
    EXPECT_FALSE(loaded);
    EXPECT_FALSE(metadata.model());
    EXPECT_EQ(metadata.errorText(), "stopped");
    // The next load starts afresh, and a stop after its end changes nothing.
    ASSERT_TRUE(metadata.load());
    EXPECT_EQ(pointCount(*metadata.document()), 20000u);
    metadata.stop();
    EXPECT_TRUE(metadata.model());
}
