// Image, PDF and SVG files of a model: sizes, formats, vectors and failures.
#include "DocumentTestSupport.h"
#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "export/BezierFit.h"
#include "export/DocumentExport.h"
#include "export/PngEncoder.h"

#include <QDomDocument>
#include <QFile>
#include <QImageReader>
#include <QLineF>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <functional>
#include <random>

using namespace TestSupport;

namespace {

bool isRed(const QColor &c)
{
    return c.red() > 150 && c.green() < 100 && c.blue() < 100;
}

// Where a point of the sheet (tenths of a millimetre, origin at its centre) lies on an A4
// page drawn at 150 dpi.
QPoint pagePixel(QPointF unit)
{
    return ((unit + QPointF(1050, 1485)) * 150 / 254.0).toPoint();
}

/// A red horizontal stroke (layer 0) and a black vertical one (layer 1) on an A4 page.
class ExportTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        m_document = documentOf({{lineStroke({-500, 0}, {500, 0}, 80, 1024)},
                                 {lineStroke({0, -800}, {0, 800}, 80, 700)}});
        m_model = std::make_unique<DocumentGraphicModel>(m_document, PenDescription(settings()),
                                                         QRectF(-1050, -1485, 2100, 2970));
        m_model->setPageVisible(true, true);
        PenDescription red(settings());
        red.color = QColor(200, 20, 30);
        ASSERT_TRUE(m_model->setLayerPen(0, red));
    }
    // The page of a saved PDF drawn by pdftoppm at 150 dpi; null without the tool.
    QImage renderedPdf(const QString &name)
    {
        const QString tool = QStandardPaths::findExecutable("pdftoppm");
        if (tool.isEmpty() || !savePdf(*m_model, path(name), m_model->pageRect()))
            return {};
        QProcess::execute(tool, {"-r", "150", "-png", "-singlefile", path(name), path(name)});
        return QImage(path(name) + ".png");
    }

    Nivo::Document m_document;
    std::unique_ptr<DocumentGraphicModel> m_model;
};

} // namespace

TEST_F(ExportTest, ImagesArePageSizedWithAWhitePageAndColouredInkInEveryFormat)
{
    for (const QString format : {"PNG", "JPG", "JPEG", "BMP", "TIFF"}) {
        const QString name = "a." + format.toLower();
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(saveImage(*m_model, path(name), m_model->pageRect(), format));
        QImageReader reader(path(name));
        EXPECT_EQ(reader.size(), QSize(2100, 2970));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull());
        EXPECT_GT(qGray(image.pixel(5, 5)), 250);
        EXPECT_EQ(qAlpha(image.pixel(5, 5)), 255);
        EXPECT_TRUE(isRed(image.pixelColor(1050 + 300, 1485)));
        EXPECT_LT(qGray(image.pixel(1050, 1485 + 300)), 64);
    }
    EXPECT_LT(QFile(path("a.png")).size(), 1000000);
    EXPECT_TRUE(m_dialogs->messages.isEmpty());

    // Without its page, a format without alpha shows the sheet white, not black.
    m_model->setPageVisible(false, false);
    for (const QString format : {"JPG", "BMP"}) {
        const QString name = "bare." + format.toLower();
        ASSERT_TRUE(saveImage(*m_model, path(name), m_model->pageRect(), format));
        const QImage image(path(name));
        EXPECT_GT(qGray(image.pixel(5, 5)), 250) << format.toStdString();
        EXPECT_LT(qGray(image.pixel(1050, 1485 + 300)), 64) << format.toStdString();
    }
}

