// The graphic model: layer groups (z-order, ownership, snapshots), the receiver-position
// table, the settings' pen, thumbnails, and what it paints, measured in pixels.
#include "DocumentTestSupport.h"
#include "document/BackgroundLayerPath.h"
#include "document/DocumentGraphicModel.h"
#include "document/GraphicsInkPathItem.h"
#include "document/GraphicsItemsGroup.h"
#include "document/ReceiverPosition.h"
#include "document/Thumbnail.h"
#include "export/DocumentExport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>

#include <thread>

using namespace TestSupport;

namespace {

class ModelTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        m_document = documentOf( // three layers, two strokes in the first
            {{lineStroke({0, 0}, {100, 0}, 5, 1024), lineStroke({0, 10}, {100, 10}, 5, 1024)},
             {lineStroke({0, 20}, {100, 20}, 5, 1024)},
             {lineStroke({0, 30}, {100, 30}, 5, 1024)}});
    }
    static std::vector<qreal> zValues(const DocumentGraphicModel &model)
    {
        std::vector<qreal> z;
        for (const GraphicsItemsGroup *group : model.groups())
            z.push_back(group->zValue());
        return z;
    }

    Nivo::Document m_document;
};

const QRectF kPage(-1050, -1485, 2100, 2970);

PenDescription penOfWidth(double width)
{
    PenDescription pen;
    pen.width = width;
    return pen;
}

// The page rendered at one pixel per unit, page centre at (1050, 1485).
QImage render(DocumentGraphicModel &model)
{
    model.setPageVisible(true, false);
    return renderImage(model, model.pageRect());
}

using RenderingTest = SettingsFixture;

} // namespace

TEST_F(ModelTest, GroupsStrokesAndPenFollowTheDocumentAndTheSettings)
{
    DocumentGraphicModel model(m_document, PenDescription(settings()), false);
    EXPECT_EQ(zValues(model), (std::vector<qreal> {1, 101, 201}));
    EXPECT_EQ(model.groups()[0]->childItems().size(), 2);
    for (const GraphicsInkPathItem *item : model.inkItems())
        EXPECT_EQ(item->zValue(), item->parentItem()->zValue());
    EXPECT_EQ(model.sceneRect(), QRectF(0, 0, 100, 30));
    EXPECT_EQ(model.pageRect(), QRectF(-1050, -1485, 2100, 2970));

    // A pressure model on the settings' page shifts the document up by half a page.
    DocumentGraphicModel pressure(m_document, PenDescription(settings()), true);
    EXPECT_EQ(pressure.offset(), QPointF(0, -1485));
    EXPECT_EQ(m_document.topLeft().value().y.value(), -1485);

    // The default pen: the settings' colour, and its width times the ball-point size.
    EXPECT_EQ(model.pen().color, QColor(Qt::black));
    EXPECT_DOUBLE_EQ(model.pen().width, 2.0);
    ASSERT_TRUE(
        settings().setAttribute("visuality_properties/default_pen", "ball_point_size", "1.4"));
    EXPECT_DOUBLE_EQ(PenDescription(settings()).width, 2.8);
}

TEST_F(ModelTest, InsertingGroupsKeepsTheZOrder)
{
    DocumentGraphicModel model(m_document, PenDescription(settings()), false);
    model.setPageVisible(true, true);
    EXPECT_FALSE(model.insertLayerGroup(-1, {}));
    EXPECT_FALSE(model.insertLayerGroup(4, {}));
    ASSERT_TRUE(model.insertLayerGroup(3, {}));
    ASSERT_TRUE(model.insertLayerGroup(1, {}));
    ASSERT_TRUE(model.insertLayerGroup(0, {}));
    EXPECT_EQ(zValues(model), (std::vector<qreal> {0.5, 1, 51, 101, 201, 301}));
    EXPECT_DOUBLE_EQ(model.background()->zValue(), 0.25);
}

