// The page's marks taken from the model, their outlines as integer curves on a fine grid,
// compressed content streams built side by side, and the PDF objects around them.
#include "export/InkPdfWriter.h"

#include "document/BackgroundLayerPath.h"
#include "document/DocumentGraphicModel.h"
#include "document/GraphicsInkPathItem.h"
#include "document/GraphicsItemsGroup.h"
#include "export/BezierFit.h"

#include <QDateTime>
#include <QSet>
#include <QTransform>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>
#include <zlib.h>

namespace {

// Coordinates are whole steps of this many units (0.08 mm): short numbers, and a rounded
// vertex moves by at most 0.57 units.
constexpr double kGridUnits = 0.8;
// Every outline vertex, and the outline midway between vertices, lies this close to the
// drawn outline, rounding included: 0.06 mm, under the 0.085 mm dot of a 300 dpi printer.
// A grid of 1/15 mm within 0.05 mm made pages of handwriting a tenth larger (up to 3.2
// bytes a point) with no difference to see at 1200 dpi.
constexpr double kToleranceUnits = 0.6;
// The fit needs room for a rounded end of a piece: half a diagonal of the grid.
static_assert(kToleranceUnits / kGridUnits >= 0.7072);
// zlib's default level: level 9 saves under 2 % more of this text for over twice the time.
constexpr int kCompressionLevel = 6;
constexpr double kPointsPerUnit = 72.0 / 254.0;
// Each thread gets at least this many outline vertices; smaller documents use one.
constexpr size_t kVerticesPerStream = 50000;
constexpr size_t kMostStreams = 4;

// One thing to paint, in order: a stroke, or the sheet when stroke is null.
struct Mark
{
    const GraphicsInkPathItem *stroke = nullptr;
    QColor colour;
    QRectF sheet;
};

// Items painted as scene.render would paint them: untransformed and opaque.
bool isPlain(const QGraphicsItem &item)
{
    return item.sceneTransform().isIdentity() && item.effectiveOpacity() >= 1.0;
}

// False when the group holds something this writer does not draw.
bool addGroup(const GraphicsItemsGroup &group, std::vector<Mark> &marks)
{
    // The strokes' own pens are not readable from outside; groups always lend theirs.
    const QColor colour = group.penColor();
    if (!group.usePen() || colour.alpha() != 255)
        return false;
    for (const QGraphicsItem *child : group.childItems()) {
        if (!child->isVisible())
            continue;
        if (child->type() != GraphicsInkPathItem::Type || !isPlain(*child))
            return false;
        const auto *stroke = static_cast<const GraphicsInkPathItem *>(child);
        if (!stroke->pressureRendering())
            return false;
        if (group.isLayerVisible())
            marks.push_back({stroke, colour, {}});
    }
    return true;
}

bool addTopLevel(const QGraphicsItem &item, std::vector<Mark> &marks)
{
    if (!item.isVisible())
        return true;
    if (!isPlain(item))
        return false;
    if (item.type() == BackgroundLayerPath::Type) {
        marks.push_back({nullptr, Qt::white, item.boundingRect()});
        return true;
    }
    return item.type() == GraphicsItemsGroup::Type
        && addGroup(static_cast<const GraphicsItemsGroup &>(item), marks);
}

// What scene.render paints of the source rectangle, in its order: every top-level item
// that itself or through a child meets the rectangle, with all its children, bottom to top.
// Nothing when an item needs Qt's own painting.
std::optional<std::vector<Mark>> planMarks(const DocumentGraphicModel &model, const QRectF &source)
{
    if (!model.pressureRendering() || model.backgroundBrush().style() != Qt::NoBrush
        || model.foregroundBrush().style() != Qt::NoBrush)
        return std::nullopt;
    std::vector<Mark> marks;
    QSet<const QGraphicsItem *> done;
    const QList<QGraphicsItem *> items
        = model.items(source, Qt::IntersectsItemBoundingRect, Qt::AscendingOrder);
    for (const QGraphicsItem *item : items) {
        const QGraphicsItem *top = item->topLevelItem();
        if (done.contains(top))
            continue;
        done.insert(top);
        if (!addTopLevel(*top, marks))
            return std::nullopt;
    }
    return marks;
}

// Writes the operators of a content stream: integers on the grid, relative to an origin
// moved with `cm` from stroke to stroke so that numbers stay short.
class ContentWriter
{
public:
    explicit ContentWriter(const QRectF &source)
        : m_toGrid(QTransform::fromTranslate(-source.left(), -source.top())
                   * QTransform::fromScale(1 / kGridUnits, 1 / kGridUnits))
    { }

