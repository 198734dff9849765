// The ink model's box rules, equality, copies and its rotation and shift.
#include "ink/Document.h"
#include "ink/SharedHandle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

using namespace Nivo;

namespace {

Point xy(double x, double y)
{
    return Point(x, y, 0, 0, 0, 0, 0);
}

void expectCorner(const Property<Point> &corner, double x, double y)
{
    EXPECT_DOUBLE_EQ(corner.value().x.value(), x);
    EXPECT_DOUBLE_EQ(corner.value().y.value(), y);
}

Stroke strokeOf(std::initializer_list<Point> points)
{
    Stroke stroke;
    for (const Point &point : points)
        stroke.add(point);
    return stroke;
}

} // namespace

TEST(InkModel, OnePointStrokeHasTheWholePointAsBothCorners)
{
    Stroke stroke;
    stroke.add(Point(3, 4, 5, 600, -7, 8, 900));
    for (const Property<Point> *corner : {&stroke.topLeft(), &stroke.bottomRight()}) {
        const Point &p = corner->value();
        EXPECT_EQ(p.x.value(), 3);
        EXPECT_EQ(p.y.value(), 4);
        EXPECT_EQ(p.z.value(), 5);
        EXPECT_EQ(p.pressure.value(), 600u);
        EXPECT_EQ(p.xtilt.value(), -7);
        EXPECT_EQ(p.ytilt.value(), 8);
        EXPECT_EQ(p.timestamp.value(), 900u);
    }
}

TEST(InkModel, MovedCornerLosesTheOtherChannelsAndTheOtherCornerKeepsThem)
{
    Stroke stroke;
    stroke.add(Point(3, 4, 0, 600, -7, 8, 900));
    stroke.add(Point(10, 20, 0, 100, 1, 2, 3));
    expectCorner(stroke.bottomRight(), 10, 20);
    EXPECT_EQ(stroke.bottomRight().value().pressure.value(), 0u);
    EXPECT_EQ(stroke.bottomRight().value().xtilt.value(), 0);
    EXPECT_EQ(stroke.bottomRight().value().timestamp.value(), 0u);
    EXPECT_EQ(stroke.topLeft().value().pressure.value(), 600u);
    EXPECT_EQ(stroke.topLeft().value().timestamp.value(), 900u);
}

TEST(InkModel, BoxGrowsOnlyWhenAnElementLiesOutside)
{
    Stroke stroke = strokeOf({xy(0, 0), xy(10, 10)});
    stroke.add(xy(5, 5));
    expectCorner(stroke.topLeft(), 0, 0);
    expectCorner(stroke.bottomRight(), 10, 10);
    stroke.add(xy(-2, 12));
    expectCorner(stroke.topLeft(), -2, 0);
    expectCorner(stroke.bottomRight(), 10, 12);
}

TEST(InkModel, EmptyRegionsHaveCornersAtTheOrigin)
{
    Document document;
    EXPECT_TRUE(document.isEmpty());
    expectCorner(document.topLeft(), 0, 0);
    expectCorner(document.bottomRight(), 0, 0);
    EXPECT_FALSE(document.complete().value());
}

TEST(InkModel, PrependPutsTheElementFirstWithTheSameBoxRule)
{
    Stroke added = strokeOf({xy(1, 1), xy(4, 4)});
    Stroke prepended;
    prepended.prepend(xy(4, 4));
    prepended.prepend(xy(1, 1));
    EXPECT_EQ(prepended.elements().front().x.value(), 1);
    expectCorner(prepended.topLeft(), 1, 1);
    expectCorner(prepended.bottomRight(), 4, 4);

    Layer layer;
    layer.add(strokeOf({xy(5, 5)}));
    layer.prepend(added);
    EXPECT_EQ(layer.elements().size(), 2u);
    EXPECT_EQ(layer.elements().front().elements().size(), 2u);
    expectCorner(layer.topLeft(), 1, 1);
    expectCorner(layer.bottomRight(), 5, 5);
}

TEST(InkModel, LayersAndDocumentsTakeTheBoxesOfTheirElements)
{
    Layer layer;
    layer.add(strokeOf({xy(0, 0), xy(10, 5)}));
    layer.add(strokeOf({xy(-5, 2), xy(3, 30)}));
    expectCorner(layer.topLeft(), -5, 0);
    expectCorner(layer.bottomRight(), 10, 30);
    Document document;
    document.add(layer);
    Layer far;
    far.add(strokeOf({xy(100, -100)}));
    document.append(far);
    expectCorner(document.topLeft(), -5, -100);
    expectCorner(document.bottomRight(), 100, 30);
}