TEST_F(ModelTest, RemovedGroupsHandTheirItemsOverAndMovesKeepThem)
{
    DocumentGraphicModel model(m_document, PenDescription(settings()), false);
    model.rotate(45);
    LayerGroupSnapshot snapshot;
    EXPECT_FALSE(model.removeLayerGroup(3, snapshot));
    ASSERT_TRUE(model.snapshotLayerGroup(0, snapshot));
    EXPECT_EQ(snapshot.items.size(), 2);
    EXPECT_EQ(model.groups().size(), 3);

    ASSERT_TRUE(model.removeLayerGroup(0, snapshot));
    EXPECT_EQ(snapshot.z, 1);
    EXPECT_EQ(snapshot.layerIndex, 0);
    EXPECT_EQ(model.groups().size(), 2);
    for (QGraphicsItem *item : snapshot.items) {
        EXPECT_EQ(item->scene(), nullptr);
        EXPECT_EQ(static_cast<GraphicsInkPathItem *>(item)->rotation(), 0);
    }
    // Inserted items take the model's rotation and the page as their bounds.
    ASSERT_TRUE(model.insertLayerGroup(2, snapshot.items));
    for (QGraphicsItem *item : snapshot.items) {
        EXPECT_EQ(item->scene(), &model);
        EXPECT_EQ(static_cast<GraphicsInkPathItem *>(item)->rotation(), 45);
        EXPECT_EQ(item->boundingRect(), model.pageRect());
    }
    EXPECT_EQ(zValues(model), (std::vector<qreal> {101, 201, 301}));

    ASSERT_TRUE(model.moveLayerGroup(2, 0));
    EXPECT_EQ(model.groups()[0]->childItems().size(), 2);
    EXPECT_FALSE(model.moveLayerGroup(0, 7));
    EXPECT_EQ(model.inkItems().size(), 4);

    // Items taken out belong to the caller; deleting them must leave the model whole.
    LayerGroupSnapshot taken;
    ASSERT_TRUE(model.removeLayerGroup(1, taken));
    qDeleteAll(taken.items);
    EXPECT_EQ(model.inkItems().size(), 3);
}

TEST_F(ModelTest, ModelsMadeAndEndedOnTwoThreadsAtOnceAreWhole)
{
    // The loader makes models while the window's thread ends others. Qt's application-wide
    // list of scenes, changed by both without a lock of its own, used to corrupt the heap.
    constexpr int kModels = 20000;
    const auto makeAndEnd = [](Nivo::Document document, const PenDescription &pen) {
        int whole = 0;
        for (int i = 0; i < kModels; ++i) {
            DocumentGraphicModel model(document, pen, kPage);
            whole += model.inkItems().size() == 4 ? 1 : 0;
        }
        return whole;
    };
    const PenDescription pen = penOfWidth(2);
    int wholeOnLoader = 0;
    std::thread loader([&] { wholeOnLoader = makeAndEnd(m_document, pen); });
    const int wholeHere = makeAndEnd(m_document, pen);
    loader.join();
    EXPECT_EQ(wholeOnLoader, kModels);
    EXPECT_EQ(wholeHere, kModels);
}

TEST_F(ModelTest, ModelsAreWholeWithoutAnEventLoop)
{
    // Items a scene has not yet polished make taking it apart quadratic in its items; the
    // loader, the command line and the disposal thread run no event loop to polish them.
    struct MetaCallCounter : QObject
    {
        int calls = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            calls += event->type() == QEvent::MetaCall ? 1 : 0;
            return false;
        }
    };
    for (const bool pressure : {false, true}) {
        DocumentGraphicModel model(m_document, PenDescription(settings()), pressure);
        MetaCallCounter counter;
        model.installEventFilter(&counter);
        QCoreApplication::sendPostedEvents(&model, QEvent::MetaCall);
        EXPECT_EQ(counter.calls, 0) << pressure;
        EXPECT_EQ(model.items().size(), 7) << pressure;
    }
}

