// The graphics scene of one ink document: a group per layer, an item per stroke, a page.
#pragma once

#include "document/LayerGroupSnapshot.h"
#include "document/PenDescription.h"
#include "ink/Property.h"

#include <QGraphicsScene>

namespace Nivo {
class Document;
}
class BackgroundLayerPath;
class GraphicsInkPathItem;
class GraphicsItemsGroup;

/// Qt keeps every scene in one list of the application, changed without a lock whenever a
/// scene is made or destroyed. Models are made on the loader thread while others end on the
/// window's thread, so the making and the end of every model's scene take turns under one
/// lock: held from before the scene is made until the model releases it, and again from
/// the model's last step until after the scene has gone.
class SceneListTurn
{
protected:
    SceneListTurn();
    ~SceneListTurn();
    SceneListTurn(const SceneListTurn &) = delete;
    SceneListTurn &operator=(const SceneListTurn &) = delete;

    void takeSceneListTurn();
    void endSceneListTurn();

private:
    bool m_held = false;
};

/// Coordinates are ink coordinates (tenths of a millimetre, y down). The view rotation and
/// offset are applied when strokes are painted, not by rebuilding them. The model does not
/// keep the document. Built on any thread; used by one thread at a time.
class DocumentGraphicModel : private SceneListTurn, public QGraphicsScene
{
public:
    /// Page rectangle from the settings' page size, centred on the origin. Under pressure
    /// rendering the document is first shifted up by half a page.
    DocumentGraphicModel(Nivo::Document &document, const PenDescription &pen,
                         bool pressureRendering, QObject *parent = nullptr);
    /// Pressure rendering on the given page rectangle; the document is not moved.
    DocumentGraphicModel(Nivo::Document &document, const PenDescription &pen,
                         const QRectF &pageRect, QObject *parent = nullptr);
    ~DocumentGraphicModel() override;

    void populate(Nivo::Document &document);

    QRectF pageRect() const { return m_pageRect.value(); }
    QPointF offset() const { return m_offset; }
    int rotation() const { return m_rotation; }
    bool pressureRendering() const { return m_pressureRendering; }
    const PenDescription &pen() const { return m_pen; }
    const QList<GraphicsItemsGroup *> &groups() const { return m_groups; }
    BackgroundLayerPath *background() const { return m_background; }

    /// Inserts a new layer group at index holding the items (which the model then owns).
    bool insertLayerGroup(int index, const QList<QGraphicsItem *> &items);
    /// Takes a group out; its items leave the scene and belong to the snapshot's holder.
    bool removeLayerGroup(int index, LayerGroupSnapshot &snapshot);
    bool snapshotLayerGroup(int index, LayerGroupSnapshot &snapshot) const;
    bool moveLayerGroup(int from, int to);
    bool setLayerPen(int index, const PenDescription &pen);
    bool setLayerVisible(int index, bool visible);
    bool showAllLayers();
    bool hideAllLayers();

    void translate(qreal dx, qreal dy);
    /// Adds degrees to the view rotation; a zero turn changes nothing.
    void rotate(int degrees);
    void resetTransform();
    /// Shows the white page below the layers, or hides it (and, with reset, drops the view
    /// transform).
    void setPageVisible(bool show, bool reset);
    /// Widens every stroke's bounds to the page, for views that move strokes around.
    void fitItemBoundsToPage();

    /// Every stroke item, layer by layer.
    QList<GraphicsInkPathItem *> inkItems() const;

private:
    void placeBackground();
    void polishAddedItems();

    QList<GraphicsItemsGroup *> m_groups;
    BackgroundLayerPath *m_background = nullptr;
    PenDescription m_pen;
    bool m_pressureRendering;
    Nivo::Property<QRectF> m_pageRect {QRectF(-1050, -1485, 2100, 2970)};
    QPointF m_offset;
    int m_rotation = 0;
};
