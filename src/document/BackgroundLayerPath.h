// The white sheet drawn below every layer.
#pragma once

#include <QGraphicsPathItem>

class BackgroundLayerPath : public QGraphicsPathItem
{
public:
    enum { Type = UserType + 3 };

    /// The sheet covers the page rectangle with a margin of 5 % of its size on every side.
    explicit BackgroundLayerPath(const QRectF &pageRect);
    ~BackgroundLayerPath() override;

    int type() const override { return Type; }
    QRectF boundingRect() const override { return m_rect; }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QRectF m_rect;
};
