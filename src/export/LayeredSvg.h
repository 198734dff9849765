// An SVG document that keeps a sketch's layers as Inkscape layers.
#pragma once

#include <QByteArray>
#include <QRectF>

class QGraphicsScene;
struct SketchLayers;

/// The scene's source rectangle drawn as SVG with Qt's generator, in the rectangle's units
/// (tenths of a millimetre, so the declared size is the sheet's in millimetres). Titled with
/// the sketch's name and described by its layer and stroke counts. For a document model the
/// page, when shown, is a locked plain group at the bottom and every layer group follows as
/// an Inkscape layer in document order, labelled by names.layerNames; a hidden layer is kept
/// but not displayed. Other scenes are drawn as one group. Empty when nothing could be drawn
/// (an empty rectangle). Call on the thread that owns the scene.
QByteArray layeredSvg(QGraphicsScene &scene, const QRectF &source, const SketchLayers &names);
