// A horizontal slider with two handles that select a span of its range.
#include "editor/SpanSlider.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionSlider>

#include <utility>

SpanSlider::SpanSlider(QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
    , m_lower(minimum())
    , m_upper(maximum())
    , m_leftColor(palette().color(QPalette::Mid))
    , m_middleColor(palette().color(QPalette::Highlight))
    , m_rightColor(palette().color(QPalette::Mid))
{
    setAccessibleName(tr("Span"));
    updateAccessibleDescription();
    syncValue();
}

QRect SpanSlider::handleRect(Handle handle) const
{
    const QStyleOptionSlider option = handleOption(handle);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

void SpanSlider::setSpanColors(const QColor &left, const QColor &middle, const QColor &right)
{
    m_leftColor = left;
    m_middleColor = middle;
    m_rightColor = right;
    update();
}

void SpanSlider::setLowerValue(int lower)
{
    setSpan(qMin(lower, m_upper), m_upper);
}

void SpanSlider::setUpperValue(int upper)
{
    setSpan(m_lower, qMax(upper, m_lower));
}

void SpanSlider::setSpan(int lower, int upper)
{
    if (lower > upper)
        std::swap(lower, upper);
    lower = qBound(minimum(), lower, maximum());
    upper = qBound(minimum(), upper, maximum());
    const bool lowerChanged = lower != m_lower;
    const bool upperChanged = upper != m_upper;
    if (!lowerChanged && !upperChanged)
        return;
    m_lower = lower;
    m_upper = upper;
    syncValue();
    updateAccessibleDescription();
    update();
    if (lowerChanged)
        emit lowerValueChanged(m_lower);
    if (upperChanged)
        emit upperValueChanged(m_upper);
    emit spanChanged(m_lower, m_upper);
}

void SpanSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderGroove;
    if (tickPosition() != NoTicks)
        option.subControls |= QStyle::SC_SliderTickmarks;
    option.activeSubControls = QStyle::SC_None;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
    paintGroove(painter, option);

    // The focused handle comes last so that it is the one seen where both overlap.
    const Handle other = m_focused == Handle::Lower ? Handle::Upper : Handle::Lower;
    for (const Handle handle : {other, m_focused}) {
        QStyleOptionSlider handleStyle = handleOption(handle);
        handleStyle.subControls = QStyle::SC_SliderHandle;
        if (handle != m_focused)
            handleStyle.state &= ~QStyle::State_HasFocus;
        const bool dragged = (m_drag == Drag::Lower && handle == Handle::Lower)
            || (m_drag == Drag::Upper && handle == Handle::Upper) || m_drag == Drag::Span;
        if (dragged) {
            handleStyle.activeSubControls = QStyle::SC_SliderHandle;
            handleStyle.state |= QStyle::State_Sunken;
        } else {
            handleStyle.activeSubControls = QStyle::SC_None;
        }
        style()->drawComplexControl(QStyle::CC_Slider, &handleStyle, &painter, this);
    }
}

void SpanSlider::paintGroove(QPainter &painter, const QStyleOptionSlider &option) const
{
    // Inside the style's groove, so that its frame and the tick marks stay visible.
    const QRect groove
        = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect bar = groove.adjusted(1, 1, -1, -1);
    if (bar.isEmpty())
        return;
    const int lowerX = handleRect(Handle::Lower).center().x();
    const int upperX = handleRect(Handle::Upper).center().x();
    const int lowerEnd = option.upsideDown ? bar.right() + 1 : bar.left();
    const int upperEnd = option.upsideDown ? bar.left() : bar.right() + 1;
    const auto fill = [&](int from, int to, const QColor &color) {
        if (from != to)
            painter.fillRect(QRect(qMin(from, to), bar.top(), qAbs(to - from), bar.height()),
                             color);
    };
    if (!isEnabled())
        painter.setOpacity(0.5);
    fill(lowerEnd, lowerX, m_leftColor);
    fill(lowerX, upperX, m_middleColor);
    fill(upperX, upperEnd, m_rightColor);
    painter.setOpacity(1.0);
}

void SpanSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint pos = event->position().toPoint();
    const QRect lowerRect = handleRect(Handle::Lower);
    const QRect upperRect = handleRect(Handle::Upper);
    m_pressX = pos.x();
    m_lowerPressX = lowerRect.x();
    m_upperPressX = upperRect.x();
    const bool onLower = lowerRect.contains(pos);
    const bool onUpper = upperRect.contains(pos);
    const int lowerX = lowerRect.center().x();
    const int upperX = upperRect.center().x();
    if (onLower && onUpper) {
        // Which of two stacked handles is meant shows only in the direction of the drag.
        m_drag = Drag::EitherHandle;
    } else if (onLower || onUpper) {
        m_drag = onLower ? Drag::Lower : Drag::Upper;
        setFocusedHandle(onLower ? Handle::Lower : Handle::Upper);
    } else if (pos.x() > qMin(lowerX, upperX) && pos.x() < qMax(lowerX, upperX)) {
        m_drag = Drag::Span;
    } else {
        QStyleOptionSlider option;
        initStyleOption(&option);
        const bool lowerSide = (pos.x() < (lowerX + upperX) / 2) != option.upsideDown;
        const Handle nearer = lowerSide ? Handle::Lower : Handle::Upper;
        const int handleX = pos.x() - lowerRect.width() / 2;
        (nearer == Handle::Lower ? m_lowerPressX : m_upperPressX) = handleX;
        m_drag = lowerSide ? Drag::Lower : Drag::Upper;
        setFocusedHandle(nearer);
        moveHandle(nearer, valueAtHandlePosition(handleX));
    }
    setSliderDown(true);
    update();
    event->accept();
}

void SpanSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (m_drag == Drag::None) {
        event->ignore();
        return;
    }
    const int dx = event->position().toPoint().x() - m_pressX;
    if (m_drag == Drag::EitherHandle) {
        if (dx == 0)
            return;
        QStyleOptionSlider option;
        initStyleOption(&option);
        const bool lowerSide = (dx < 0) != option.upsideDown;
        m_drag = lowerSide ? Drag::Lower : Drag::Upper;
        setFocusedHandle(lowerSide ? Handle::Lower : Handle::Upper);
    }
    switch (m_drag) {
    case Drag::Lower:
        moveHandle(Handle::Lower, valueAtHandlePosition(m_lowerPressX + dx));
        break;
    case Drag::Upper:
        moveHandle(Handle::Upper, valueAtHandlePosition(m_upperPressX + dx));
        break;
    case Drag::Span: {
        const int distance = m_upper - m_lower;
        const int lower
            = qBound(minimum(), valueAtHandlePosition(m_lowerPressX + dx), maximum() - distance);
        setSpan(lower, lower + distance);
        break;
    }
    case Drag::None:
    case Drag::EitherHandle:
        break;
    }
    event->accept();
}

void SpanSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_drag == Drag::None || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_drag = Drag::None;
    setSliderDown(false);
    update();
    event->accept();
}

void SpanSlider::focusInEvent(QFocusEvent *event)
{
    if (event->reason() == Qt::TabFocusReason)
        setFocusedHandle(Handle::Lower);
    else if (event->reason() == Qt::BacktabFocusReason)
        setFocusedHandle(Handle::Upper);
    QSlider::focusInEvent(event);
}

bool SpanSlider::focusNextPrevChild(bool next)
{
    if (next && m_focused == Handle::Lower) {
        setFocusedHandle(Handle::Upper);
        return true;
    }
    if (!next && m_focused == Handle::Upper) {
        setFocusedHandle(Handle::Lower);
        return true;
    }
    return QSlider::focusNextPrevChild(next);
}

void SpanSlider::sliderChange(SliderChange change)
{
    QSlider::sliderChange(change);
    if (m_syncingValue)
        return;
    if (change == SliderRangeChange) {
        setSpan(m_lower, m_upper);
        updateAccessibleDescription();
    } else if (change == SliderValueChange) {
        // The keys, the wheel and assistive tools move QSlider's value; it stands for the
        // focused handle, and goes back to where that handle could follow.
        moveHandle(m_focused, value());
        syncValue();
    }
}

QStyleOptionSlider SpanSlider::handleOption(Handle handle) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = handleValue(handle);
    option.sliderValue = handleValue(handle);
    return option;
}

int SpanSlider::valueAtHandlePosition(int x) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove
        = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle
        = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int first = groove.x();
    const int last = groove.right() - handle.width() + 1;
    return QStyle::sliderValueFromPosition(minimum(), maximum(), x - first, last - first,
                                           option.upsideDown);
}

void SpanSlider::moveHandle(Handle handle, int value)
{
    if (handle == Handle::Lower)
        setLowerValue(value);
    else
        setUpperValue(value);
}

void SpanSlider::setFocusedHandle(Handle handle)
{
    if (handle == m_focused)
        return;
    m_focused = handle;
    syncValue();
    update();
}

void SpanSlider::syncValue()
{
    const QScopedValueRollback syncing(m_syncingValue, true);
    setValue(handleValue(m_focused));
}

void SpanSlider::updateAccessibleDescription()
{
    setAccessibleDescription(tr("From %1 to %2 of %3").arg(m_lower).arg(m_upper).arg(maximum()));
}
