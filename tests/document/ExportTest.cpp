// Image, PDF and SVG files of a model: sizes, formats, vectors and failures.
#include "DocumentTestSupport.h"
#include "TempDirectory.h"
#include "document/DocumentGraphicModel.h"
#include "export/DocumentExport.h"
#include "export/PngEncoder.h"

#include <QDomDocument>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>

using namespace TestSupport;

namespace {

class ExportTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        m_document = documentOf({{lineStroke({-500, 0}, {500, 0}, 80, 1024)},
                                 {lineStroke({0, -800}, {0, 800}, 80, 700)}});
        PenDescription pen(settings());
        m_model = std::make_unique<DocumentGraphicModel>(m_document, pen,
                                                         QRectF(-1050, -1485, 2100, 2970));
        m_model->setPageVisible(true, true);
    }
    QString path(const std::string &name) const
    {
        return QString::fromStdString(m_directory.file(name));
    }

    TempDirectory m_directory;
    Nivo::Document m_document;
    std::unique_ptr<DocumentGraphicModel> m_model;
};

} // namespace

TEST_F(ExportTest, ImagesArePageSizedWithAWhitePageInEveryFormat)
{
    for (const auto &[name, format] : {std::pair {"a.png", "PNG"},
                                       {"a.jpg", "JPG"},
                                       {"a.jpeg", "JPEG"},
                                       {"a.bmp", "BMP"},
                                       {"a.tiff", "TIFF"}}) {
        ASSERT_TRUE(saveImage(*m_model, path(name), m_model->pageRect(), format)) << name;
        QImageReader reader(path(name));
        EXPECT_EQ(reader.size(), QSize(2100, 2970)) << name;
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_GT(qGray(image.pixel(5, 5)), 250) << name;
        EXPECT_EQ(qAlpha(image.pixel(5, 5)), 255) << name;
        EXPECT_LT(qGray(image.pixel(1050 + 300, 1485)), 64) << name;
    }
    EXPECT_LT(QFile(path("a.png")).size(), 1000000);
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
}

TEST_F(ExportTest, ColouredInkKeepsItsColourInPng)
{
    PenDescription red(settings());
    red.color = QColor(200, 20, 30);
    ASSERT_TRUE(m_model->setLayerPen(0, red));
    ASSERT_TRUE(saveImage(*m_model, path("red.png"), m_model->pageRect(), "PNG"));
    const QImage image(path("red.png"));
    const QColor ink = image.pixelColor(1050 + 300, 1485);
    EXPECT_GT(ink.red(), 150);
    EXPECT_LT(ink.green(), 80);
}

