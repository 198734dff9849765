// Layer groups (z-order, ownership, snapshots), the receiver-position table and thumbnails.
#include "DocumentTestSupport.h"
#include "TempDirectory.h"
#include "document/BackgroundLayerPath.h"
#include "document/DocumentGraphicModel.h"
#include "document/GraphicsInkPathItem.h"
#include "document/GraphicsItemsGroup.h"
#include "document/ReceiverPosition.h"
#include "document/Thumbnail.h"

#include <cmath>

using namespace TestSupport;

namespace {

class ModelTest : public SettingsFixture
{
protected:
    Nivo::Document threeLayers()
    {
        return documentOf(
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
};

} // namespace

TEST_F(ModelTest, GroupsAndStrokesFollowTheDocument)
{
    Nivo::Document document = threeLayers();
    DocumentGraphicModel model(document, PenDescription(settings()), false);
    EXPECT_EQ(zValues(model), (std::vector<qreal> {1, 101, 201}));
    EXPECT_EQ(model.groups()[0]->childItems().size(), 2);
    for (const GraphicsInkPathItem *item : model.inkItems())
        EXPECT_EQ(item->zValue(), item->parentItem()->zValue());
    EXPECT_EQ(model.sceneRect(), QRectF(0, 0, 100, 30));
    EXPECT_EQ(model.itemIndexMethod(), QGraphicsScene::NoIndex);
    EXPECT_EQ(model.pageRect(), QRectF(-1050, -1485, 2100, 2970));
}

TEST_F(ModelTest, PressureModelOnTheSettingsPageShiftsTheDocumentUp)
{
    Nivo::Document document = threeLayers();
    DocumentGraphicModel model(document, PenDescription(settings()), true);
    EXPECT_EQ(model.offset(), QPointF(0, -1485));
    EXPECT_EQ(document.topLeft().value().y.value(), -1485);
}

TEST_F(ModelTest, InsertingGroupsKeepsTheZOrder)
{
    Nivo::Document document = threeLayers();
    DocumentGraphicModel model(document, PenDescription(settings()), false);
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
    Nivo::Document document = threeLayers();
    DocumentGraphicModel model(document, PenDescription(settings()), false);
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
    EXPECT_EQ(model.groups().size(), 3);
    EXPECT_EQ(model.inkItems().size(), 4);

    // Items taken out belong to the caller; deleting them must leave the model whole.
    LayerGroupSnapshot taken;
    ASSERT_TRUE(model.removeLayerGroup(1, taken));
    qDeleteAll(taken.items);
    EXPECT_EQ(model.inkItems().size(), 3);
}

struct AngleCase
{
    const char *angle;
    QPointF expected; // where the point (100, 200) ends up
};

class ReceiverPositionTest : public SettingsFixture, public ::testing::WithParamInterface<AngleCase>
{ };

TEST_P(ReceiverPositionTest, TurnsAndMovesBackOntoTheSheet)
{
    const AngleCase &angleCase = GetParam();
    ASSERT_TRUE(settings().setAttribute("page_properties/page", "angle", angleCase.angle));
    Nivo::Document document = documentOf({{lineStroke({100, 200}, {100, 200}, 2, 0)}});
    normaliseReceiverPosition(document, settings());
    const Nivo::Point &point = document.elements()[0].elements()[0].elements()[0];
    EXPECT_NEAR(point.x.value(), angleCase.expected.x(), 0.05) << angleCase.angle;
    EXPECT_NEAR(point.y.value(), angleCase.expected.y(), 0.05) << angleCase.angle;
}

namespace {

// The point (100, 200) turned by the angle with 3.14 for pi, then shifted as the table says.
QPointF turned(double degrees, QPointF shift)
{
    const float radians = static_cast<float>(degrees) * 3.14f / 180.0f;
    Nivo::Point point(100, 200, 0, 0, 0, 0, 0);
    point.rotate(radians);
    return QPointF(point.x.value(), point.y.value()) + shift;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(
    EveryAngle, ReceiverPositionTest,
    ::testing::Values(
        AngleCase {"0", {100, 200}}, AngleCase {"360", {100, 200}}, AngleCase {"-720", {100, 200}},
        AngleCase {"45", turned(45, {1050 - 176, 176})},
        AngleCase {"-45", turned(-45, {-(1050 - 176), 176})},
        AngleCase {"90", turned(90, {1050, 1485})}, AngleCase {"-90", turned(-90, {-1050, 1485})},
        AngleCase {"135", turned(135, {1050 - 176, 2970 - 176})},
        AngleCase {"-135", turned(-135, {-(1050 - 176), 2970 - 176})},
        AngleCase {"180", turned(180, {0, 2970})}, AngleCase {"450", turned(90, {1050, 1485})}));

TEST_F(ModelTest, MissingAngleLeavesTheDocumentAlone)
{
    TempDirectory directory;
    writeFile(
        directory.file("no-angle.xml"),
        R"(<s><page_properties><page size="A4" orientation="Portrait"/></page_properties></s>)");
    ASSERT_TRUE(settings().loadReadOnly(QString::fromStdString(directory.file("no-angle.xml"))));
    Nivo::Document document = documentOf({{lineStroke({100, 200}, {100, 200}, 2, 0)}});
    normaliseReceiverPosition(document, settings());
    EXPECT_EQ(document.elements()[0].elements()[0].elements()[0].x.value(), 100);
}

TEST_F(ModelTest, ThumbnailIsAWhiteSquareWithTheSketchAndAMarkerForLayers)
{
    Nivo::Document document = documentOf({{lineStroke({0, 0}, {1000, 2000}, 50, 1024)},
                                          {lineStroke({1000, 0}, {0, 2000}, 50, 1024)}});
    DocumentGraphicModel model(document, PenDescription(settings()), false);
    const QImage thumbnail = renderThumbnail(model, 230, 2);
    ASSERT_EQ(thumbnail.size(), QSize(230, 230));
    EXPECT_EQ(thumbnail.pixel(2, 228), qRgb(255, 255, 255));
    EXPECT_EQ(thumbnail.pixel(40, 115), qRgb(255, 255, 255));
    // The scene (1:2) fills the height, centred: the diagonals cross in the middle.
    EXPECT_LT(qGray(thumbnail.pixel(115, 115)), 160);
    EXPECT_LT(qGray(thumbnail.pixel(115 - 27, 115 - 54)), 200);
    bool marker = false;
    for (int y = 0; y < 60 && !marker; ++y)
        for (int x = 170; x < 230 && !marker; ++x)
            marker = thumbnail.pixel(x, y) == qRgb(227, 227, 227);
    EXPECT_TRUE(marker);
    const QImage single = renderThumbnail(model, 230, 1);
    for (int y = 0; y < 40; ++y)
        for (int x = 190; x < 230; ++x)
            ASSERT_NE(single.pixel(x, y), qRgb(227, 227, 227));

    Nivo::Document flat = documentOf({{lineStroke({0, 5}, {100, 5}, 5, 0)}});
    DocumentGraphicModel flatModel(flat, PenDescription(settings()), false);
    EXPECT_TRUE(renderThumbnail(flatModel, 230, 1).isNull());
}

TEST_F(ModelTest, PenComesFromTheSettings)
{
    PenDescription pen(settings());
    EXPECT_EQ(pen.color, QColor(Qt::black));
    EXPECT_DOUBLE_EQ(pen.width, 2.0);
    ASSERT_TRUE(
        settings().setAttribute("visuality_properties/default_pen", "ball_point_size", "1.4"));
    ASSERT_TRUE(
        settings().setAttribute("visuality_properties/default_pen", "rgba_color", "12 34 56"));
    pen = PenDescription(settings());
    EXPECT_DOUBLE_EQ(pen.width, 2.8);
    EXPECT_EQ(pen.color, QColor(Qt::black));
}
