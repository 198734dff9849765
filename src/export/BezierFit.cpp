// Greedy covering of a polyline: from each piece's start, the farthest reach of a line and of
// a least-squares cubic (control points refined by Newton steps on the parameters, as in
// Schneider's fitting), and whichever costs fewer numbers per point covered.
#include "export/BezierFit.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kReparameterisations = 4;
// A fit off by more than four times the tolerance is not worth refining.
constexpr double kHopelessFactor = 16;
// A curve (six numbers) is taken where lines would need at least this many pieces for the
// same reach; three lines cost as many numbers, but a curve usually leads on better.
constexpr int kLinesPerCurve = 4;

double dot(const QPointF &a, const QPointF &b)
{
    return a.x() * b.x() + a.y() * b.y();
}

// Half away from zero, like std::round, without a library call.
double rounded(double value)
{
    return static_cast<double>(static_cast<long long>(value + (value < 0 ? -0.5 : 0.5)));
}

QPointF snapped(const QPointF &p)
{
    return QPointF(rounded(p.x()), rounded(p.y()));
}

double distance2ToSegment(const QPointF &p, const QPointF &a, const QPointF &b)
{
    const QPointF ab = b - a;
    const double length2 = dot(ab, ab);
    QPointF d = p - a;
    if (length2 > 0) {
        const double t = std::clamp(dot(d, ab) / length2, 0.0, 1.0);
        d -= ab * t;
    }
    return dot(d, d);
}

struct Cubic
{
    QPointF p0, c1, c2, p3;

    QPointF at(double t) const
    {
        const double s = 1 - t;
        return p0 * (s * s * s) + c1 * (3 * s * s * t) + c2 * (3 * s * t * t) + p3 * (t * t * t);
    }
    QPointF derivative(double t) const
    {
        const double s = 1 - t;
        return (c1 - p0) * (3 * s * s) + (c2 - c1) * (6 * s * t) + (p3 - c2) * (3 * t * t);
    }
    QPointF second(double t) const
    {
        return (c2 - c1 * 2 + p0) * (6 * (1 - t)) + (p3 - c2 * 2 + c1) * (6 * t);
    }
};

class Fitter
{
public:
    Fitter(const QPointF *points, int count, double tolerance)
        : m_points(points)
        , m_count(count)
        , m_tolerance2(tolerance * tolerance)
    {
        m_ends.reserve(static_cast<size_t>(count));
        m_lengths.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            m_ends.push_back(snapped(points[i]));
            const QPointF d = i > 0 ? points[i] - points[i - 1] : QPointF();
            m_lengths.push_back((i > 0 ? m_lengths.back() : 0.0) + std::sqrt(dot(d, d)));
        }
    }

    void fit(std::vector<PathPiece> &pieces)
    {
        int first = 0;
        while (first + 1 < m_count) {
            const int lineEnd = farthestLine(first);
            Cubic cubic;
            const int curveEnd = farthestCurve(first, lineEnd, cubic);
            if (curveEnd > lineEnd && linesToReach(lineEnd, curveEnd) >= kLinesPerCurve) {
                pieces.push_back({true, cubic.c1, cubic.c2, cubic.p3});
                first = curveEnd;
            } else {
                pieces.push_back({false, {}, {}, m_ends[lineEnd]});
                first = lineEnd;
            }
        }
    }

