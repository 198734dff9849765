// A vertical scroll bar that turns wheel turns into zoom requests while zooming is on.
#pragma once

#include <QScrollBar>

/// Passed with a zoom request from the wheel.
enum ZoomAction { ZoomIn = 0, ZoomOut = 1 };

class ZoomingScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit ZoomingScrollBar(QWidget *parent = nullptr);

    bool isZoomOn() const { return m_zoomMode; }

signals:
    void verticalScrollBarMovedSignal(ZoomAction za);

public slots:
    void switchZoomOnSlot(bool val) { m_zoomMode = val; }

protected:
    bool event(QEvent *event) override;

private:
    bool m_zoomMode = false;
};
