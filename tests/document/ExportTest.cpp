// Image, PDF and SVG files of a model: sizes, formats, vectors and failures.
#include "DocumentTestSupport.h"
#include "SketchGenerator.h"
#include "TempDirectory.h"
#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "export/BezierFit.h"
#include "export/DocumentExport.h"
#include "export/PngEncoder.h"

#include <QDomDocument>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cmath>
#include <random>

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
    // The page of a saved PDF drawn by pdftoppm; null when the tool is not installed.
    QImage renderedPdf(const std::string &name, int dpi)
    {
        const QString tool = QStandardPaths::findExecutable("pdftoppm");
        if (tool.isEmpty() || !savePdf(*m_model, path(name), m_model->pageRect()))
            return {};
        const QString image = path(name + "-page");
        QProcess::execute(tool,
                          {"-r", QString::number(dpi), "-png", "-singlefile", path(name), image});
        return QImage(image + ".png");
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
    QImage grey
        = colour.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    QImage clear(120, 80, QImage::Format_ARGB32);
    clear.fill(QColor(10, 20, 30, 128));
    clear.setPixel(3, 4, qRgba(200, 100, 50, 255));
    clear.setPixel(5, 6, qRgba(0, 0, 0, 0));
    for (const auto &[name, image] :
         {std::pair {"colour.png", colour}, {"grey.png", grey}, {"clear.png", clear}}) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(writePng(file, image)) << name;
        file.close();
        const QImage read(path(name));
        ASSERT_EQ(read.size(), image.size()) << name;
        EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32),
                  image.convertToFormat(QImage::Format_ARGB32))
            << name;
    }
    EXPECT_EQ(QImageReader(path("grey.png")).imageFormat(), QImage::Format_Grayscale8);
}