TEST(InkModel, DirectEditsLeaveTheBoxAlone)
{
    Stroke stroke = strokeOf({xy(0, 0), xy(10, 10)});
    stroke.elements().push_back(xy(50, 50));
    stroke.elements().erase(stroke.elements().begin());
    expectCorner(stroke.topLeft(), 0, 0);
    expectCorner(stroke.bottomRight(), 10, 10);
}

TEST(InkModel, PointEqualityLooksAtPositionAndZOnly)
{
    EXPECT_TRUE(Point(1, 2, 3, 10, 1, 1, 5) == Point(1, 2, 3, 99, -4, 7, 8));
    EXPECT_FALSE(Point(1, 2, 3, 0, 0, 0, 0) == Point(1, 2, 4, 0, 0, 0, 0));
    EXPECT_FALSE(Property<double>(std::nan("")) == Property<double>(std::nan("")));
}

TEST(InkModel, AssigningAnEqualPointPropertyKeepsTheTargetsOtherChannels)
{
    Property<Point> target(Point(1, 2, 3, 500, 5, 6, 700));
    target = Property<Point>(Point(1, 2, 3, 1, 1, 1, 1));
    EXPECT_EQ(target.value().pressure.value(), 500u);
    EXPECT_EQ(target.value().timestamp.value(), 700u);
    target = Property<Point>(Point(1, 2, 4, 1, 1, 1, 1));
    EXPECT_EQ(target.value().z.value(), 4);
    EXPECT_EQ(target.value().pressure.value(), 1u);
}

TEST(InkModel, CopiesAreDeep)
{
    Layer layer;
    layer.add(strokeOf({xy(1, 1)}));
    layer.setAnnotation("tag", "first");
    Layer copy = layer;
    copy.elements().front().elements().front().x.set(99);
    copy.setAnnotation("tag", "second");
    EXPECT_EQ(layer.elements().front().elements().front().x.value(), 1);
    EXPECT_EQ(layer.annotations().at("tag"), "first");
}

TEST(RegionOperations, ZeroAngleAndOriginAreExactNoOps)
{
    Stroke stroke = strokeOf({xy(0.1, 0.7), xy(1e-9, 12345.678), xy(0, 0)});
    const Stroke before = stroke;
    stroke.rotate(0.0f);
    for (size_t i = 0; i < stroke.elements().size(); ++i) {
        EXPECT_EQ(stroke.elements()[i].x.value(), before.elements()[i].x.value());
        EXPECT_EQ(stroke.elements()[i].y.value(), before.elements()[i].y.value());
    }
    Point origin = xy(0, 0);
    origin.rotate(1.234f);
    EXPECT_EQ(origin.x.value(), 0.0);
    EXPECT_EQ(origin.y.value(), 0.0);
}

TEST(RegionOperations, AnglesOfAxesAndQuadrants)
{
    EXPECT_FLOAT_EQ(xy(0, -5).angle(), 4.712385f);
    EXPECT_FLOAT_EQ(xy(-5, 0).angle(), 3.14159f);
    EXPECT_FLOAT_EQ(xy(0, 0).angle(), 1.570795f);
    EXPECT_FLOAT_EQ(xy(5, 0).angle(), 0.0f);
    EXPECT_FLOAT_EQ(xy(-1, -1).angle(), std::atan(1.0f) - 3.14159f);
}

TEST(RegionOperations, QuarterTurnOfAPointIsFloatAccurate)
{
    Point point = xy(10, 0);
    const float quarter = static_cast<float>(M_PI / 2);
    point.rotate(quarter);
    EXPECT_EQ(point.x.value(), static_cast<double>(std::cos(quarter) * 10.0f));
    EXPECT_NE(point.x.value(), 0.0);
    EXPECT_LT(std::fabs(point.x.value()), 1e-5);
    EXPECT_NEAR(point.y.value(), 10.0, 1e-5);
}

