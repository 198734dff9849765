// Lines and cubic Bézier curves that follow a polyline within a distance.
#pragma once

#include <QPointF>

#include <vector>

/// One piece of a fitted path, starting where the previous one ends: a line to `to`, or a
/// cubic curve through the control points c1 and c2 to `to`.
struct PathPiece
{
    bool isCurve = false;
    QPointF c1;
    QPointF c2;
    QPointF to;
};

/// Appends pieces that run from points[0] to points[count - 1], both rounded, and pass within
/// tolerance of every point, in the points' units. Every coordinate of the pieces is a whole
/// number and the tolerance holds for the rounded pieces; it must be at least 0.71 (half a
/// diagonal) for a rounded end to be close enough. Lines are chosen wherever they cost fewer
/// numbers than a curve. Consecutive points must differ. Stack use does not grow with count.
void fitPolyline(const QPointF *points, int count, double tolerance,
                 std::vector<PathPiece> &pieces);
