// Handwriting lines and small drawings, sampled with pen dynamics (speed, pressure, tilt).
#include "SketchGenerator.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace Synth {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLeft = -1050 + 160;
constexpr double kRight = 1050 - 160;
constexpr double kTop = 180;
constexpr double kBottom = 2970 - 180;

using Polyline = std::vector<std::pair<double, double>>;

// Deterministic on every platform: no standard distributions.
class Random
{
public:
    // Seeds are mixed first, so that neighbouring seeds give unrelated sequences.
    explicit Random(std::uint64_t seed)
        : m_state(mix(seed ^ 0x632BE59BD9B4E019ull))
    { }
    // splitmix64
    std::uint64_t next() { return mix(m_state += 0x9E3779B97F4A7C15ull); }
    double uniform(double low, double high)
    {
        return low + (high - low) * static_cast<double>(next() >> 11) * 0x1.0p-53;
    }
    int integer(int low, int high) // inclusive
    {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool chance(double probability) { return uniform(0, 1) < probability; }

private:
    static std::uint64_t mix(std::uint64_t z)
    {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::uint64_t m_state;
};

// A smooth wobble: a few sines of random phase, for hand tremor and slow drifts.
class Wobble
{
public:
    Wobble(Random &random, double amplitude, double wavelength)
    {
        for (auto &term : m_terms)
            term = {random.uniform(0, 2 * kPi), wavelength * random.uniform(0.5, 1.5),
                    amplitude * random.uniform(0.3, 0.6)};
    }
    double at(double s) const
    {
        double value = 0;
        for (const auto &term : m_terms)
            value += term.amplitude * std::sin(2 * kPi * s / term.wavelength + term.phase);
        return value;
    }

private:
    struct Term
    {
        double phase;
        double wavelength;
        double amplitude;
    };
    Term m_terms[3];
};

// A group of strokes drawn together: one word, one object.
using Group = std::vector<Polyline>;

Polyline sampleCurve(const std::function<std::pair<double, double>(double)> &curve, int steps)
{
    Polyline line;
    line.reserve(static_cast<size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i)
        line.push_back(curve(static_cast<double>(i) / steps));
    return line;
}

Polyline chaikin(const Polyline &line, int iterations)
{
    Polyline current = line;
    for (int k = 0; k < iterations && current.size() > 2; ++k) {
        Polyline next;
        next.push_back(current.front());
        for (size_t i = 0; i + 1 < current.size(); ++i) {
            const auto [x0, y0] = current[i];
            const auto [x1, y1] = current[i + 1];
            next.emplace_back(0.75 * x0 + 0.25 * x1, 0.75 * y0 + 0.25 * y1);
            next.emplace_back(0.25 * x0 + 0.75 * x1, 0.25 * y0 + 0.75 * y1);
        }
        next.push_back(current.back());
        current.swap(next);
    }
    return current;
}

Polyline line(double x0, double y0, double x1, double y1)
{
    return sampleCurve(
        [=](double u) { return std::make_pair(x0 + (x1 - x0) * u, y0 + (y1 - y0) * u); }, 40);
}

Polyline ellipse(double cx, double cy, double rx, double ry, double start, double turns)
{
    return sampleCurve(
        [=](double u) {
            const double a = start + 2 * kPi * turns * u;
            return std::make_pair(cx + rx * std::cos(a), cy + ry * std::sin(a));
        },
        static_cast<int>(120 * turns) + 8);
}

// Letter shapes of a connected script. Each starts and ends on the baseline, so letters
// join; u runs from 0 to 1 through one letter.
enum class LetterShape { SmallLoop, TallLoop, Arch, DoubleArch, Round, Descender };

struct Letter
{
    LetterShape shape;
    double advance;
    double height;
};

std::pair<double, double> letterOffset(const Letter &letter, double u)
{
    const double t = 2 * kPi * u;
    const double a = letter.advance;
    const double h = letter.height;
    switch (letter.shape) {
    case LetterShape::SmallLoop:
    case LetterShape::TallLoop:
        return {a * u - a * 0.32 * std::sin(t), -h * (1 - std::cos(t)) / 2};
    case LetterShape::Arch:
        return {a * u - a * 0.08 * std::sin(t), -h * std::pow(std::sin(kPi * u), 0.7)};
    case LetterShape::DoubleArch:
        return {a * u - a * 0.05 * std::sin(2 * t),
                -h * std::pow(std::fabs(std::sin(2 * kPi * u)), 0.7)};
    case LetterShape::Round:
        return {a * u - a * 0.45 * std::sin(t), -h * (1 - std::cos(t)) / 2};
    case LetterShape::Descender:
        return {a * u - a * 0.25 * std::sin(t), h * (1 - std::cos(t)) / 2};
    }
    return {a * u, 0.0};
}

Letter randomLetter(Random &random, double size)
{
    const double r = random.uniform(0, 1);
    const double jitter = random.uniform(0.9, 1.1);
    if (r < 0.26)
        return {LetterShape::SmallLoop, size * 0.8 * jitter, size * jitter};
    if (r < 0.42)
        return {LetterShape::Arch, size * 0.9 * jitter, size * jitter};
    if (r < 0.5)
        return {LetterShape::DoubleArch, size * 1.5 * jitter, size * jitter};
    if (r < 0.68)
        return {LetterShape::Round, size * 1.0 * jitter, size * 0.95 * jitter};
    if (r < 0.9)
        return {LetterShape::TallLoop, size * 0.7 * jitter, size * 2.3 * jitter};
    return {LetterShape::Descender, size * 0.7 * jitter, size * 1.5 * jitter};
}

// One handwritten word: joined letters, slanted, with an occasional dot or bar after it.
Group cursiveWord(Random &random, double x0, double baseline, double size, int count, double slant,
                  double &endX)
{
    std::vector<Letter> letters;
    std::vector<double> starts;
    double x = 0;
    for (int i = 0; i < count; ++i) {
        letters.push_back(randomLetter(random, size));
        starts.push_back(x);
        x += letters.back().advance;
    }
    const int perLetter = 28;
    Polyline word;
    // A short lead-in stroke from below the baseline, as a hand starts a word.
    word.emplace_back(x0 - size * 0.3, baseline + size * 0.15);
    for (int i = 0; i < count; ++i) {
        for (int k = (i == 0 ? 0 : 1); k <= perLetter; ++k) {
            const auto [dx, dy] = letterOffset(letters[i], static_cast<double>(k) / perLetter);
            const double y = baseline + dy;
            word.emplace_back(x0 + starts[i] + dx + slant * (baseline - y), y);
        }
    }
    word.emplace_back(x0 + x + size * 0.3, baseline - size * 0.35);
    endX = x0 + x + size * 0.3;
    Group group {chaikin(word, 1)};
    if (random.chance(0.35)) {
        const int at = random.integer(0, count - 1);
        const double cx = x0 + starts[at] + letters[at].advance * 0.5;
        if (random.chance(0.5))
            group.push_back(line(cx + slant * size * 1.8, baseline - size * 1.8,
                                 cx + slant * size * 1.8 + 3, baseline - size * 1.9));
        else
            group.push_back(line(cx - size * 0.5 + slant * size * 1.5, baseline - size * 1.5,
                                 cx + size * 0.7 + slant * size * 1.6, baseline - size * 1.6));
    }
    return group;
}

std::vector<Group> handwritingLines(Random &random, double top, double bottom, double size)
{
    std::vector<Group> groups;
    const double lineHeight = size * random.uniform(3.6, 4.2);
    const double slant = random.uniform(0.12, 0.3);
    for (double baseline = top + size * 2.5; baseline < bottom - size; baseline += lineHeight) {
        double x = kLeft + random.uniform(0, 60);
        const double lineEnd = kRight - random.uniform(0, 200);
        const Wobble drift(random, size * 0.25, 600);
        while (x < lineEnd - size * 3) {
            double endX = x;
            const int letters = random.integer(1, 7);
            Group word = cursiveWord(random, x, baseline + drift.at(x), size, letters, slant, endX);
            if (endX > kRight)
                break;
            groups.push_back(std::move(word));
            x = endX + size * random.uniform(1.2, 2.0);
        }
    }
    return groups;
}

Group house(Random &random, double cx, double cy, double size)
{
    const double w = size * random.uniform(0.8, 1.0);
    const double h = size * random.uniform(0.6, 0.75);
    const double left = cx - w / 2;
    const double right = cx + w / 2;
    const double floor = cy + h / 2;
    const double eaves = cy - h / 2;
    Group group;
    group.push_back(chaikin({{left, eaves}, {left, floor}, {right, floor}, {right, eaves}}, 1));
    group.push_back(chaikin(
        {{left - w * 0.08, eaves + 4}, {cx, eaves - h * 0.7}, {right + w * 0.08, eaves + 4}}, 1));
    const double doorW = w * 0.18;
    group.push_back(chaikin({{cx - doorW, floor},
                             {cx - doorW, floor - h * 0.45},
                             {cx + doorW, floor - h * 0.45},
                             {cx + doorW, floor}},
                            1));
    const double win = w * 0.13;
    group.push_back(chaikin({{left + w * 0.12, eaves + h * 0.18},
                             {left + w * 0.12 + 2 * win, eaves + h * 0.18},
                             {left + w * 0.12 + 2 * win, eaves + h * 0.18 + 2 * win},
                             {left + w * 0.12, eaves + h * 0.18 + 2 * win},
                             {left + w * 0.12, eaves + h * 0.18}},
                            1));
    return group;
}

Group tree(Random &random, double cx, double cy, double size)
{
    Group group;
    const double trunkTop = cy - size * 0.05;
    const double ground = cy + size * 0.5;
    group.push_back(line(cx - size * 0.06, ground, cx - size * 0.04, trunkTop));
    group.push_back(line(cx + size * 0.06, ground, cx + size * 0.04, trunkTop));
    // The crown: overlapping loops around a centre.
    const double crownY = cy - size * 0.28;
    const int puffs = random.integer(5, 8);
    Polyline crown;
    for (int i = 0; i <= puffs * 30; ++i) {
        const double u = static_cast<double>(i) / (puffs * 30);
        const double a = 2 * kPi * u;
        const double r = size * (0.32 + 0.07 * std::sin(puffs * a));
        crown.emplace_back(cx + r * std::cos(a), crownY + r * 0.85 * std::sin(a));
    }
    group.push_back(crown);
    return group;
}

Group sun(Random &random, double cx, double cy, double size)
{
    Group group;
    const double r = size * 0.22;
    group.push_back(ellipse(cx, cy, r, r, random.uniform(0, kPi), 1.06));
    const int rays = random.integer(8, 12);
    for (int i = 0; i < rays; ++i) {
        const double a = 2 * kPi * i / rays + random.uniform(-0.08, 0.08);
        group.push_back(line(cx + r * 1.3 * std::cos(a), cy + r * 1.3 * std::sin(a),
                             cx + r * 1.9 * std::cos(a), cy + r * 1.9 * std::sin(a)));
    }
    return group;
}

Group flower(Random &random, double cx, double cy, double size)
{
    Group group;
    const int petals = random.integer(3, 6);
    const double r = size * 0.25;
    const double headY = cy - size * 0.2;
    group.push_back(sampleCurve(
        [=](double u) {
            const double a = 2 * kPi * u;
            const double radius = r * (0.25 + 0.75 * std::fabs(std::cos(petals * a / 2)));
            return std::make_pair(cx + radius * std::cos(a), headY + radius * std::sin(a));
        },
        360));
    group.push_back(ellipse(cx, headY, r * 0.18, r * 0.18, 0, 1.1));
    group.push_back(chaikin({{cx, headY + r * 0.3},
                             {cx + size * 0.05, cy + size * 0.15},
                             {cx - size * 0.02, cy + size * 0.5}},
                            3));
    group.push_back(ellipse(cx + size * 0.12, cy + size * 0.2, size * 0.1, size * 0.04, 0.4, 1.0));
    return group;
}

Group spiral(Random &random, double cx, double cy, double size)
{
    const double turns = random.uniform(2.5, 5);
    const double start = random.uniform(0, 2 * kPi);
    return {sampleCurve(
        [=](double u) {
            const double a = start + 2 * kPi * turns * u;
            const double r = size * 0.45 * u + 4;
            return std::make_pair(cx + r * std::cos(a), cy + r * std::sin(a));
        },
        static_cast<int>(turns * 90))};
}

Group boat(Random &random, double cx, double cy, double size)
{
    Group group;
    const double w = size * 0.9;
    group.push_back(chaikin({{cx - w / 2, cy},
                             {cx - w * 0.35, cy + size * 0.18},
                             {cx + w * 0.35, cy + size * 0.18},
                             {cx + w / 2, cy},
                             {cx - w / 2, cy}},
                            1));
    group.push_back(line(cx, cy, cx, cy - size * 0.6));
    group.push_back(chaikin(
        {{cx + 5, cy - size * 0.55}, {cx + w * 0.35, cy - size * 0.08}, {cx + 5, cy - size * 0.08}},
        1));
    for (int k = 0; k < 2; ++k) {
        const double y = cy + size * (0.28 + 0.1 * k);
        const double phase = random.uniform(0, kPi);
        group.push_back(sampleCurve(
            [=](double u) {
                const double x = cx - w * 0.7 + w * 1.4 * u;
                return std::make_pair(x, y + size * 0.03 * std::sin(6 * kPi * u + phase));
            },
            120));
    }
    return group;
}

Group star(Random &random, double cx, double cy, double size)
{
    const int points = random.integer(5, 7);
    const double outer = size * 0.45;
    const double inner = outer * random.uniform(0.38, 0.5);
    const double start = -kPi / 2;
    Polyline corners;
    for (int i = 0; i <= 2 * points; ++i) {
        const double a = start + kPi * i / points;
        const double r = i % 2 == 0 ? outer : inner;
        corners.emplace_back(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    return {chaikin(corners, 2)};
}

Group hatching(Random &random, double cx, double cy, double size)
{
    Group group;
    const int lines = random.integer(6, 14);
    const double w = size * 0.7;
    const double h = size * 0.5;
    for (int i = 0; i < lines; ++i) {
        const double x = cx - w / 2 + w * i / (lines - 1);
        group.push_back(line(x - h * 0.25, cy + h / 2 + random.uniform(-5, 5), x + h * 0.25,
                             cy - h / 2 + random.uniform(-5, 5)));
    }
    return group;
}

Group scribble(Random &random, double cx, double cy, double size)
{
    Polyline path;
    double x = cx;
    double y = cy;
    double heading = random.uniform(0, 2 * kPi);
    const Wobble turn(random, 0.35, 60);
    const int steps = random.integer(250, 600);
    for (int i = 0; i < steps; ++i) {
        heading += turn.at(i) * 0.6;
        // Pull back towards the centre so the scribble stays a cloud.
        const double dx = cx - x;
        const double dy = cy - y;
        if (std::hypot(dx, dy) > size * 0.4)
            heading = std::atan2(dy, dx) + random.uniform(-0.6, 0.6);
        x += 4 * std::cos(heading);
        y += 4 * std::sin(heading);
        path.emplace_back(x, y);
    }
    return {path};
}

using ObjectMaker = Group (*)(Random &, double, double, double);

constexpr ObjectMaker kObjects[]
    = {house, tree, sun, flower, spiral, boat, star, hatching, scribble};

std::vector<Group> drawing(Random &random, double top, double bottom)
{
    std::vector<Group> groups;
    const int columns = 2;
    const int rows = std::max(1, static_cast<int>((bottom - top) / 850));
    const double cellW = (kRight - kLeft) / columns;
    const double cellH = (bottom - top) / rows;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (random.chance(0.2))
                continue;
            const double cx = kLeft + cellW * (column + 0.5) + random.uniform(-60, 60);
            const double cy = top + cellH * (row + 0.5) + random.uniform(-60, 60);
            const double size = std::min(cellW, cellH) * random.uniform(0.65, 0.85);
            const ObjectMaker make = kObjects[random.integer(0, std::size(kObjects) - 1)];
            groups.push_back(make(random, cx, cy, size));
        }
    }
    if (groups.empty())
        groups.push_back(star(random, 0, (top + bottom) / 2, 500));
    return groups;
}

// One page worth of groups of the chosen kind.
std::vector<Group> composePage(Random &random, SketchKind kind)
{
    const double size = random.uniform(26, 36);
    switch (kind) {
    case SketchKind::Handwriting:
        return handwritingLines(random, kTop, kBottom, size);
    case SketchKind::Drawing:
        return drawing(random, kTop, kBottom);
    case SketchKind::Mixed:
    case SketchKind::Any: {
        const double split = kTop + (kBottom - kTop) * random.uniform(0.55, 0.7);
        std::vector<Group> groups = drawing(random, kTop, split);
        std::vector<Group> text = handwritingLines(random, split + 40, kBottom, size);
        groups.insert(groups.end(), text.begin(), text.end());
        return groups;
    }
    }
    return {};
}

// Walks a polyline at pen speed, one sample every 10 ms, with pressure rising and falling.
struct PenState
{
    std::uint32_t clock = 0;
    double baseTiltX = 0;
    double baseTiltY = 0;
};

SynthStroke penStroke(Random &random, const Polyline &path, PenState &pen)
{
    SynthStroke stroke;
    if (path.empty())
        return stroke;
    std::vector<double> lengths(path.size(), 0.0);
    for (size_t i = 1; i < path.size(); ++i)
        lengths[i] = lengths[i - 1]
            + std::hypot(path[i].first - path[i - 1].first, path[i].second - path[i - 1].second);
    const double total = lengths.back();
    const double topSpeed = random.uniform(6, 11); // tenths of a millimetre per 10 ms
    const double peakPressure = random.uniform(850, 1250);
    const Wobble tremor(random, 0.5, 160);
    const Wobble pressureDrift(random, 90, 120);
    const Wobble tiltDrift(random, 5, 300);
    double s = 0;
    size_t segment = 1;
    for (;;) {
        while (segment < path.size() - 1 && lengths[segment] < s)
            ++segment;
        double x = path.back().first;
        double y = path.back().second;
        if (path.size() > 1 && total > 0) {
            const double span = lengths[segment] - lengths[segment - 1];
            const double f
                = span > 0 ? std::clamp((s - lengths[segment - 1]) / span, 0.0, 1.0) : 0.0;
            x = path[segment - 1].first + (path[segment].first - path[segment - 1].first) * f;
            y = path[segment - 1].second + (path[segment].second - path[segment - 1].second) * f;
        }
        const double progress = total > 0 ? s / total : 1.0;
        Sample sample;
        sample.x = std::clamp(x + tremor.at(s), -1045.0, 1045.0);
        sample.y = std::clamp(y + tremor.at(s + 17.0), 1.0, 2965.0);
        const double envelope
            = std::pow(std::sin(kPi * std::clamp(progress * 0.92 + 0.04, 0.0, 1.0)), 0.45);
        sample.pressure = static_cast<int>(std::clamp(
            180 + (peakPressure - 180) * envelope + pressureDrift.at(s) + random.uniform(-12, 12),
            60.0, 16383.0));
        sample.tiltX = static_cast<int>(std::lround(pen.baseTiltX + tiltDrift.at(s)));
        sample.tiltY = static_cast<int>(std::lround(pen.baseTiltY + tiltDrift.at(s + 91.0)));
        sample.timeMs = pen.clock & 0xFFFFFF;
        pen.clock += 9 + static_cast<std::uint32_t>(random.integer(0, 2));
        // The second sample's pressure arrives while the stroke still holds one point and
        // would overwrite the first one's; a touching-down pen holds its pressure anyway.
        if (stroke.samples.size() == 1)
            sample.pressure = stroke.samples.front().pressure;
        stroke.samples.push_back(sample);
        if (s >= total)
            break;
        // Slower at both ends of a stroke, as a hand is.
        const double speed
            = topSpeed * (0.35 + 0.65 * std::sin(kPi * std::clamp(progress, 0.05, 0.95)));
        s = std::min(total, s + speed);
    }
    return stroke;
}

} // namespace

std::size_t SynthSketch::pointCount() const
{
    std::size_t count = 0;
    for (const SynthLayer &layer : layers)
        for (const SynthStroke &stroke : layer.strokes)
            count += stroke.samples.size();
    return count;
}

const char *kindName(SketchKind kind)
{
    switch (kind) {
    case SketchKind::Handwriting:
        return "handwriting";
    case SketchKind::Drawing:
        return "drawing";
    case SketchKind::Mixed:
        return "mixed";
    case SketchKind::Any:
        return "any";
    }
    return "any";
}

SynthSketch generateSketch(const SketchOptions &options)
{
    Random random(options.seed);
    SynthSketch sketch;
    sketch.date[0] = 2025 + random.integer(0, 1);
    sketch.date[1] = random.integer(1, 12);
    sketch.date[2] = random.integer(1, 28);
    sketch.date[3] = random.integer(8, 21);
    sketch.date[4] = random.integer(0, 59);
    sketch.date[5] = random.integer(0, 59);

    SketchKind kind = options.kind;
    if (kind == SketchKind::Any) {
        const SketchKind kinds[]
            = {SketchKind::Handwriting, SketchKind::Drawing, SketchKind::Mixed};
        kind = kinds[random.integer(0, 2)];
    }
    PenState pen;
    pen.clock = static_cast<std::uint32_t>(random.integer(0, 0x7FFFFF));
    pen.baseTiltX = random.uniform(20, 45);
    pen.baseTiltY = random.uniform(-35, -10);

    // Strokes as groups, page after page until there are enough samples.
    std::vector<std::vector<SynthStroke>> groups;
    std::size_t total = 0;
    const bool onePage = options.points == 0;
    while (onePage ? groups.empty() : total < options.points) {
        for (const Group &group : composePage(random, kind)) {
            std::vector<SynthStroke> strokes;
            for (const Polyline &path : group) {
                SynthStroke stroke = penStroke(random, path, pen);
                total += stroke.samples.size();
                strokes.push_back(std::move(stroke));
                pen.clock += static_cast<std::uint32_t>(random.integer(120, 450));
            }
            groups.push_back(std::move(strokes));
            pen.clock += static_cast<std::uint32_t>(random.integer(300, 1200));
            if (!onePage && total >= options.points)
                break;
        }
    }

    // Cut to the exact number of samples.
    std::size_t excess = onePage ? 0 : total - options.points;
    while (excess > 0 && !groups.empty()) {
        auto &strokes = groups.back();
        auto &samples = strokes.back().samples;
        const std::size_t cut = std::min(excess, samples.size());
        samples.resize(samples.size() - cut);
        excess -= cut;
        if (samples.empty())
            strokes.pop_back();
        if (strokes.empty())
            groups.pop_back();
    }

    // Consecutive groups share a layer; with more layers than groups, split strokes.
    std::vector<SynthStroke> flat;
    std::vector<std::size_t> groupStarts;
    for (auto &strokes : groups) {
        groupStarts.push_back(flat.size());
        for (auto &stroke : strokes)
            flat.push_back(std::move(stroke));
    }
    const std::size_t layerCount = std::max<std::size_t>(
        1, std::min<std::size_t>(options.layers, std::max<std::size_t>(1, flat.size())));
    sketch.layers.resize(layerCount);
    const bool byGroup = groups.size() >= layerCount;
    for (std::size_t layer = 0; layer < layerCount; ++layer) {
        std::size_t begin = 0;
        std::size_t end = 0;
        if (byGroup) {
            const std::size_t g0 = layer * groups.size() / layerCount;
            const std::size_t g1 = (layer + 1) * groups.size() / layerCount;
            begin = groupStarts[g0];
            end = g1 < groups.size() ? groupStarts[g1] : flat.size();
        } else {
            begin = layer * flat.size() / layerCount;
            end = (layer + 1) * flat.size() / layerCount;
        }
        for (std::size_t i = begin; i < end; ++i)
            sketch.layers[layer].strokes.push_back(std::move(flat[i]));
    }
    return sketch;
}

SynthSketch generateDotLayers(std::uint64_t seed, std::size_t layers)
{
    Random random(seed);
    SynthSketch sketch;
    sketch.layers.resize(layers);
    std::uint32_t clock = static_cast<std::uint32_t>(random.integer(0, 0x7FFFFF));
    for (SynthLayer &layer : sketch.layers) {
        Sample sample;
        sample.x = random.uniform(kLeft, kRight);
        sample.y = random.uniform(kTop, kBottom);
        sample.pressure = random.integer(2000, 9000);
        sample.tiltX = random.integer(20, 45);
        sample.tiltY = random.integer(-35, -10);
        sample.timeMs = clock & 0xFFFFFF;
        clock += static_cast<std::uint32_t>(random.integer(150, 600));
        layer.strokes.push_back(SynthStroke {{sample}});
    }
    return sketch;
}

} // namespace Synth
