// The thumbnail of a sketch, as the thumbnail list shows it.
#pragma once

#include <QImage>

class QGraphicsScene;

/// A white square of the given side with the scene rectangle drawn into it, centred and
/// keeping its aspect ratio, and a layer marker in a corner when there is more than one
/// layer. A null image when the scene rectangle has no width or height. Safe on any thread.
QImage renderThumbnail(QGraphicsScene &scene, int side, int layerCount);
