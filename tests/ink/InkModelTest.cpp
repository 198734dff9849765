// The ink model's box rules, equality, copies and its rotation and shift.
#include "InkText.h"
#include "ink/Document.h"
#include "ink/SharedHandle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <thread>
#include <vector>

using namespace Nivo;

namespace {

Point xy(double x, double y)
{
    return Point(x, y, 0, 0, 0, 0, 0);
}

// "left top right bottom" of a region's box.
template<class Region> std::string box(const Region &region)
{
    return InkText::number(region.topLeft().value().x.value()) + ' '
        + InkText::number(region.topLeft().value().y.value()) + ' '
        + InkText::number(region.bottomRight().value().x.value()) + ' '
        + InkText::number(region.bottomRight().value().y.value());
}

Stroke strokeOf(std::initializer_list<Point> points)
{
    Stroke stroke;
    for (const Point &point : points)
        stroke.add(point);
    return stroke;
}

} // namespace

// The first point gives both corners whole; a corner that moves keeps only the position.
TEST(InkModel, CornersOfAStrokeKeepTheirChannelsUntilTheyMove)
{
    Stroke stroke;
    stroke.add(Point(3, 4, 5, 600, -7, 8, 900));
    EXPECT_EQ(InkText::point(stroke.topLeft().value()), "3 4 5 600 -7 8 900");
    EXPECT_EQ(InkText::point(stroke.bottomRight().value()), "3 4 5 600 -7 8 900");
    stroke.add(Point(10, 20, 0, 100, 1, 2, 3));
    EXPECT_EQ(InkText::point(stroke.topLeft().value()), "3 4 5 600 -7 8 900");
    EXPECT_EQ(InkText::point(stroke.bottomRight().value()), "10 20 0 0 0 0 0");
}

TEST(InkModel, BoxesGrowOnlyForElementsOutsideAndOnlyThroughAddAndPrepend)
{
    Stroke stroke = strokeOf({xy(0, 0), xy(10, 10)});
    stroke.add(xy(5, 5));
    EXPECT_EQ(box(stroke), "0 0 10 10");
    stroke.add(xy(-2, 12));
    EXPECT_EQ(box(stroke), "-2 0 10 12");
    // Direct edits leave the box alone.
    stroke.elements().push_back(xy(50, 50));
    stroke.elements().erase(stroke.elements().begin());
    EXPECT_EQ(box(stroke), "-2 0 10 12");

    Stroke prepended;
    prepended.prepend(xy(4, 4));
    prepended.prepend(xy(1, 1));
    EXPECT_EQ(prepended.elements().front().x.value(), 1);
    EXPECT_EQ(box(prepended), "1 1 4 4");
    Layer layer;
    layer.add(strokeOf({xy(5, 5)}));
    layer.prepend(strokeOf({xy(1, 1), xy(4, 4)}));
    EXPECT_EQ(layer.elements().size(), 2u);
    EXPECT_EQ(layer.elements().front().elements().size(), 2u);
    EXPECT_EQ(box(layer), "1 1 5 5");

    // Layers and documents take the boxes of their elements; empty ones sit at the origin.
    Document document;
    EXPECT_TRUE(document.isEmpty());
    EXPECT_EQ(box(document), "0 0 0 0");
    EXPECT_FALSE(document.complete().value());
    Layer wide;
    wide.add(strokeOf({xy(0, 0), xy(10, 5)}));
    wide.add(strokeOf({xy(-5, 2), xy(3, 30)}));
    EXPECT_EQ(box(wide), "-5 0 10 30");
    document.add(wide);
    Layer far;
    far.add(strokeOf({xy(100, -100)}));
    document.append(far);
    EXPECT_EQ(box(document), "-5 -100 100 30");
}

