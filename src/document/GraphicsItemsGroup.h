// The graphics group of one layer: its visibility, index and pen.
#pragma once

#include "document/PenDescription.h"
#include "ink/Property.h"

#include <QGraphicsItemGroup>

class GraphicsItemsGroup : public QGraphicsItemGroup
{
public:
    enum { Type = UserType + 1 };

    GraphicsItemsGroup(const PenDescription &pen, QGraphicsItem *parent, bool visible,
                       int layerIndex);
    ~GraphicsItemsGroup() override;

    int type() const override { return Type; }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    /// Whether the layer is drawn; separate from QGraphicsItem visibility so that hidden
    /// layers keep their place in the scene.
    bool isLayerVisible() const { return m_visible.value(); }
    void setLayerVisible(bool visible) { m_visible.set(visible); }
    int layerIndex() const { return m_layerIndex.value(); }
    void setLayerIndex(int index) { m_layerIndex.set(index); }
    /// When set, the group's pen colour and width win over the strokes' own.
    int usePen() const { return m_usePen; }
    void setUsePen(int usePen) { m_usePen = usePen; }
    QColor penColor() const { return m_pen.color; }
    void setPenColor(const QColor &color) { m_pen.color = color; }
    double penWidth() const { return m_pen.width; }
    void setPenWidth(double width) { m_pen.width = width; }
    const PenDescription &pen() const { return m_pen; }

private:
    Nivo::Property<bool> m_visible;
    Nivo::Property<int> m_layerIndex;
    int m_usePen = 1;
    PenDescription m_pen;
};