TEST_F(ExportTest, PdfPageIsTheSheetInPointsWithAValidCrossReferenceTable)
{
    ASSERT_TRUE(savePdf(*m_model, path("ink.pdf"), m_model->pageRect()));
    const QByteArray pdf = fileBytes(path("ink.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF-1.4\n"));
    // 210 x 297 mm in points, the ink as vectors.
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.28 841.89]"));
    EXPECT_TRUE(pdf.contains("/Creator (Quillo Draftbay)"));
    EXPECT_FALSE(pdf.contains("/Image"));
    // startxref leads to the table, and every entry to its object.
    const qsizetype start = pdf.lastIndexOf("startxref\n") + 10;
    const QByteArray table = pdf.mid(pdf.mid(start).split('\n').first().toLongLong());
    ASSERT_TRUE(table.startsWith("xref\n0 "));
    const QList<QByteArray> lines = table.split('\n');
    const int count = lines[1].split(' ').last().toInt();
    ASSERT_GE(count, 6);
    EXPECT_TRUE(table.contains("trailer\n<< /Size " + QByteArray::number(count)));
    for (int n = 1; n < count; ++n) {
        ASSERT_EQ(lines[2 + n].size(), 19) << n; // 20 bytes with the newline
        EXPECT_TRUE(pdf.mid(lines[2 + n].left(10).toLongLong())
                        .startsWith(QByteArray::number(n) + " 0 obj"))
            << n;
    }

    // Models the ink writer does not draw (plain rendering) get Qt's PDF of the same sheet.
    DocumentGraphicModel plain(m_document, PenDescription(settings()), false);
    ASSERT_TRUE(savePdf(plain, path("plain.pdf"), m_model->pageRect()));
    const QString qtPdf = QString::fromLatin1(fileBytes(path("plain.pdf")));
    EXPECT_FALSE(qtPdf.contains("/Creator (Quillo Draftbay)"));
    EXPECT_FALSE(qtPdf.contains("/Subtype /Image"));
    EXPECT_TRUE(
        qtPdf.contains(QRegularExpression(R"(/MediaBox \[0 0 59[56](\.\d*)? 84[12](\.\d*)?\])")));
}

TEST_F(ExportTest, PdfShowsVisibleLayersOnlyInTheirColoursAndTurnsWithTheView)
{
    ASSERT_TRUE(m_model->setLayerVisible(1, false));
    QImage page = renderedPdf("layers.pdf");
    if (page.isNull())
        GTEST_SKIP() << "pdftoppm is not installed";
    // 210 x 297 mm at 150 dpi, rounded up.
    EXPECT_NEAR(page.width(), 1240, 1);
    EXPECT_NEAR(page.height(), 1754, 1);
    EXPECT_GT(qGray(page.pixel(10, 10)), 250);
    // The horizontal stroke is red; nothing is left of the hidden vertical one.
    EXPECT_TRUE(isRed(page.pixelColor(pagePixel({300, 0}))));
    EXPECT_EQ(darkPixels(page, QRect(pagePixel({-30, -700}), pagePixel({30, -100})), 251), 0);
    EXPECT_EQ(darkPixels(page, QRect(pagePixel({-30, 100}), pagePixel({30, 700})), 251), 0);

    // A quarter turn takes (x, y) to (-y, x): the red horizontal stroke stands upright and
    // the black vertical one lies down.
    ASSERT_TRUE(m_model->setLayerVisible(1, true));
    m_model->rotate(90);
    page = renderedPdf("turned.pdf");
    EXPECT_TRUE(isRed(page.pixelColor(pagePixel({0, 300}))));
    EXPECT_LT(qGray(page.pixel(pagePixel({300, 0}))), 100);
    EXPECT_FALSE(isRed(page.pixelColor(pagePixel({300, 0}))));
    EXPECT_GT(qGray(page.pixel(pagePixel({0, 700}))), 250);
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
    QStringList fills;
    const QDomNodeList paths = svg.elementsByTagName("path");
    for (int i = 0; i < paths.size(); ++i) {
        const QDomElement path = paths.item(i).toElement();
        if (path.attribute("fill-rule") == "nonzero")
            fills << path.parentNode().toElement().attribute("fill");
    }
    fills.sort();
    EXPECT_EQ(fills, (QStringList {"#000000", "#c8141e"}));
    EXPECT_EQ(svg.elementsByTagName("image").size(), 0);
}