    void addMark(const Mark &mark)
    {
        setColour(mark.colour);
        if (mark.stroke)
            addStroke(*mark.stroke);
        else
            addSheet(m_toGrid.mapRect(mark.sheet));
    }
    std::string take() { return std::move(m_out); }

private:
    void addSheet(const QRectF &rect)
    {
        numbers({std::lround(rect.left()) - m_originX, std::lround(rect.top()) - m_originY,
                 std::lround(rect.width()), std::lround(rect.height())});
        m_out += "re f\n";
    }

    void addStroke(const GraphicsInkPathItem &stroke)
    {
        const QPolygonF &outline = stroke.outline();
        const int n = static_cast<int>(outline.size() / 2);
        if (n == 0)
            return;
        // The view transform of the stroke's own painting.
        QTransform view;
        view.translate(std::trunc(stroke.offset().x()), std::trunc(stroke.offset().y()));
        view.rotate(stroke.rotation());
        const QTransform toGrid = view * m_toGrid;
        mapSide(outline.constData(), n, toGrid, m_sides[0]);
        mapSide(outline.constData() + n, n, toGrid, m_sides[1]);
        moveOrigin();
        const double tolerance = kToleranceUnits / kGridUnits;
        for (const std::vector<QPointF> &side : m_sides) {
            m_pieces.clear();
            fitPolyline(side.data(), static_cast<int>(side.size()), tolerance, m_pieces);
            vertex(side.front(), &side == &m_sides[0] ? "m\n" : "l\n");
            for (const PathPiece &piece : m_pieces)
                addPiece(piece);
        }
        // Filled only, without the 0.2 cosmetic pen: on screen that pen is a faint seam, but
        // PDF viewers draw any line that thin a whole device pixel wide and dark, which
        // would make every stroke bolder than the model shows it.
        m_out += "f\n";
    }

    static void mapSide(const QPointF *points, int count, const QTransform &toGrid,
                        std::vector<QPointF> &side)
    {
        side.clear();
        for (int k = 0; k < count; ++k) {
            const QPointF p = toGrid.map(points[k]);
            // Repeated points would leave the fit without a direction.
            if (side.empty() || (p - side.back()).manhattanLength() > 1e-6)
                side.push_back(p);
        }
    }

    // The top left corner of the stroke's vertices: no signs, fewest digits.
    void moveOrigin()
    {
        double left = m_sides[0].front().x();
        double top = m_sides[0].front().y();
        for (const std::vector<QPointF> &side : m_sides) {
            for (const QPointF &p : side) {
                left = std::min(left, p.x());
                top = std::min(top, p.y());
            }
        }
        const long x = std::lround(left);
        const long y = std::lround(top);
        if (x == m_originX && y == m_originY)
            return;
        m_out += "1 0 0 1 ";
        numbers({x - m_originX, y - m_originY});
        m_out += "cm\n";
        m_originX = x;
        m_originY = y;
    }

    void addPiece(const PathPiece &piece)
    {
        if (piece.isCurve) {
            numbers({std::lround(piece.c1.x()) - m_originX, std::lround(piece.c1.y()) - m_originY,
                     std::lround(piece.c2.x()) - m_originX, std::lround(piece.c2.y()) - m_originY});
        }
        vertex(piece.to, piece.isCurve ? "c\n" : "l\n");
    }

