// The click-threshold test area: a white sheet the user draws on with the mouse or the pen.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>

class TipSensitivity : public QWidget
{
    Q_OBJECT

public:
    explicit TipSensitivity(QWidget *parent = nullptr);

    void setPenColor(const QColor &color);
    void setPenWidth(int width);
    QColor penColor() const { return m_penColor; }
    int penWidth() const { return m_penWidth; }
    /// Pressure a pen sample must exceed to count as touching the sheet; 0 at first.
    void setClickThreshold(int pressure);
    /// The drawing, 32-bit RGB; null until the widget first gets a size, and never smaller
    /// than the largest size the widget had.
    const QImage &image() const { return m_image; }

public slots:
    void clearImage();
    /// One pen sample in widget coordinates: a pressure above the click threshold puts the
    /// pen down or continues its line, any other pressure lifts it. Ignored while disabled.
    void handlePenSample(const QPoint &position, int pressure);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void drawLineTo(const QPoint &endPoint);
    void resizeImage(const QSize &newSize);

    int m_penWidth = 4;
    QColor m_penColor {42, 42, 208, 255};
    int m_clickThreshold = 0;
    QImage m_image;
    QPoint m_lastPoint;
    bool m_drawing = false;
};