TEST_F(ExportTest, PagesDrawnInBandsMatchOneWholeDrawing)
{
    Nivo::Document many;
    for (int l = 0; l < 3; ++l) {
        Nivo::Layer layer;
        for (int s = 0; s < 30; ++s)
            layer.add(lineStroke({-900.0 + 60 * s, -1400.0 + 90 * l},
                                 {-600.0 + 50 * s, 1300.0 - 70 * l}, 40,
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

namespace {

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Where a point of the sheet (tenths of a millimetre, origin at its centre) lies on an A4
// page drawn at that resolution.
QPoint pagePixel(QPointF unit, int dpi)
{
    return ((unit + QPointF(1050, 1485)) * dpi / 254.0).toPoint();
}

double distanceToPolyline(const QPointF &p, const std::vector<QPointF> &line)
{
    double best = std::hypot(p.x() - line.front().x(), p.y() - line.front().y());
    for (size_t i = 1; i < line.size(); ++i) {
        const QPointF a = line[i - 1], ab = line[i] - a;
        const double length2 = QPointF::dotProduct(ab, ab);
        const double t
            = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
        const QPointF d = p - (a + ab * t);
        best = std::min(best, std::hypot(d.x(), d.y()));
    }
    return best;
}

bool isRed(const QColor &c)
{
    return c.red() > 150 && c.green() < 100 && c.blue() < 100;
}

} // namespace

TEST_F(ExportTest, InkPdfHasAValidCrossReferenceTableAndTheExactSheet)
{
    ASSERT_TRUE(savePdf(*m_model, path("ink.pdf"), m_model->pageRect()));
    const QByteArray pdf = fileBytes(path("ink.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF-1.4\n"));
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.28 841.89]"));
    EXPECT_TRUE(pdf.contains("/Creator (Quillo Draftbay)"));
    EXPECT_TRUE(pdf.contains("/Title (ink.pdf)"));
    EXPECT_FALSE(pdf.contains("/Image"));
    // startxref leads to the table, and every entry to its object.
    const qsizetype start = pdf.lastIndexOf("startxref\n");
    ASSERT_GT(start, 0);
    const qsizetype table = pdf.mid(start + 10).split('\n').first().toLongLong();
    ASSERT_TRUE(pdf.mid(table).startsWith("xref\n0 "));
    const QList<QByteArray> lines = pdf.mid(table).split('\n');
    const int count = lines[1].split(' ').last().toInt();
    ASSERT_GE(count, 6);
    for (int n = 1; n < count; ++n) {
        const QByteArray entry = lines[2 + n];
        ASSERT_EQ(entry.size(), 19) << n; // 20 bytes with the newline
        EXPECT_TRUE(
            pdf.mid(entry.left(10).toLongLong()).startsWith(QByteArray::number(n) + " 0 obj"))
            << n;
    }
    EXPECT_TRUE(pdf.mid(table).contains("trailer\n<< /Size " + QByteArray::number(count)));
    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    if (!pdfinfo.isEmpty()) {
        QProcess info;
        info.start(pdfinfo, {path("ink.pdf")});
        ASSERT_TRUE(info.waitForFinished(30000));
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        EXPECT_EQ(info.exitCode(), 0) << info.readAllStandardError().toStdString();
        EXPECT_TRUE(out.contains(QRegularExpression("Pages:\\s+1\\n"))) << out.toStdString();
        EXPECT_TRUE(out.contains("595.28 x 841.89 pts (A4)")) << out.toStdString();
        EXPECT_FALSE(info.readAllStandardError().contains("Error"));
    }
    // Models the writer does not draw itself still get Qt's PDF of the page.
    PenDescription pen(settings());
    DocumentGraphicModel plain(m_document, pen, false);
    ASSERT_TRUE(savePdf(plain, path("plain.pdf"), m_model->pageRect()));
    EXPECT_FALSE(fileBytes(path("plain.pdf")).contains("/Creator (Quillo Draftbay)"));
}

TEST_F(ExportTest, InkPdfShowsVisibleLayersOnlyInTheirColours)
{
    PenDescription red(settings());
    red.color = QColor(200, 20, 30);
    ASSERT_TRUE(m_model->setLayerPen(0, red));
    ASSERT_TRUE(m_model->setLayerVisible(1, false));
    const QImage page = renderedPdf("layers.pdf", 150);
    if (page.isNull())
        GTEST_SKIP() << "pdftoppm is not installed";
    // 210 x 297 mm at 150 dpi, rounded up.
    EXPECT_NEAR(page.width(), 1240, 1);
    EXPECT_NEAR(page.height(), 1754, 1);
    EXPECT_GT(qGray(page.pixel(10, 10)), 250);
    // The horizontal stroke is red; nothing is left of the hidden vertical one.
    EXPECT_TRUE(isRed(page.pixelColor(pagePixel({300, 0}, 150))));
    for (int y = -700; y <= 700; y += 100) {
        if (y != 0) {
            EXPECT_GT(qGray(page.pixel(pagePixel({0, y * 1.0}, 150))), 250) << y;
        }
    }
    ASSERT_TRUE(m_model->setLayerVisible(1, true));
    EXPECT_LT(qGray(renderedPdf("both.pdf", 150).pixel(pagePixel({0, 400}, 150))), 100);
}

TEST_F(ExportTest, InkPdfOfATurnedViewTurnsTheInk)
{
    PenDescription red(settings());
    red.color = QColor(200, 20, 30);
    ASSERT_TRUE(m_model->setLayerPen(0, red));
    m_model->rotate(90);
    const QImage page = renderedPdf("turned.pdf", 150);
    if (page.isNull())
        GTEST_SKIP() << "pdftoppm is not installed";
    // A quarter turn takes (x, y) to (-y, x): the red horizontal stroke stands upright and
    // the black vertical one lies down.
    EXPECT_TRUE(isRed(page.pixelColor(pagePixel({0, 300}, 150))));
    EXPECT_LT(qGray(page.pixel(pagePixel({300, 0}, 150))), 100);
    EXPECT_FALSE(isRed(page.pixelColor(pagePixel({300, 0}, 150))));
    EXPECT_GT(qGray(page.pixel(pagePixel({0, 700}, 150))), 250);
}

TEST_F(ExportTest, InkPdfOfHandwritingTakesAtMostThreeBytesPerPoint)
{
    Synth::SketchOptions options;
    options.seed = 7;
    options.points = 20000;
    options.layers = 2;
    options.kind = Synth::SketchKind::Handwriting;
    ASSERT_TRUE(Synth::writeBytes(m_directory.file("hand.qpe"),
                                  Synth::encodePenFile(Synth::generateSketch(options))));
    DocumentMetaData loaded(path("hand.qpe"));
    ASSERT_TRUE(loaded.load());
    const MetadataPtr shown = loaded.createPressureCopy();
    shown->model()->setPageVisible(true, true);
    ASSERT_TRUE(savePdf(*shown->model(), path("hand.pdf"), shown->model()->pageRect()));
    // This page takes 2.91 bytes a point (Qt's PDF engine about 6). Handwriting is the
    // densest ink: other pages of it take 2.9 to 3.06, mixed pages 2.5 to 2.7.
    EXPECT_LE(static_cast<double>(QFile(path("hand.pdf")).size()) / options.points, 3.0);
}

TEST(BezierFit, PiecesFollowEveryPointAndEverySegmentWithinTheTolerance)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<double> noise(-0.3, 0.3);
    std::vector<QPointF> points;
    for (int i = 0; i < 400; ++i) {
        const double t = i * 0.05;
        points.emplace_back(40 * t + 30 * std::sin(t) + noise(random),
                            25 * std::cos(1.7 * t) + noise(random) + (i == 200 ? 12 : 0));
    }
    const double tolerance = 0.75;
    std::vector<PathPiece> pieces;
    fitPolyline(points.data(), static_cast<int>(points.size()), tolerance, pieces);
    ASSERT_FALSE(pieces.empty());
    EXPECT_LT(pieces.size(), points.size() / 3);
    EXPECT_EQ(pieces.back().to,
              QPointF(std::round(points.back().x()), std::round(points.back().y())));
    // The drawn path, densely sampled.
    std::vector<QPointF> drawn;
    QPointF from(std::round(points.front().x()), std::round(points.front().y()));
    for (const PathPiece &piece : pieces) {
        for (const QPointF &p : {piece.c1, piece.c2, piece.to}) {
            EXPECT_EQ(p.x(), std::round(p.x()));
            EXPECT_EQ(p.y(), std::round(p.y()));
        }
        for (int k = 0; k <= 64; ++k) {
            const double t = k / 64.0, s = 1 - t;
            drawn.push_back(piece.isCurve ? from * (s * s * s) + piece.c1 * (3 * s * s * t)
                                    + piece.c2 * (3 * s * t * t) + piece.to * (t * t * t)
                                          : from * s + piece.to * t);
        }
        from = piece.to;
    }
    double worst = 0;
    for (const QPointF &p : points)
        worst = std::max(worst, distanceToPolyline(p, drawn));
    EXPECT_LE(worst, tolerance + 1e-6);
    // And back: the path keeps to the polyline too (checked between points at one place per
    // segment, hence a little slack).
    double stray = 0;
    for (const QPointF &p : drawn)
        stray = std::max(stray, distanceToPolyline(p, points));
    EXPECT_LE(stray, 1.1 * tolerance);
}