// Points are equal by position and z alone, so assigning an equal one keeps the target's
// other channels.
TEST(InkModel, PointEqualityLooksAtPositionAndZOnlyAndAssignmentFollowsIt)
{
    EXPECT_TRUE(Point(1, 2, 3, 10, 1, 1, 5) == Point(1, 2, 3, 99, -4, 7, 8));
    EXPECT_FALSE(Point(1, 2, 3, 0, 0, 0, 0) == Point(1, 2, 4, 0, 0, 0, 0));
    EXPECT_FALSE(Property<double>(std::nan("")) == Property<double>(std::nan("")));
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

// Every channel at its extremes stays bit for bit what it was, through adds at both ends,
// the growth of the containers, copies and moves of whole layers and documents.
TEST(InkModel, EveryChannelKeepsItsExtremesThroughGrowthCopiesAndMoves)
{
    using D = std::numeric_limits<double>;
    const Point extremes[] = {
        Point(D::max(), D::lowest(), D::denorm_min(), std::numeric_limits<unsigned>::max(),
              std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
              std::numeric_limits<unsigned long>::max()),
        Point(-0.0, D::min(), -D::max(), 0, std::numeric_limits<int>::max(),
              std::numeric_limits<int>::min(), 0),
    };
    const auto sameBits = [](const Point &a, const Point &b) {
        return std::memcmp(&a.x.value(), &b.x.value(), sizeof(double)) == 0
            && std::memcmp(&a.y.value(), &b.y.value(), sizeof(double)) == 0
            && std::memcmp(&a.z.value(), &b.z.value(), sizeof(double)) == 0
            && a.pressure.value() == b.pressure.value() && a.xtilt.value() == b.xtilt.value()
            && a.ytilt.value() == b.ytilt.value() && a.timestamp.value() == b.timestamp.value();
    };
    Document document;
    for (int l = 0; l < 3; ++l) {
        Layer layer;
        for (int s = 0; s < 40; ++s) {
            Stroke stroke;
            for (int p = 0; p < 100; ++p)
                stroke.add(extremes[p % 2]);
            stroke.prepend(extremes[1]);
            layer.addMoved(std::move(stroke));
        }
        layer.prepend(strokeOf({extremes[0]}));
        document.addMoved(std::move(layer));
    }
    // Strokes whose corners lie on the same spot but differ in their other channels: each
    // keeps its own corners when another is put before it.
    Layer taps;
    taps.elements().reserve(4);
    for (unsigned pressure : {1u, 2u, 3u})
        taps.prepend(strokeOf({Point(0, 0, 0, pressure, 0, 0, 0)}));
    for (unsigned i = 0; i < 3; ++i)
        EXPECT_EQ(taps.elements()[i].topLeft().value().pressure.value(), 3 - i);

    const Document copied = document;
    const Point *firstPoint = &document.elements()[0].elements()[1].elements()[0];
    const Document moved = std::move(document);
    // A move hands the points over where they are; a copy would put them elsewhere.
    EXPECT_EQ(&moved.elements()[0].elements()[1].elements()[0], firstPoint);
    for (const Document *seen : {&copied, &moved}) {
        ASSERT_EQ(seen->elements().size(), 3u);
        for (const Layer &layer : seen->elements()) {
            ASSERT_EQ(layer.elements().size(), 41u);
            EXPECT_TRUE(sameBits(layer.elements().front().elements().front(), extremes[0]));
            for (std::size_t s = 1; s < layer.elements().size(); ++s) {
                const auto &points = layer.elements()[s].elements();
                ASSERT_EQ(points.size(), 101u);
                EXPECT_TRUE(sameBits(points.front(), extremes[1]));
                for (std::size_t p = 1; p < points.size(); ++p)
                    ASSERT_TRUE(sameBits(points[p], extremes[(p - 1) % 2])) << s << ' ' << p;
            }
        }
    }
}

TEST(RegionOperations, ZeroAngleAndOriginAreExactNoOps)
{
    Stroke stroke = strokeOf({xy(0.1, 0.7), xy(1e-9, 12345.678), xy(0, 0)});
    const Stroke before = stroke;
    stroke.rotate(0.0f);
    EXPECT_TRUE(stroke.elements() == before.elements()); // x, y and z exactly equal
    Point origin = xy(0, 0);
    origin.rotate(1.234f);
    EXPECT_TRUE(origin == xy(0, 0));
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
    EXPECT_EQ(box(stroke), "11 102 14 106");
    EXPECT_EQ(InkText::point(stroke.topLeft().value()), "11 102 0 300 1 1 9");
    EXPECT_EQ(box(document.elements()[0]), "11 102 14 106");
    EXPECT_EQ(box(document), "11 102 14 106");
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