    void vertex(const QPointF &p, const char *op)
    {
        const long x = std::lround(p.x()) - m_originX;
        const long y = std::lround(p.y()) - m_originY;
        // A line to where the path already is adds nothing.
        if (op[0] == 'l' && x == m_lastX && y == m_lastY)
            return;
        numbers({x, y});
        m_out += op;
        m_lastX = x;
        m_lastY = y;
    }

    void numbers(std::initializer_list<long> values)
    {
        char text[24];
        for (long value : values) {
            m_out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
            m_out += ' ';
        }
    }

    void setColour(const QColor &colour)
    {
        if (colour == m_colour)
            return;
        m_colour = colour;
        const bool grey = colour.red() == colour.green() && colour.green() == colour.blue();
        for (int channel : {colour.red(), colour.green(), colour.blue()}) {
            m_out += QByteArray::number(channel / 255.0, 'g', 3).toStdString() + ' ';
            if (grey)
                break;
        }
        m_out += grey ? "g\n" : "rg\n";
    }

    QTransform m_toGrid;
    std::string m_out;
    QColor m_colour;
    long m_originX = 0;
    long m_originY = 0;
    long m_lastX = 0;
    long m_lastY = 0;
    std::vector<QPointF> m_sides[2];
    std::vector<PathPiece> m_pieces;
};

QByteArray deflated(const std::string &text)
{
    uLongf size = compressBound(static_cast<uLong>(text.size()));
    QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
    const auto *input = reinterpret_cast<const Bytef *>(text.data());
    if (compress2(reinterpret_cast<Bytef *>(out.data()), &size, input,
                  static_cast<uLong>(text.size()), kCompressionLevel)
        != Z_OK)
        return {};
    out.truncate(static_cast<qsizetype>(size));
    return out;
}

// The compressed content of marks [first, last), self-contained: it sets up its own grid
// (y down, origin at the source's top left corner) and colour.
QByteArray contentStream(const std::vector<Mark> &marks, size_t first, size_t last,
                         const QRectF &source)
{
    const double scale = kPointsPerUnit * kGridUnits;
    std::string text = "q " + QByteArray::number(scale, 'g', 8).toStdString() + " 0 0 "
        + QByteArray::number(-scale, 'g', 8).toStdString() + " 0 "
        + QByteArray::number(source.height() * kPointsPerUnit, 'f', 4).toStdString() + " cm\n";
    ContentWriter writer(source);
    for (size_t i = first; i < last; ++i)
        writer.addMark(marks[i]);
    text += writer.take() + "Q\n";
    return deflated(text);
}

size_t vertexCount(const Mark &mark)
{
    return mark.stroke ? static_cast<size_t>(mark.stroke->outline().size()) : 1;
}

// Where each stream's marks begin (and where the last ends), so that streams hold about
// equal numbers of vertices.
std::vector<size_t> streamBounds(const std::vector<Mark> &marks)
{
    size_t total = 0;
    for (const Mark &mark : marks)
        total += vertexCount(mark);
    const size_t threads = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, kMostStreams);
    const size_t streams = std::clamp<size_t>(total / kVerticesPerStream, 1, threads);
    std::vector<size_t> bounds {0};
    size_t done = 0;
    for (size_t i = 0; i + 1 < marks.size() && bounds.size() < streams; ++i) {
        done += vertexCount(marks[i]);
        if (done * streams >= total * bounds.size())
            bounds.push_back(i + 1);
    }
    bounds.push_back(marks.size());
    return bounds;
}

// The content streams, built on as many threads; the outlines are only read meanwhile.
std::vector<QByteArray> contentStreams(const std::vector<Mark> &marks, const QRectF &source)
{
    const std::vector<size_t> bounds = streamBounds(marks);
    std::vector<QByteArray> streams(bounds.size() - 1);
    std::vector<std::thread> workers;
    for (size_t s = 1; s < streams.size(); ++s) {
        auto build
            = [&, s] { streams[s] = contentStream(marks, bounds[s], bounds[s + 1], source); };
        try {
            workers.emplace_back(build);
        } catch (const std::system_error &) {
            build();
        }
    }
    streams[0] = contentStream(marks, bounds[0], bounds[1], source);
    for (std::thread &worker : workers)
        worker.join();
    return streams;
}

