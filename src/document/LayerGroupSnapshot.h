// What a layer group held when it was taken out of a model or copied.
#pragma once

#include <QList>

class QGraphicsItem;

/// After removeLayerGroup the items belong to whoever holds the snapshot (an undo command),
/// until they are inserted into a model again.
struct LayerGroupSnapshot
{
    qreal z = 0;
    QList<QGraphicsItem *> items;
    int layerIndex = -1;
};