TEST_F(ModelTest, ReceiverAnglesTurnAndMoveBackOntoTheSheet)
{
    // The point (100, 200) turned by the angle with 3.14 for pi, then shifted by the table.
    using Row = std::tuple<const char *, float, double, double>;
    for (const auto &[angle, degrees, dx, dy] :
         {Row("0", 0, 0, 0), Row("360", 0, 0, 0), Row("-720", 0, 0, 0), Row("45", 45, 874, 176),
          Row("-45", -45, -874, 176), Row("90", 90, 1050, 1485), Row("-90", -90, -1050, 1485),
          Row("135", 135, 874, 2794), Row("-135", -135, -874, 2794), Row("180", 180, 0, 2970),
          Row("450", 90, 1050, 1485), Row("inf", 0, 0, 0), Row("nan", 0, 0, 0)}) {
        Nivo::Point turned(100, 200, 0, 0, 0, 0, 0);
        turned.rotate(degrees * 3.14f / 180.0f);
        const QPointF expected(turned.x.value() + dx, turned.y.value() + dy);
        ASSERT_TRUE(settings().setAttribute("page_properties/page", "angle", angle));
        Nivo::Document document = documentOf({{lineStroke({100, 200}, {100, 200}, 2, 0)}});
        normaliseReceiverPosition(document, settings());
        const Nivo::Point &point = firstPoint(document);
        EXPECT_NEAR(point.x.value(), expected.x(), 0.05) << angle;
        EXPECT_NEAR(point.y.value(), expected.y(), 0.05) << angle;
    }
    // A huge angle is reduced in one step (whole turns of 360 cannot change it in a float).
    ASSERT_TRUE(settings().setAttribute("page_properties/page", "angle", "1e30"));
    Nivo::Document document = documentOf({{lineStroke({100, 200}, {100, 200}, 2, 0)}});
    normaliseReceiverPosition(document, settings());
    EXPECT_TRUE(std::isfinite(firstPoint(document).x.value()));
}

TEST_F(ModelTest, ThumbnailIsAWhiteSquareWithTheSketchAndAMarkerForLayers)
{
    const PenDescription pen(settings());
    // Drawn from the scene and straight from the ink (as the loader does), the two agree.
    const auto thumbnails = [&](Nivo::Document &document, int layers) {
        const QImage fromInk = renderThumbnail(document, pen, false, 230);
        DocumentGraphicModel model(document, pen, false);
        const QImage fromScene = renderThumbnail(model, 230, layers);
        EXPECT_EQ(fromInk.size(), fromScene.size());
        int differing = 0;
        for (int y = 0; y < fromInk.height(); ++y)
            for (int x = 0; x < fromInk.width(); ++x)
                differing
                    += std::abs(qGray(fromInk.pixel(x, y)) - qGray(fromScene.pixel(x, y))) > 24 ? 1
                                                                                                : 0;
        EXPECT_LT(differing, 20);
        return std::pair {fromInk, fromScene};
    };
    const auto hasMarker = [](const QImage &image) {
        for (int y = 0; y < 40; ++y)
            for (int x = 190; x < 230; ++x)
                if (image.pixel(x, y) == qRgb(227, 227, 227))
                    return true;
        return false;
    };
    Nivo::Document document = documentOf({{lineStroke({0, 0}, {1000, 2000}, 50, 1024)},
                                          {lineStroke({1000, 0}, {0, 2000}, 50, 1024)}});
    for (const QImage &thumbnail :
         {thumbnails(document, 2).first, thumbnails(document, 2).second}) {
        ASSERT_EQ(thumbnail.size(), QSize(230, 230));
        EXPECT_EQ(thumbnail.pixel(2, 228), qRgb(255, 255, 255));
        EXPECT_EQ(thumbnail.pixel(40, 115), qRgb(255, 255, 255));
        // The sketch (1:2) fills the height, centred: the diagonals cross in the middle.
        EXPECT_LT(qGray(thumbnail.pixel(115, 115)), 160);
        EXPECT_LT(qGray(thumbnail.pixel(115 - 27, 115 - 54)), 200);
        EXPECT_TRUE(hasMarker(thumbnail));
    }
    Nivo::Document single = documentOf({{lineStroke({0, 0}, {1000, 2000}, 50, 1024)}});
    EXPECT_FALSE(hasMarker(thumbnails(single, 1).first));

    // A straight line is drawn across the middle; no ink gives a blank sheet.
    Nivo::Document flat = documentOf({{lineStroke({0, 5}, {100, 5}, 5, 0)}});
    const QImage line = thumbnails(flat, 1).first;
    ASSERT_EQ(line.size(), QSize(230, 230));
    EXPECT_LT(qGray(line.pixel(115, 115)), 160);
    EXPECT_EQ(line.pixel(115, 40), qRgb(255, 255, 255));
    Nivo::Document none;
    const QImage blank = thumbnails(none, 1).first;
    ASSERT_EQ(blank.size(), QSize(230, 230));
    EXPECT_EQ(blank.pixel(115, 115), qRgb(255, 255, 255));

    // Drawing from the ink stops between strokes when asked, with no picture.
    int asked = 0;
    EXPECT_TRUE(renderThumbnail(document, pen, false, 230, [&] { return ++asked > 1; }).isNull());
    EXPECT_EQ(asked, 2);
}

