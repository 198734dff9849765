// What the model paints, measured in pixels: widths, visibility, pens, page and transforms.
#include "DocumentTestSupport.h"
#include "document/BackgroundLayerPath.h"
#include "document/DocumentGraphicModel.h"
#include "document/GraphicsInkPathItem.h"
#include "document/GraphicsItemsGroup.h"
#include "export/DocumentExport.h"

#include <QPainter>

using namespace TestSupport;

namespace {

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

class RenderingTest : public SettingsFixture
{ };

} // namespace

TEST_F(RenderingTest, PressureSetsTheWidthAndNoPressureMeansFullWidth)
{
    for (const auto &[pressure, expectedWidth] :
         {std::pair {1024u, 8}, {0u, 8}, {512u, 4}, {2048u, 16}}) {
        Nivo::Document document = documentOf({{lineStroke({-500, 0}, {500, 0}, 60, pressure)}});
        DocumentGraphicModel model(document, penOfWidth(4), kPage);
        const QImage image = render(model);
        const int width = darkInColumn(image, 1050);
        EXPECT_NEAR(width, expectedWidth, 1) << "pressure " << pressure;
        EXPECT_EQ(darkInColumn(image, 1050 + 600), 0);
    }
}

TEST_F(RenderingTest, VerticalAndDiagonalStrokesKeepTheirWidth)
{
    Nivo::Document document = documentOf({{lineStroke({0, -500}, {0, 500}, 60, 1024),
                                           lineStroke({300, 300}, {700, 700}, 60, 1024)}});
    DocumentGraphicModel model(document, penOfWidth(5), kPage);
    const QImage image = render(model);
    EXPECT_NEAR(darkInRow(image, 1485 - 200), 10, 1);
    // The diagonal is cut by a row over 10 * sqrt(2) pixels.
    int diagonal = 0;
    for (int x = 1050 + 400; x < 1050 + 700; ++x)
        diagonal += qGray(image.pixel(x, 1485 + 500)) < 128 ? 1 : 0;
    EXPECT_NEAR(diagonal, 14, 2);
}

TEST_F(RenderingTest, OnePointStrokeAndStraightStrokesAreDrawn)
{
    Nivo::Stroke dot;
    dot.add(Nivo::Point(0, 0, 0, 2048, 0, 0, 0));
    Nivo::Document document = documentOf({{dot}});
    DocumentGraphicModel model(document, penOfWidth(10), kPage);
    auto *item = model.inkItems().front();
    ASSERT_EQ(item->outline().size(), 2);
    EXPECT_EQ(item->outline()[0], QPointF(0, -20));
    EXPECT_EQ(item->outline()[1], QPointF(0, 20));
    EXPECT_GT(item->boundingRect().height(), 0);

    Nivo::Document plain = documentOf({{lineStroke({-300, 100}, {300, 100}, 20, 0)}});
    DocumentGraphicModel plainModel(plain, penOfWidth(2), false);
    plainModel.setSceneRect(kPage);
    const QImage image = render(plainModel);
    EXPECT_NEAR(darkInColumn(image, 1050), 2, 1);
}

TEST_F(RenderingTest, HiddenLayersDrawNothingAndLayerPensWin)
{
    Nivo::Document document = documentOf({{lineStroke({-500, 0}, {500, 0}, 40, 1024)},
                                          {lineStroke({0, -500}, {0, -100}, 40, 1024)}});
    DocumentGraphicModel model(document, penOfWidth(3), kPage);
    ASSERT_TRUE(model.setLayerVisible(0, false));
    QImage image = render(model);
    EXPECT_EQ(darkInColumn(image, 1050 + 300), 0);
    EXPECT_GT(darkInRow(image, 1485 - 300), 0);
    EXPECT_TRUE(model.hideAllLayers());
    EXPECT_EQ(darkInRow(render(model), 1485 - 300), 0);
    EXPECT_TRUE(model.showAllLayers());

    PenDescription red = penOfWidth(3);
    red.color = Qt::red;
    ASSERT_TRUE(model.setLayerPen(1, red));
    image = render(model);
    const QColor ink = image.pixelColor(1050, 1485 - 300);
    EXPECT_GT(ink.red(), 200);
    EXPECT_LT(ink.green(), 60);
    EXPECT_FALSE(model.setLayerPen(2, red));
    EXPECT_FALSE(model.setLayerVisible(-1, true));
}

TEST_F(RenderingTest, RotationAndOffsetMoveWhatIsPainted)
{
    Nivo::Document document = documentOf({{lineStroke({100, 0}, {500, 0}, 40, 1024)}});
    DocumentGraphicModel model(document, penOfWidth(3), kPage);
    model.fitItemBoundsToPage();
    model.rotate(90);
    EXPECT_EQ(model.rotation(), 90);
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
    model.rotate(0);
    EXPECT_EQ(model.inkItems().front()->rotation(), 0);
}

TEST_F(RenderingTest, ThePageIsWhiteBelowEveryLayer)
{
    Nivo::Document document = documentOf({{lineStroke({-500, 0}, {500, 0}, 40, 1024)}});
    DocumentGraphicModel model(document, penOfWidth(3), kPage);
    model.setPageVisible(true, false);
    ASSERT_NE(model.background(), nullptr);
    EXPECT_DOUBLE_EQ(model.background()->zValue(), 0.5);
    const QImage image = renderImage(model, model.pageRect());
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(2099, 2969), qRgb(255, 255, 255));

    auto *extra
        = new GraphicsInkPathItem(document.elements()[0].elements()[0], model.pen(), nullptr, true);
    ASSERT_TRUE(model.insertLayerGroup(0, {extra}));
    ASSERT_TRUE(model.insertLayerGroup(0, {}));
    for (GraphicsItemsGroup *group : model.groups())
        EXPECT_LT(model.background()->zValue(), group->zValue());
    EXPECT_GT(darkInColumn(renderImage(model, model.pageRect()), 1050), 0);
    model.setPageVisible(false, true);
    EXPECT_EQ(model.background(), nullptr);
    EXPECT_EQ(qAlpha(renderImage(model, model.pageRect()).pixel(0, 0)), 0);
}
