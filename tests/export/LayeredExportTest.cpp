// Layered hand-off files: OpenRaster archives and Inkscape-layered SVG, read back as a
// drawing application reads them.
#include "DocumentTestSupport.h"
#include "ZipEntries.h"
#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "export/DocumentExport.h"
#include "export/OpenRasterWriter.h"
#include "export/SketchLayers.h"
#include "ink/AtomicFile.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <cerrno>
#include <cstring>
#include <map>

using namespace TestSupport;

namespace {

// Where each layer's stroke lies on the page picture, one pixel per unit.
const QRect kLeft(100, 700, 500, 200);
const QRect kRight(1500, 2100, 500, 200);
const QRect kCentre(900, 1385, 300, 200);

/// A saved document of three layers far apart, the second tagged with text that needs
/// escaping, opened as the editor opens it, with the page shown, the second layer red and
/// the third hidden.
class LayeredExportTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        // A pressure copy moves the ink up by half a page: stored y is the picture's row.
        Nivo::Document ink = documentOf({{lineStroke({-900, 800}, {-500, 800}, 40, 1024)},
                                         {lineStroke({500, 2200}, {900, 2200}, 40, 1024)},
                                         {lineStroke({-100, 1485}, {100, 1485}, 40, 1024)}});
        ink.elements()[1].setAnnotation("tag", "Boats & <\"sea\">");
        m_shown = pressureCopyOf(ink, path("harbour.v2.vmr"));
        ASSERT_TRUE(m_shown);
        model().setPageVisible(true, true);
        PenDescription red(settings());
        red.color = QColor(200, 20, 30);
        ASSERT_TRUE(model().setLayerPen(1, red));
        ASSERT_TRUE(model().setLayerVisible(2, false));
    }
    DocumentGraphicModel &model() { return *m_shown->model(); }
    bool saveOra(const QString &name)
    {
        return saveOpenRaster(model(), path(name), model().pageRect(), sketchLayersOf(*m_shown));
    }

    MetadataPtr m_shown;
};

} // namespace

TEST_F(LayeredExportTest, OpenRasterStacksEachLayerAloneTopmostFirstAndMergesTheVisibleOnes)
{
    const QImage before = renderImage(model(), model().pageRect());
    ASSERT_TRUE(saveOra("out.ora"));
    // The model shows exactly what it showed before: layers, hidden layer and page.
    EXPECT_EQ(renderImage(model(), model().pageRect()), before);

    // Readers know the format by the first entry's name and text at fixed offsets, which
    // holds only when it is stored first, uncompressed and without extra fields.
    EXPECT_EQ(fileBytes(path("out.ora")).mid(30, 24), "mimetypeimage/openraster");
    const std::vector<ZipEntry> entries = readZipEntries(path("out.ora"));
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0].name, "mimetype");
    EXPECT_TRUE(entries[0].stored);
    std::map<QString, QByteArray> files;
    for (const ZipEntry &entry : entries)
        files[entry.name] = entry.data;
    QStringList names;
    for (const auto &[name, data] : files)
        names << name;
    EXPECT_EQ(names,
              (QStringList {"Thumbnails/thumbnail.png", "data/layer1.png", "data/layer2.png",
                            "data/layer3.png", "mergedimage.png", "mimetype", "stack.xml"}));

    QDomDocument stack;
    ASSERT_TRUE(stack.setContent(files["stack.xml"]));
    const QDomElement image = stack.documentElement();
    EXPECT_EQ(image.tagName(), "image");
    EXPECT_EQ(image.attribute("w") + "x" + image.attribute("h"), "2100x2970");
    EXPECT_EQ(image.attribute("version"), "0.0.5");
    QStringList layers;
    const QDomNodeList layerNodes = stack.elementsByTagName("layer");
    for (int i = 0; i < layerNodes.size(); ++i) {
        const QDomElement layer = layerNodes.item(i).toElement();
        EXPECT_EQ(layer.parentNode().nodeName(), "stack");
        EXPECT_EQ(layer.attribute("x") + layer.attribute("y"), "00");
        layers << layer.attribute("name") + "|" + layer.attribute("src") + "|"
                + layer.attribute("visibility");
    }
    EXPECT_EQ(
        layers,
        (QStringList {"layer 3|data/layer3.png|hidden", "Boats & <\"sea\">|data/layer2.png|visible",
                      "layer 1|data/layer1.png|visible"}));

    // Each layer alone on transparency (no page), hidden or not, pixel for pixel as drawn:
    // black ink and red.
    const QRect areas[] = {kLeft, kRight, kCentre};
    for (int i = 0; i < 3; ++i) {
        const QImage layer = QImage::fromData(files[QString("data/layer%1.png").arg(i + 1)]);
        ASSERT_EQ(layer.size(), QSize(2100, 2970)) << i;
        const int ink = inkPixels(layer, layer.rect());
        EXPECT_GT(ink, 1000) << i;
        EXPECT_EQ(inkPixels(layer, areas[i]), ink) << i;
        QImage alone;
        {
            const SoloLayer solo(model(), i);
            alone = renderImage(model(), model().pageRect());
        }
        // Compared premultiplied, as drawn: Qt's own conversions round unpremultiplied
        // colours of faint pixels differently from one another.
        EXPECT_EQ(layer.convertToFormat(QImage::Format_ARGB32_Premultiplied), alone) << i;
    }
    // Black ink takes a byte a pixel; coloured ink keeps its colour.
    EXPECT_EQ(QImage::fromData(files["data/layer1.png"]).format(), QImage::Format_Indexed8);
    EXPECT_EQ(QImage::fromData(files["data/layer1.png"]).pixel(kLeft.center()),
              qRgba(0, 0, 0, 255));
    EXPECT_EQ(QImage::fromData(files["data/layer2.png"]).pixel(kRight.center()),
              qRgba(200, 20, 30, 255));
    // The visible layers as the model draws them together without its page.
    const QImage merged = QImage::fromData(files["mergedimage.png"]);
    model().setPageVisible(false, false);
    EXPECT_EQ(merged.convertToFormat(QImage::Format_ARGB32_Premultiplied),
              renderImage(model(), model().pageRect()));
    EXPECT_GT(inkPixels(merged, kLeft), 1000);
    EXPECT_EQ(inkPixels(merged, kLeft) + inkPixels(merged, kRight),
              inkPixels(merged, merged.rect()));
    const QImage thumbnail = QImage::fromData(files["Thumbnails/thumbnail.png"]);
    EXPECT_EQ(thumbnail.size(), QSize(181, 256));
    EXPECT_GT(inkPixels(thumbnail, thumbnail.rect()), 0);
}