TEST_F(RenderingTest, PressureSetsTheWidthAndNoPressureMeansFullWidth)
{
    // Pen width 4: pressure 1024 and 0 give 2 * 4, half and double pressure scale it.
    for (const auto &[pressure, expectedWidth] :
         {std::pair {1024u, 8}, {0u, 8}, {512u, 4}, {2048u, 16}}) {
        Nivo::Document document = documentOf({{lineStroke({-500, 0}, {500, 0}, 60, pressure)}});
        DocumentGraphicModel model(document, penOfWidth(4), kPage);
        const QImage image = render(model);
        EXPECT_NEAR(darkPixels(image, QRect(1050, 0, 1, 2970)), expectedWidth, 1)
            << "pressure " << pressure;
        EXPECT_EQ(darkPixels(image, QRect(1050 + 600, 0, 1, 2970)), 0);
    }
}

TEST_F(RenderingTest, EveryDirectionAndOnePointStrokesKeepTheirWidth)
{
    Nivo::Stroke dot;
    dot.add(Nivo::Point(0, 0, 0, 2048, 0, 0, 0));
    Nivo::Document document = documentOf({{lineStroke({0, -500}, {0, 500}, 60, 1024),
                                           lineStroke({300, 300}, {700, 700}, 60, 1024), dot}});
    DocumentGraphicModel model(document, penOfWidth(5), kPage);
    const QImage image = render(model);
    EXPECT_NEAR(darkPixels(image, QRect(0, 1485 - 200, 2100, 1)), 10, 1);
    // The diagonal is cut by a row over 10 * sqrt(2) pixels.
    EXPECT_NEAR(darkPixels(image, QRect(1050 + 400, 1485 + 500, 300, 1)), 14, 2);
    const QPolygonF &outline = model.inkItems().back()->outline();
    EXPECT_EQ(outline, QPolygonF({QPointF(0, -10), QPointF(0, 10)}));
    EXPECT_GT(model.inkItems().back()->boundingRect().height(), 0);

    // Without pressure rendering a stroke is a line of the pen's width.
    Nivo::Document plain = documentOf({{lineStroke({-300, 100}, {300, 100}, 20, 0)}});
    DocumentGraphicModel plainModel(plain, penOfWidth(2), false);
    plainModel.setSceneRect(kPage);
    EXPECT_NEAR(darkPixels(render(plainModel), QRect(1050, 0, 1, 2970)), 2, 1);
}