TEST_F(ExportTest, UnwritableFilesAreReportedAndReturnFalse)
{
    const QString missing = path("no/such/folder/out");
    // The system's own words, in the language of the locale.
    const QString noSuchFile = QString::fromLocal8Bit(std::strerror(ENOENT));
    EXPECT_FALSE(saveImage(*m_model, missing + ".png", m_model->pageRect(), "PNG"));
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    // What failed, the file and why, each on a line of its own.
    EXPECT_EQ(m_dialogs->messages.last().text,
              "failed saving pixmap\n" + missing + ".png\n" + noSuchFile);
    EXPECT_FALSE(savePdf(*m_model, missing + ".pdf", m_model->pageRect()));
    EXPECT_FALSE(saveSvg(*m_model, missing + ".svg", m_model->pageRect()));
    ASSERT_EQ(m_dialogs->messages.size(), 3);
    EXPECT_EQ(m_dialogs->messages[1].text,
              "Unable to save file\n" + missing + ".pdf\n" + noSuchFile);
    EXPECT_TRUE(m_dialogs->messages[2].text.contains("out.svg\n" + noSuchFile));
    EXPECT_FALSE(saveImage(*m_model, path("noformat"), m_model->pageRect(), ""));
    EXPECT_FALSE(QFile::exists(path("noformat")));
}

TEST_F(ExportTest, PngFilesReadBackPixelForPixelInGreyColourAndAlpha)
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
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && writePng(file, image)) << name;
        file.close();
        EXPECT_EQ(QImage(path(name)).convertToFormat(QImage::Format_ARGB32),
                  image.convertToFormat(QImage::Format_ARGB32))
            << name;
    }
    EXPECT_EQ(QImageReader(path("grey.png")).imageFormat(), QImage::Format_Grayscale8);
}

TEST_F(ExportTest, PdfOfHandwritingTakesAtMostThreeBytesAPoint)
{
    ASSERT_TRUE(writeSketch(path("hand.qpe"), 20000, 2, 7, Synth::SketchKind::Handwriting));
    DocumentMetaData loaded(path("hand.qpe"));
    ASSERT_TRUE(loaded.load());
    const MetadataPtr shown = loaded.createPressureCopy();
    shown->model()->setPageVisible(true, true);
    ASSERT_TRUE(savePdf(*shown->model(), path("hand.pdf"), shown->model()->pageRect()));
    // This page takes 2.91 bytes a point (Qt's PDF engine about 6). Handwriting is the
    // densest ink: other pages of it take 2.9 to 3.06, mixed pages 2.5 to 2.7.
    EXPECT_LE(QFile(path("hand.pdf")).size() / 20000.0, 3.0);
}

TEST_F(ExportTest, PagesDrawnInBandsOrTurnedWholeMatchOneWholeDrawing)
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
    DocumentGraphicModel model(many, PenDescription(settings()), QRectF(-1050, -1485, 2100, 2970));
    model.setPageVisible(true, true);
    // Bands could miss a turned stroke: turned views are drawn whole. Either way antialiased
    // edges may differ by a few grey levels; no ink may be missing or added.
    for (const int turn : {0, 90}) {
        model.rotate(turn);
        const QImage banded = renderImage(model, model.pageRect());
        QImage whole(banded.size(), QImage::Format_ARGB32_Premultiplied);
        whole.fill(Qt::transparent);
        QPainter painter(&whole);
        painter.setRenderHint(QPainter::Antialiasing, true);
        model.render(&painter, QRectF(whole.rect()), model.pageRect());
        painter.end();
        int largest = 0;
        for (int y = 0; y < whole.height(); ++y)
            for (int x = 0; x < whole.width(); ++x)
                largest = std::max(largest,
                                   std::abs(qGray(banded.pixel(x, y)) - qGray(whole.pixel(x, y))));
        EXPECT_LE(largest, 16) << turn;
        EXPECT_GT(darkPixels(whole, whole.rect()), 20000) << turn;
    }
}