TEST_F(LayeredExportTest, SvgKeepsEveryLayerAsANamedInkscapeLayerUnderTheSketchsTitle)
{
    ASSERT_TRUE(saveSvg(model(), path("out.svg"), model().pageRect(), sketchLayersOf(*m_shown)));
    QFile file(path("out.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QDomDocument svg;
    ASSERT_TRUE(svg.setContent(&file, true));
    const QString svgNs = "http://www.w3.org/2000/svg";
    const QString inkscape = "http://www.inkscape.org/namespaces/inkscape";
    EXPECT_EQ(svg.elementsByTagNameNS(svgNs, "title").item(0).toElement().text(), "harbour.v2");
    EXPECT_EQ(svg.elementsByTagNameNS(svgNs, "desc").item(0).toElement().text(),
              "Drawn with the Quillo pen; 3 layers, 3 strokes");
    EXPECT_EQ(
        svg.elementsByTagNameNS("http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd", "namedview")
            .size(),
        1);
    QStringList layers;
    const QDomNodeList groups = svg.elementsByTagNameNS(svgNs, "g");
    for (int i = 0; i < groups.size(); ++i) {
        const QDomElement group = groups.item(i).toElement();
        if (group.attributeNS(inkscape, "groupmode") != "layer")
            continue;
        EXPECT_EQ(group.parentNode(), svg.documentElement());
        EXPECT_EQ(group.elementsByTagNameNS(svgNs, "path").size(), 1);
        layers << group.attributeNS(inkscape, "label") + "|" + group.attribute("style");
    }
    EXPECT_EQ(layers,
              (QStringList {"layer 1|display:inline", "Boats & <\"sea\">|display:inline",
                            "layer 3|display:none"}));

    // Drawn by an SVG renderer: the white sheet, the visible layers where the model draws
    // them, the hidden one not at all.
    QSvgRenderer renderer(path("out.svg"));
    ASSERT_TRUE(renderer.isValid());
    QImage drawn(2100, 2970, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    EXPECT_EQ(drawn.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_GT(darkPixels(drawn, kLeft), 1000);
    EXPECT_GT(darkPixels(drawn, kRight), 1000);
    EXPECT_EQ(darkPixels(drawn, kCentre), 0);
}

TEST_F(LayeredExportTest, FailedOpenRasterWritesAreReportedAndLeaveNoFileOrTheOldOne)
{
    const QString missing = path("no/such/folder/out.ora");
    EXPECT_FALSE(saveOpenRaster(model(), missing, model().pageRect(), sketchLayersOf(*m_shown)));
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages[0].text,
              "Unable to save file\n" + missing + "\n"
                  + QString::fromLocal8Bit(std::strerror(ENOENT)));
    EXPECT_FALSE(QFileInfo::exists(path("no")));

    writeFile(path("kept.ora").toStdString(), "old");
    struct FullDisc
    {
        FullDisc()
        {
            Nivo::setFileWriteFunction([](int, const void *, size_t) -> long {
                errno = ENOSPC;
                return -1;
            });
        }
        ~FullDisc() { Nivo::setFileWriteFunction({}); }
    };
    {
        const FullDisc full;
        EXPECT_FALSE(saveOra("kept.ora"));
    }
    ASSERT_EQ(m_dialogs->messages.size(), 2);
    EXPECT_TRUE(m_dialogs->messages[1].text.endsWith(QString::fromLocal8Bit(std::strerror(ENOSPC))))
        << m_dialogs->messages[1].text.toStdString();
    EXPECT_EQ(fileBytes(path("kept.ora")), "old");
    EXPECT_EQ(QDir(path({})).entryList(QDir::Files), (QStringList {"harbour.v2.vmr", "kept.ora"}));
}