TEST_F(RenderingTest, StrokesDrawnSmallKeepTheirCornersAndTurningPoints)
{
    // At a tenth of full size: teeth 8 pixels wide and 6 high, drawn through many points, and
    // a stroke that runs 100 pixels down and comes back a fifth of a pixel beside itself.
    Nivo::Stroke teeth;
    for (int k = 0; k <= 320; ++k) {
        const double phase = (k % 16) / 8.0;
        teeth.add(
            Nivo::Point(-800 + 5 * k, 300 + 60 * (phase <= 1 ? phase : 2 - phase), 0, 0, 0, 0, 0));
    }
    Nivo::Stroke hairpin;
    for (int k = 0; k <= 200; ++k)
        hairpin.add(Nivo::Point(900 + (k > 100 ? 2 : 0), -1000 + 20 * (k <= 100 ? k : 200 - k), 0,
                                0, 0, 0, 0));
    Nivo::Document document = documentOf({{teeth, hairpin}});
    DocumentGraphicModel model(document, penOfWidth(2), false);
    QImage image(210, 297, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    model.render(&painter, QRectF(image.rect()), kPage);
    painter.end();

    for (int tooth = 0; tooth < 20; ++tooth) {
        const int x = 105 + (-800 + 80 * tooth + 40) / 10;
        EXPECT_GT(darkPixels(image, QRect(x - 1, 183, 3, 3)), 0) << "tip of tooth " << tooth;
        EXPECT_GT(darkPixels(image, QRect(x - 5, 177, 3, 3)), 0) << "foot of tooth " << tooth;
        EXPECT_EQ(darkPixels(image, QRect(x - 1, 176, 3, 3)), 0) << "inside tooth " << tooth;
    }
    EXPECT_GT(darkPixels(image, QRect(194, 246, 3, 3)), 0);
    EXPECT_EQ(darkPixels(image, QRect(190, 251, 10, 5)), 0);
}

TEST_F(RenderingTest, HiddenLayersDrawNothingAndLayerPensWin)
{
    Nivo::Document document = documentOf({{lineStroke({-500, 0}, {500, 0}, 40, 1024)},
                                          {lineStroke({0, -500}, {0, -100}, 40, 1024)}});
    DocumentGraphicModel model(document, penOfWidth(3), kPage);
    ASSERT_TRUE(model.setLayerVisible(0, false));
    QImage image = render(model);
    EXPECT_EQ(darkPixels(image, QRect(1050 + 300, 0, 1, 2970)), 0);
    EXPECT_GT(darkPixels(image, QRect(0, 1485 - 300, 2100, 1)), 0);
    EXPECT_TRUE(model.hideAllLayers());
    EXPECT_EQ(darkPixels(render(model), QRect(0, 1485 - 300, 2100, 1)), 0);
    EXPECT_TRUE(model.showAllLayers());
    EXPECT_FALSE(model.setLayerVisible(-1, true));

    PenDescription red = penOfWidth(3);
    red.color = Qt::red;
    ASSERT_TRUE(model.setLayerPen(1, red));
    const QColor ink = render(model).pixelColor(1050, 1485 - 300);
    EXPECT_GT(ink.red(), 200);
    EXPECT_LT(ink.green(), 60);
    EXPECT_FALSE(model.setLayerPen(2, red));
}

TEST_F(RenderingTest, RotationAndOffsetMoveWhatIsPainted)
{
    Nivo::Document document = documentOf({{lineStroke({100, 0}, {500, 0}, 40, 1024)}});
    DocumentGraphicModel model(document, penOfWidth(3), kPage);
    model.fitItemBoundsToPage();
    model.rotate(90);
    QImage image = render(model);
    // (300, 0) turned a quarter clockwise lies at (0, 300).
    EXPECT_LT(qGray(image.pixel(1050, 1485 + 300)), 128);
    EXPECT_GT(qGray(image.pixel(1050 + 300, 1485)), 200);
    model.translate(200, 0);
    image = render(model);
    EXPECT_LT(qGray(image.pixel(1050 + 200, 1485 + 300)), 128);
    EXPECT_GT(qGray(image.pixel(1050, 1485 + 300)), 200);
    model.resetTransform();
    EXPECT_EQ(model.rotation(), 0);
    EXPECT_EQ(model.offset(), QPointF());
    EXPECT_LT(qGray(render(model).pixel(1050 + 300, 1485)), 128);
}

TEST_F(RenderingTest, ThePageIsWhiteBelowEveryLayer)
{
    Nivo::Document document = documentOf({{lineStroke({-500, 0}, {500, 0}, 40, 1024)}});
    DocumentGraphicModel model(document, penOfWidth(3), kPage);
    const QImage image = render(model);
    ASSERT_NE(model.background(), nullptr);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(2099, 2969), qRgb(255, 255, 255));

    auto *extra
        = new GraphicsInkPathItem(document.elements()[0].elements()[0], model.pen(), nullptr, true);
    ASSERT_TRUE(model.insertLayerGroup(0, {extra}));
    ASSERT_TRUE(model.insertLayerGroup(0, {}));
    for (GraphicsItemsGroup *group : model.groups())
        EXPECT_LT(model.background()->zValue(), group->zValue());
    EXPECT_GT(darkPixels(renderImage(model, model.pageRect()), QRect(1050, 0, 1, 2970)), 0);
    model.setPageVisible(false, true);
    EXPECT_EQ(model.background(), nullptr);
    EXPECT_EQ(qAlpha(renderImage(model, model.pageRect()).pixel(0, 0)), 0);
}
