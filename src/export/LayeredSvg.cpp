// Each layer drawn alone through Qt's SVG generator, the pieces put together under one
// header with Inkscape's layer markup.
#include "export/LayeredSvg.h"

#include "document/DocumentGraphicModel.h"
#include "document/GraphicsItemsGroup.h"
#include "export/ExportSupport.h"
#include "export/SketchLayers.h"

#include <QBuffer>
#include <QGraphicsScene>
#include <QPainter>
#include <QSvgGenerator>

namespace {

// Qt's generator writes a header, its definitions and then the body, one group of default
// attributes holding everything drawn; a piece of the file is the definitions and that body.
bool appendPiece(QGraphicsScene &scene, const QRectF &source, const QSize &size, QByteArray &out)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        // Only the output device: giving the generator a file name too would make it open
        // (and leak) a file of its own.
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        // Ten units per millimetre.
        generator.setResolution(254);
        QPainter painter;
        if (!painter.begin(&generator))
            return false;
        prepareExportPainter(painter);
        scene.render(&painter, QRectF(QPointF(0, 0), size), source, Qt::KeepAspectRatio);
        if (!painter.end())
            return false;
    }
    const QByteArray &svg = buffer.data();
    const QByteArray defsOpen = "<defs>";
    const QByteArray defsClose = "</defs>";
    const qsizetype defsStart = svg.indexOf(defsOpen);
    const qsizetype defsEnd = defsStart < 0 ? -1 : svg.indexOf(defsClose, defsStart);
    const qsizetype bodyEnd = svg.lastIndexOf("</svg>");
    if (defsEnd < 0 || bodyEnd < defsEnd)
        return false;
    const qsizetype defsFrom = defsStart + defsOpen.size();
    // Ink and the sheet paint with plain colours, so a piece defines nothing in practice;
    // what one would define stays inside its own group.
    if (!svg.mid(defsFrom, defsEnd - defsFrom).trimmed().isEmpty())
        out.append(svg.constData() + defsStart, defsEnd + defsClose.size() - defsStart);
    const qsizetype bodyStart = defsEnd + defsClose.size();
    out.append(svg.constData() + bodyStart, bodyEnd - bodyStart);
    return true;
}

QByteArray plural(int count, const char *one, const char *many)
{
    return QByteArray::number(count) + ' ' + (count == 1 ? one : many);
}

QByteArray header(const QSize &size, const QString &title, const QByteArray &description)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg width=\""
        + QByteArray::number(size.width() / 10.0, 'g', 12) + "mm\" height=\""
        + QByteArray::number(size.height() / 10.0, 'g', 12) + "mm\"\n viewBox=\"0 0 "
        + QByteArray::number(size.width()) + ' ' + QByteArray::number(size.height())
        + "\"\n xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\"\n"
          " xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\"\n"
          " xmlns:sodipodi=\"http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd\"\n"
          " version=\"1.2\" baseProfile=\"tiny\">\n<title>"
        + xmlEscaped(title) + "</title>\n<desc>" + description
        + "</desc>\n<sodipodi:namedview id=\"view\" pagecolor=\"#ffffff\" "
          "inkscape:document-units=\"mm\"/>\n";
}

bool appendLayers(DocumentGraphicModel &model, const QRectF &source, const QSize &size,
                  const SketchLayers &names, QByteArray &out)
{
    if (model.background()) {
        // Locked, so that selecting in Inkscape reaches the ink and not the sheet under it.
        out += "<g id=\"page\" sodipodi:insensitive=\"true\">";
        const SoloLayer page(model, -1);
        if (!appendPiece(model, source, size, out))
            return false;
        out += "</g>\n";
    }
    const QList<GraphicsItemsGroup *> &groups = model.groups();
    for (int i = 0; i < groups.size(); ++i) {
        const QString label = i < names.layerNames.size() ? names.layerNames[i] : QString();
        const bool shown = groups[i]->isLayerVisible() && groups[i]->isVisible();
        out += "<g id=\"layer" + QByteArray::number(i + 1)
            + "\" inkscape:groupmode=\"layer\" inkscape:label=\"" + xmlEscaped(label)
            + "\" style=\"display:" + (shown ? "inline" : "none") + "\">";
        const SoloLayer alone(model, i);
        if (!appendPiece(model, source, size, out))
            return false;
        out += "</g>\n";
    }
    return true;
}

} // namespace

QByteArray layeredSvg(QGraphicsScene &scene, const QRectF &source, const SketchLayers &names)
{
    const QSize size(static_cast<int>(source.width()), static_cast<int>(source.height()));
    if (size.isEmpty())
        return {};
    auto *model = dynamic_cast<DocumentGraphicModel *>(&scene);
    QByteArray description = "Drawn with the Quillo pen";
    if (model)
        description += "; " + plural(static_cast<int>(model->groups().size()), "layer", "layers")
            + ", " + plural(strokeCount(*model), "stroke", "strokes");
    QByteArray out = header(size, names.sketchName, description);
    const bool drawn = model ? appendLayers(*model, source, size, names, out)
                             : appendPiece(scene, source, size, out);
    if (!drawn)
        return {};
    out += "</svg>\n";
    return out;
}
