// The thumbnail of a sketch, as the thumbnail list shows it.
#pragma once

#include <QImage>

#include <functional>

class QGraphicsScene;
struct PenDescription;
namespace Nivo {
class Document;
}

/// A white square of the given side with the scene rectangle drawn into it, centred and
/// keeping its aspect ratio, and a layer marker in a corner when there is more than one
/// layer. A null image when the scene rectangle has no width or height. Safe on any thread.
QImage renderThumbnail(QGraphicsScene &scene, int side, int layerCount);

/// The same thumbnail drawn straight from the document with one pen, stroke by stroke,
/// without building a scene: what a thread that must not make scenes uses. Between strokes
/// it asks `stopped`; a null image when it answered true.
QImage renderThumbnail(const Nivo::Document &document, const PenDescription &pen,
                       bool pressureRendering, int side, const std::function<bool()> &stopped = {});