TEST_F(ExportTest, PdfPageIsTheSheetInMillimetresAndKeepsVectors)
{
    ASSERT_TRUE(savePdf(*m_model, path("a.pdf"), m_model->pageRect()));
    QFile file(path("a.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    const QRegularExpression mediaBox(
        QStringLiteral(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])"));
    const QRegularExpressionMatch match = mediaBox.match(QString::fromLatin1(pdf));
    ASSERT_TRUE(match.hasMatch());
    // 210 x 297 mm in points.
    EXPECT_NEAR(match.captured(1).toDouble(), 595.3, 1.0);
    EXPECT_NEAR(match.captured(2).toDouble(), 841.9, 1.0);
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
}

TEST_F(ExportTest, SvgDeclaresTheSheetAndDrawsOneFilledPathPerStroke)
{
    ASSERT_TRUE(saveSvg(*m_model, path("a.svg"), m_model->pageRect()));
    QFile file(path("a.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QDomDocument svg;
    ASSERT_TRUE(svg.setContent(&file));
    const QDomElement root = svg.documentElement();
    EXPECT_EQ(root.attribute("width"), "210mm");
    EXPECT_EQ(root.attribute("height"), "297mm");
    EXPECT_EQ(root.attribute("viewBox"), "0 0 2100 2970");
    int filledPaths = 0;
    const QDomNodeList paths = svg.elementsByTagName("path");
    for (int i = 0; i < paths.size(); ++i) {
        const QDomElement path = paths.item(i).toElement();
        const QDomElement group = path.parentNode().toElement();
        if (group.attribute("fill") == "#000000" && path.attribute("fill-rule") == "nonzero")
            ++filledPaths;
    }
    EXPECT_EQ(filledPaths, 2);
    EXPECT_EQ(svg.elementsByTagName("image").size(), 0);
}

TEST_F(ExportTest, UnwritableFilesAreReportedAndReturnFalse)
{
    const QString missing = path("no/such/folder/out");
    EXPECT_FALSE(saveImage(*m_model, missing + ".png", m_model->pageRect(), "PNG"));
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages.last().title, "eror");
    EXPECT_EQ(m_dialogs->messages.last().text, "failed saving pixmap" + missing + ".png");
    EXPECT_FALSE(savePdf(*m_model, missing + ".pdf", m_model->pageRect()));
    EXPECT_FALSE(saveSvg(*m_model, missing + ".svg", m_model->pageRect()));
    EXPECT_EQ(m_dialogs->messages.size(), 3);
    EXPECT_TRUE(m_dialogs->messages.last().text.contains("out.svg"));
    EXPECT_FALSE(saveImage(*m_model, path("noformat"), m_model->pageRect(), ""));
    EXPECT_FALSE(QFile::exists(path("noformat")));
}

TEST_F(ExportTest, PngFilesReadBackPixelForPixel)
{
    QImage colour(300, 200, QImage::Format_ARGB32_Premultiplied);
    colour.fill(Qt::white);
    for (int x = 0; x < 300; ++x)
        colour.setPixel(x, x % 200, qRgb(x % 256, 255 - x % 256, 40));
    QImage grey = colour.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    QImage clear(120, 80, QImage::Format_ARGB32);
    clear.fill(QColor(10, 20, 30, 128));
    clear.setPixel(3, 4, qRgba(200, 100, 50, 255));
    clear.setPixel(5, 6, qRgba(0, 0, 0, 0));
    for (const auto &[name, image] : {std::pair{"colour.png", colour}, {"grey.png", grey}, {"clear.png", clear}}) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(writePng(file, image)) << name;
        file.close();
        const QImage read(path(name));
        ASSERT_EQ(read.size(), image.size()) << name;
        EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32), image.convertToFormat(QImage::Format_ARGB32)) << name;
    }
    EXPECT_EQ(QImageReader(path("grey.png")).imageFormat(), QImage::Format_Grayscale8);
}

TEST_F(ExportTest, PagesDrawnInBandsMatchOneWholeDrawing)
{
    Nivo::Document many;
    for (int l = 0; l < 3; ++l) {
        Nivo::Layer layer;
        for (int s = 0; s < 30; ++s)
            layer.add(lineStroke({-900.0 + 60 * s, -1400.0 + 90 * l}, {-600.0 + 50 * s, 1300.0 - 70 * l}, 40,
                                 static_cast<unsigned>(300 + 40 * s)));
        many.add(layer);
    }
    PenDescription pen(settings());
    DocumentGraphicModel model(many, pen, QRectF(-1050, -1485, 2100, 2970));
    model.setPageVisible(true, true);
    const QImage banded = renderImage(model, model.pageRect());
    QImage whole(banded.size(), QImage::Format_ARGB32_Premultiplied);
    whole.fill(Qt::transparent);
    {
        QPainter painter(&whole);
        painter.setRenderHint(QPainter::Antialiasing, true);
        model.render(&painter, QRectF(0, 0, whole.width(), whole.height()), model.pageRect());
    }
    // Antialiased edges may differ by a few grey levels; no ink may be missing or added.
    int largest = 0;
    qint64 inkBanded = 0;
    qint64 inkWhole = 0;
    for (int y = 0; y < whole.height(); ++y) {
        for (int x = 0; x < whole.width(); ++x) {
            const int a = qGray(banded.pixel(x, y));
            const int b = qGray(whole.pixel(x, y));
            largest = std::max(largest, std::abs(a - b));
            inkBanded += 255 - a;
            inkWhole += 255 - b;
        }
    }
    EXPECT_LE(largest, 16);
    EXPECT_GT(inkWhole, 0);
    EXPECT_NEAR(static_cast<double>(inkBanded), static_cast<double>(inkWhole), inkWhole * 0.01);

    // A turned view is drawn whole, never in bands that could miss a turned stroke: the
    // middle of the first stroke, (-750, -50), lies at (50, -750) after a quarter turn.
    model.rotate(90);
    const QImage turned = renderImage(model, model.pageRect());
    int ink = 0;
    for (int y = 1485 - 750 - 4; y <= 1485 - 750 + 4; ++y)
        for (int x = 1050 + 50 - 4; x <= 1050 + 50 + 4; ++x)
            ink += qGray(turned.pixel(x, y)) < 200 ? 1 : 0;
    EXPECT_GT(ink, 0);
}
