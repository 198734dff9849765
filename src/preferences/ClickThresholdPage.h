// The settings page for the pen's click threshold: its slider, a prompt and the test area.
#pragma once

#include <QWidget>

class QLabel;
class QSlider;
class TipSensitivity;

class ClickThresholdPage : public QWidget
{
    Q_OBJECT

public:
    explicit ClickThresholdPage(QWidget *parent = nullptr);

    /// The slider's range and the value it falls back to while no receiver answers; sets
    /// the slider to the default.
    void setBounds(int low, int high, int defaultValue);
    /// No receiver to test with: the slider returns to the default and, like the cleared
    /// test area, is disabled.
    void showUnavailable();
    /// The receiver's threshold, already known to lie within the bounds, goes onto the
    /// slider; the slider and the cleared test area are enabled.
    void showReady(int threshold);

    QSlider *slider() const { return m_sensitivity_slider; }
    TipSensitivity *testArea() const { return m_tip_sens_wgt; }
    QString prompt() const;

signals:
    /// The user moved the slider (drag, keys or wheel); the value is not on the receiver until it
    /// is applied.
    void thresholdMoved(int value);

private:
    void handleSliderValueChanged(int value);
    void setSliderValue(int value);

    QLabel *m_prompt;
    QSlider *m_sensitivity_slider;
    TipSensitivity *m_tip_sens_wgt;
    int m_defaultValue = 0;
    bool m_isSettingValue = false;
};
