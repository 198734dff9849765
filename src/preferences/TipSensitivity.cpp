// Drawing lines on the test area's image and growing the image with the widget.
#include "preferences/TipSensitivity.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace {

// Room the image keeps beyond the widget, so that growing by small steps does not
// reallocate the image every time.
constexpr int kGrowthMargin = 128;

} // namespace

TipSensitivity::TipSensitivity(QWidget *parent)
    : QWidget(parent)
{
    // Growing then repaints only the newly exposed area.
    setAttribute(Qt::WA_StaticContents);
}

void TipSensitivity::setPenColor(const QColor &color)
{
    m_penColor = color;
}

void TipSensitivity::setPenWidth(int width)
{
    m_penWidth = width;
}

void TipSensitivity::setClickThreshold(int pressure)
{
    m_clickThreshold = pressure;
}

void TipSensitivity::clearImage()
{
    m_image.fill(Qt::white);
    update();
}

void TipSensitivity::handlePenSample(const QPoint &position, int pressure)
{
    if (!isEnabled())
        return;
    const bool touching = pressure > m_clickThreshold;
    if (touching && !m_drawing) {
        m_lastPoint = position;
        m_drawing = true;
    } else if (m_drawing) {
        drawLineTo(position);
        m_drawing = touching;
    }
}

void TipSensitivity::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_lastPoint = event->position().toPoint();
        m_drawing = true;
    }
}

void TipSensitivity::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton) && m_drawing)
        drawLineTo(event->position().toPoint());
}

void TipSensitivity::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_drawing) {
        drawLineTo(event->position().toPoint());
        m_drawing = false;
    }
}

void TipSensitivity::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.drawImage(dirty, m_image, dirty);
}

void TipSensitivity::resizeEvent(QResizeEvent *event)
{
    if (width() > m_image.width() || height() > m_image.height()) {
        resizeImage(QSize(std::max(width() + kGrowthMargin, m_image.width()),
                          std::max(height() + kGrowthMargin, m_image.height())));
        update();
    }
    QWidget::resizeEvent(event);
}

void TipSensitivity::drawLineTo(const QPoint &endPoint)
{
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_penColor, m_penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // The raster engine drops a line of length zero; its round caps make a dot.
    if (endPoint == m_lastPoint)
        painter.drawPoint(endPoint);
    else
        painter.drawLine(m_lastPoint, endPoint);
    // The bounds of both ends, inclusive whichever way the line runs.
    const int margin = m_penWidth / 2 + 2;
    const QRect bounds(
        QPoint(std::min(m_lastPoint.x(), endPoint.x()), std::min(m_lastPoint.y(), endPoint.y())),
        QPoint(std::max(m_lastPoint.x(), endPoint.x()), std::max(m_lastPoint.y(), endPoint.y())));
    update(bounds.adjusted(-margin, -margin, margin, margin));
    m_lastPoint = endPoint;
}

void TipSensitivity::resizeImage(const QSize &newSize)
{
    QImage grown(newSize, QImage::Format_RGB32);
    grown.fill(Qt::white);
    QPainter painter(&grown);
    painter.drawImage(QPoint(0, 0), m_image);
    painter.end();
    m_image = grown;
}