TEST(RegionOperations, RotatedBoxIsTheBoxOfTheTurnedBox)
{
    Stroke stroke = strokeOf({xy(0, 0), xy(10, 10), xy(2, 7)});
    stroke.rotate(static_cast<float>(M_PI / 4));
    EXPECT_NEAR(stroke.topLeft().value().x.value(), -7.071, 1e-3);
    EXPECT_NEAR(stroke.topLeft().value().y.value(), 0.0, 1e-3);
    EXPECT_NEAR(stroke.bottomRight().value().x.value(), 7.071, 1e-3);
    EXPECT_NEAR(stroke.bottomRight().value().y.value(), 14.142, 1e-3);
}

TEST(RegionOperations, RotationAndShiftKeepEveryOtherChannel)
{
    Document document;
    Layer layer;
    layer.add(strokeOf({Point(10, 20, 3, 512, -3, 4, 1000), Point(15, 25, 1, 1, 2, 3, 4)}));
    document.add(layer);
    document.rotate(0.7f);
    document.shift(5, -8);
    const Point &p = document.elements()[0].elements()[0].elements()[0];
    EXPECT_EQ(p.z.value(), 3);
    EXPECT_EQ(p.pressure.value(), 512u);
    EXPECT_EQ(p.xtilt.value(), -3);
    EXPECT_EQ(p.ytilt.value(), 4);
    EXPECT_EQ(p.timestamp.value(), 1000u);
    // Shifting back and turning back returns the point within float accuracy.
    document.shift(-5, 8);
    document.rotate(-0.7f);
    EXPECT_NEAR(p.x.value(), 10, 1e-4);
    EXPECT_NEAR(p.y.value(), 20, 1e-4);
}

TEST(RegionOperations, ShiftMovesEveryLevelsCornersAndKeepsTheirChannels)
{
    Document document;
    Layer layer;
    layer.add(strokeOf({Point(1, 2, 0, 300, 1, 1, 9), xy(4, 6)}));
    document.add(layer);
    document.shift(10, 100);
    const Stroke &stroke = document.elements()[0].elements()[0];
    expectCorner(stroke.topLeft(), 11, 102);
    expectCorner(stroke.bottomRight(), 14, 106);
    EXPECT_EQ(stroke.topLeft().value().pressure.value(), 300u);
    expectCorner(document.elements()[0].topLeft(), 11, 102);
    expectCorner(document.topLeft(), 11, 102);
    expectCorner(document.bottomRight(), 14, 106);
    EXPECT_EQ(stroke.elements()[1].x.value(), 14);
}

namespace {

class StopAtSecond : public RegionVisitor<Point>
{
public:
    bool visit(Point &point) override
    {
        visited.push_back(point.x.value());
        return visited.size() < 2;
    }
    std::vector<double> visited;
};

} // namespace

TEST(RegionOperations, VisitorReturningFalseStopsTheWalk)
{
    Stroke stroke = strokeOf({xy(1, 0), xy(2, 0), xy(3, 0)});
    StopAtSecond visitor;
    EXPECT_FALSE(stroke.accept(visitor));
    EXPECT_EQ(visitor.visited, (std::vector<double> {1, 2}));
    Stroke empty;
    EXPECT_TRUE(empty.accept(visitor));
}

namespace {

struct Counted
{
    explicit Counted(int &alive)
        : alive(alive)
    {
        ++alive;
    }
    virtual ~Counted() { --alive; }
    int &alive;
};

} // namespace

TEST(SharedHandle, LastReleaseDeletesAndTakeHandsOwnershipOut)
{
    int alive = 0;
    {
        SharedHandle<Counted> first(new Counted(alive));
        SharedHandle<Counted> second = first;
        EXPECT_EQ(first.useCount(), 2);
        first.reset();
        EXPECT_EQ(alive, 1);
    }
    EXPECT_EQ(alive, 0);

    std::unique_ptr<Counted> taken;
    {
        SharedHandle<Counted> handle(new Counted(alive));
        SharedHandle<Counted> copy = handle;
        taken = handle.take();
        EXPECT_EQ(copy.get(), nullptr);
    }
    EXPECT_EQ(alive, 1);
    taken.reset();
    EXPECT_EQ(alive, 0);
}

TEST(SharedHandle, CopiesFromManyThreadsCountExactly)
{
    int alive = 0;
    {
        SharedHandle<Counted> handle(new Counted(alive));
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([handle] {
                for (int i = 0; i < 10000; ++i) {
                    SharedHandle<Counted> copy = handle;
                    (void)copy;
                }
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        EXPECT_EQ(handle.useCount(), 1);
        EXPECT_EQ(alive, 1);
    }
    EXPECT_EQ(alive, 0);
}
