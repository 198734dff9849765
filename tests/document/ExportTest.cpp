// Image, PDF and SVG files of a model: sizes, formats, vectors and failures.
#include "DocumentTestSupport.h"
#include "TempDirectory.h"
#include "document/DocumentGraphicModel.h"
#include "export/DocumentExport.h"

#include <QDomDocument>
#include <QFile>
#include <QImageReader>
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