private:
    bool lineFits(int first, int last) const
    {
        // A raw segment whose ends are close to the chord lies close to it all along.
        for (int i = first + 1; i < last; ++i) {
            if (distance2ToSegment(m_points[i], m_ends[first], m_ends[last]) > m_tolerance2)
                return false;
        }
        return true;
    }

    // The last index reachable from first while fits(first, last) holds, found by doubling
    // the reach and then halving the gap; a line always reaches the next point.
    template<typename Fits> int farthest(int first, int reached, Fits fits) const
    {
        int step = std::max(1, reached - first);
        int failed = m_count;
        while (reached + step < m_count) {
            if (!fits(reached + step)) {
                failed = reached + step;
                break;
            }
            reached += step;
            step *= 2;
        }
        if (failed == m_count && reached < m_count - 1) {
            if (fits(m_count - 1))
                return m_count - 1;
            failed = m_count - 1;
        }
        while (failed - reached > 1) {
            const int middle = (reached + failed) / 2;
            (fits(middle) ? reached : failed) = middle;
        }
        return reached;
    }

    int farthestLine(int first) const
    {
        return farthest(first, first + 1, [&](int last) { return lineFits(first, last); });
    }

    int linesToReach(int from, int to) const
    {
        int lines = 1;
        while (from < to && lines < kLinesPerCurve) {
            from = farthestLine(from);
            ++lines;
        }
        return lines;
    }

    // The farthest end beyond lineEnd a curve from first reaches; lineEnd when none does.
    int farthestCurve(int first, int lineEnd, Cubic &best)
    {
        const int start = std::max(lineEnd + 1, first + 3);
        if (start >= m_count || !curveFits(first, start, best))
            return lineEnd;
        Cubic cubic;
        const int end = farthest(
            first, start, [&](int last) { return last == start || curveFits(first, last, cubic); });
        if (end != start)
            curveFits(first, end, best);
        return end;
    }

    bool curveFits(int first, int last, Cubic &cubic)
    {
        chordLengthParameters(first, last);
        for (int round = 0; round <= kReparameterisations; ++round) {
            if (!leastSquares(first, last, cubic))
                return false;
            const double error = vertexError(cubic, first, last);
            if (error <= m_tolerance2)
                return curveFollowsSegments(cubic, first, last);
            // Far off: new parameters would not bring the curve close enough.
            if (error > m_tolerance2 * kHopelessFactor || round == kReparameterisations)
                return false;
            reparameterise(cubic, first, last);
        }
        return false;
    }

    void chordLengthParameters(int first, int last)
    {
        m_parameters.resize(static_cast<size_t>(last - first + 1));
        const double start = m_lengths[first];
        const double total = m_lengths[last] - start;
        for (int i = first; i <= last; ++i)
            m_parameters[i - first] = total > 0 ? (m_lengths[i] - start) / total : 0;
    }

    // Both control points free, the ends fixed: the 2x2 normal equations, shared by x and y.
    bool leastSquares(int first, int last, Cubic &cubic) const
    {
        const QPointF p0 = m_ends[first];
        const QPointF p3 = m_ends[last];
        double a11 = 0, a12 = 0, a22 = 0;
        QPointF r1, r2;
        for (int i = first + 1; i < last; ++i) {
            const double u = m_parameters[i - first];
            const double s = 1 - u;
            const double b1 = 3 * s * s * u, b2 = 3 * s * u * u;
            const QPointF rest = m_points[i] - p0 * (s * s * s) - p3 * (u * u * u);
            a11 += b1 * b1;
            a12 += b1 * b2;
            a22 += b2 * b2;
            r1 += rest * b1;
            r2 += rest * b2;
        }
        const double determinant = a11 * a22 - a12 * a12;
        if (std::abs(determinant) < 1e-12)
            return false;
        cubic = {p0, snapped((r1 * a22 - r2 * a12) / determinant),
                 snapped((r2 * a11 - r1 * a12) / determinant), p3};
        return true;
    }

    // The largest squared distance of a point from its place on the curve.
    double vertexError(const Cubic &cubic, int first, int last) const
    {
        double largest = 0;
        for (int i = first + 1; i < last; ++i) {
            const QPointF d = cubic.at(m_parameters[i - first]) - m_points[i];
            largest = std::max(largest, dot(d, d));
        }
        return largest;
    }

    // The curve midway between two points lies near their segment: no loops or bulges
    // between sparse points.
    bool curveFollowsSegments(const Cubic &cubic, int first, int last) const
    {
        for (int i = first + 1; i <= last; ++i) {
            const double u = (m_parameters[i - first] + m_parameters[i - first - 1]) / 2;
            if (distance2ToSegment(cubic.at(u), m_points[i - 1], m_points[i]) > m_tolerance2)
                return false;
        }
        return true;
    }

    // One Newton step per point towards the parameter of its nearest point on the curve.
    void reparameterise(const Cubic &cubic, int first, int last)
    {
        for (int i = first + 1; i < last; ++i) {
            double &u = m_parameters[i - first];
            const QPointF d = cubic.at(u) - m_points[i];
            const QPointF d1 = cubic.derivative(u);
            const double denominator = dot(d1, d1) + dot(d, cubic.second(u));
            if (denominator != 0)
                u = std::clamp(u - dot(d, d1) / denominator, 0.0, 1.0);
        }
    }

    const QPointF *m_points;
    int m_count;
    // The points rounded to whole numbers: where pieces start and end.
    std::vector<QPointF> m_ends;
    // Length of the polyline from the first point to each point.
    std::vector<double> m_lengths;
    double m_tolerance2;
    std::vector<double> m_parameters;
};

} // namespace

void fitPolyline(const QPointF *points, int count, double tolerance, std::vector<PathPiece> &pieces)
{
    if (count < 2)
        return;
    Fitter(points, count, tolerance).fit(pieces);
}