TEST(BezierFit, PiecesFollowEveryPointAndEverySegmentWithinTheTolerance)
{
    // Farthest distance of points from a polyline.
    const auto farthest = [](const std::vector<QPointF> &from, const std::vector<QPointF> &line) {
        double worst = 0;
        for (const QPointF &p : from) {
            double best = 1e9;
            for (size_t i = 1; i < line.size(); ++i) {
                const QPointF a = line[i - 1], ab = line[i] - a;
                const double t = std::clamp(QPointF::dotProduct(p - a, ab)
                                                / std::max(1e-12, QPointF::dotProduct(ab, ab)),
                                            0.0, 1.0);
                const QPointF d = p - (a + ab * t);
                best = std::min(best, std::hypot(d.x(), d.y()));
            }
            worst = std::max(worst, best);
        }
        return worst;
    };
    // The same wavy line with noise drawn for x then y, and for y then x.
    for (const bool xFirst : {true, false}) {
        SCOPED_TRACE(xFirst ? "x noise first" : "y noise first");
        std::mt19937 random(3);
        std::uniform_real_distribution<double> noise(-0.3, 0.3);
        std::vector<QPointF> points;
        for (int i = 0; i < 400; ++i) {
            const double t = i * 0.05;
            const double first = noise(random);
            const double second = noise(random);
            points.emplace_back(40 * t + 30 * std::sin(t) + (xFirst ? first : second),
                                25 * std::cos(1.7 * t) + (xFirst ? second : first)
                                    + (i == 200 ? 12 : 0));
        }
        const double tolerance = 0.75;
        std::vector<PathPiece> pieces;
        fitPolyline(points.data(), static_cast<int>(points.size()), tolerance, pieces);
        ASSERT_FALSE(pieces.empty());
        EXPECT_LT(pieces.size(), points.size() / 3);
        EXPECT_EQ(pieces.back().to,
                  QPointF(std::round(points.back().x()), std::round(points.back().y())));
        // Each piece as a function of t from 0 to 1.
        std::vector<std::function<QPointF(double)>> drawn;
        QPointF from(std::round(points.front().x()), std::round(points.front().y()));
        for (const PathPiece &piece : pieces) {
            drawn.push_back([from, piece](double t) {
                const double s = 1 - t;
                return piece.isCurve ? from * (s * s * s) + piece.c1 * (3 * s * s * t)
                        + piece.c2 * (3 * s * t * t) + piece.to * (t * t * t)
                                     : from * s + piece.to * t;
            });
            from = piece.to;
        }
        // Points to the path: the nearest place on each piece, found among 64 samples and
        // then narrowed down around the nearest one. Chords through the samples would cut
        // corners and make a point on the outside of a bend look farther than it is.
        double worst = 0;
        for (const QPointF &p : points) {
            double best = 1e9;
            for (const auto &at : drawn) {
                const auto distance = [&](double t) { return QLineF(at(t), p).length(); };
                int nearest = 0;
                for (int k = 1; k <= 64; ++k)
                    nearest = distance(k / 64.0) < distance(nearest / 64.0) ? k : nearest;
                double low = std::max(0, nearest - 1) / 64.0;
                double high = std::min(64, nearest + 1) / 64.0;
                for (int step = 0; step < 40; ++step) {
                    const double a = low + (high - low) / 3, b = high - (high - low) / 3;
                    if (distance(a) < distance(b))
                        high = b;
                    else
                        low = a;
                }
                best = std::min(best, distance((low + high) / 2));
            }
            worst = std::max(worst, best);
        }
        EXPECT_LE(worst, tolerance + 1e-6);
        // The path to the points, checked at one place per segment, hence a little slack.
        std::vector<QPointF> samples;
        for (const auto &at : drawn)
            for (int k = 0; k <= 64; ++k)
                samples.push_back(at(k / 64.0));
        EXPECT_LE(farthest(samples, points), 1.1 * tolerance);
    }
}
