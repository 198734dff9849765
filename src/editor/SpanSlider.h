// A horizontal slider with two handles that select a span of its range.
#pragma once

#include <QColor>
#include <QSlider>

class QStyleOptionSlider;

/// Selects lower and upper values with minimum() <= lower <= upper <= maximum().
///
/// Mouse: dragging a handle moves it up to the other one; dragging the bar between the
/// handles moves both and keeps their distance; pressing elsewhere on the groove brings the
/// nearer handle there. Keyboard: the arrows, PageUp/PageDown, Home and End move the focused
/// handle, which is the one last pressed. Tab moves from the lower to the upper handle and
/// Shift+Tab back before focus leaves the slider. The wheel moves the focused handle.
///
/// QSlider's value() stands for the focused handle, so that QSlider's keys and wheel and
/// assistive tools move it; setting it moves that handle as far as it may go. Callers use
/// lowerValue() and upperValue(); valueChanged() can report a value the handle then refused.
class SpanSlider : public QSlider
{
    Q_OBJECT

public:
    enum class Handle { Lower, Upper };

    explicit SpanSlider(QWidget *parent = nullptr);

    int lowerValue() const { return m_lower; }
    int upperValue() const { return m_upper; }
    Handle focusedHandle() const { return m_focused; }

    /// Where the handle is drawn, in widget coordinates.
    QRect handleRect(Handle handle) const;

    /// The groove's colours left of the lower handle, between the handles and right of the
    /// upper handle.
    void setSpanColors(const QColor &left, const QColor &middle, const QColor &right);

public slots:
    /// Clamped to the range and to the upper value.
    void setLowerValue(int lower);
    /// Clamped to the range and to the lower value.
    void setUpperValue(int upper);
    /// Clamped to the range; the smaller of the two becomes the lower value.
    void setSpan(int lower, int upper);

signals:
    void lowerValueChanged(int lower);
    void upperValueChanged(int upper);
    /// After either value changed, once per change of the span.
    void spanChanged(int lower, int upper);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void sliderChange(SliderChange change) override;

private:
    enum class Drag { None, Lower, Upper, EitherHandle, Span };

    QStyleOptionSlider handleOption(Handle handle) const;
    int handleValue(Handle handle) const { return handle == Handle::Lower ? m_lower : m_upper; }
    /// The value at which a handle whose leading edge is at pixel x would stand.
    int valueAtHandlePosition(int x) const;
    void moveHandle(Handle handle, int value);
    void setFocusedHandle(Handle handle);
    void syncValue();
    void updateAccessibleDescription();
    void paintGroove(QPainter &painter, const QStyleOptionSlider &option) const;

    int m_lower = 0;
    int m_upper = 0;
    Handle m_focused = Handle::Lower;
    bool m_syncingValue = false;

    Drag m_drag = Drag::None;
    /// Pointer x at the press and the leading edges of both handles then.
    int m_pressX = 0;
    int m_lowerPressX = 0;
    int m_upperPressX = 0;

    QColor m_leftColor;
    QColor m_middleColor;
    QColor m_rightColor;
};