QByteArray textString(const QString &text)
{
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](QChar c) { return c.unicode() >= 32 && c.unicode() < 127; });
    if (ascii) {
        QByteArray escaped = text.toLatin1();
        escaped.replace('\\', "\\\\").replace('(', "\\(").replace(')', "\\)");
        return '(' + escaped + ')';
    }
    // UTF-16 with a byte order mark, in hexadecimal.
    QByteArray hex = "<FEFF";
    for (QChar c : text)
        hex += QByteArray::number(c.unicode() + 0x10000, 16).mid(1).toUpper();
    return hex + '>';
}

QByteArray pointsText(double units)
{
    return QByteArray::number(units * kPointsPerUnit, 'f', 2);
}

// Numbered objects and the cross-reference table that finds them.
class PdfBuilder
{
public:
    PdfBuilder() { m_file = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n"; }

    int object(const QByteArray &body)
    {
        m_offsets.push_back(m_file.size());
        const int number = static_cast<int>(m_offsets.size());
        m_file += QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n";
        return number;
    }
    int stream(const QByteArray &data)
    {
        return object("<< /Length " + QByteArray::number(data.size())
                      + " /Filter /FlateDecode >>\nstream\n" + data + "\nendstream");
    }
    QByteArray finish(int root, int info)
    {
        const qsizetype xref = m_file.size();
        const QByteArray size = QByteArray::number(static_cast<qsizetype>(m_offsets.size() + 1));
        m_file += "xref\n0 " + size + "\n0000000000 65535 f \n";
        for (qsizetype offset : m_offsets)
            m_file += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
        m_file += "trailer\n<< /Size " + size + " /Root " + QByteArray::number(root) + " 0 R /Info "
            + QByteArray::number(info) + " 0 R >>\nstartxref\n" + QByteArray::number(xref)
            + "\n%%EOF\n";
        return m_file;
    }

private:
    QByteArray m_file;
    std::vector<qsizetype> m_offsets;
};

} // namespace

bool canWriteInkPdf(const DocumentGraphicModel &model, const QRectF &source)
{
    return planMarks(model, source).has_value();
}

QByteArray writeInkPdf(const DocumentGraphicModel &model, const QRectF &source,
                       const QString &title, const QString &creator)
{
    const std::optional<std::vector<Mark>> marks = planMarks(model, source);
    if (!marks || !(source.width() > 0) || !(source.height() > 0))
        return {};
    const std::vector<QByteArray> streams = contentStreams(*marks, source);
    // Objects 1 to 3 are the catalogue, the page tree and the page; the streams follow.
    QByteArray contents;
    for (size_t s = 0; s < streams.size(); ++s) {
        if (streams[s].isEmpty())
            return {};
        contents += QByteArray::number(static_cast<qsizetype>(s + 4)) + " 0 R ";
    }
    PdfBuilder pdf;
    const int catalogue = pdf.object("<< /Type /Catalog /Pages 2 0 R >>");
    pdf.object("<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
    pdf.object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + pointsText(source.width()) + ' '
               + pointsText(source.height()) + "] /Resources << >> /Contents [ " + contents
               + "] >>");
    for (const QByteArray &stream : streams)
        pdf.stream(stream);
    const QByteArray date = QDateTime::currentDateTimeUtc().toString("yyyyMMddHHmmss").toLatin1();
    const int info
        = pdf.object("<< /Title " + textString(title) + " /Creator " + textString(creator)
                     + " /Producer " + textString(creator) + " /CreationDate (D:" + date + "Z) >>");
    return pdf.finish(catalogue, info);
}
