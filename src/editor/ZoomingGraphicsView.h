// A graphics view whose vertical scroll bar can zoom instead of scrolling.
#pragma once

#include <QGraphicsView>

class ZoomingScrollBar;

class ZoomingGraphicsView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit ZoomingGraphicsView(QWidget *parent = nullptr);

    ZoomingScrollBar *zoomingScrollBar() const { return m_scrollBar; }

private:
    ZoomingScrollBar *m_scrollBar;
};
