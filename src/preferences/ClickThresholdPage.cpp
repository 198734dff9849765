// Layout and states of the click-threshold page.
#include "preferences/ClickThresholdPage.h"

#include "preferences/TipSensitivity.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

namespace {

QLabel *scaleLabel(const QString &text, Qt::Alignment alignment, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(alignment);
    label->setAccessibleName(text);
    return label;
}

} // namespace

ClickThresholdPage::ClickThresholdPage(QWidget *parent)
    : QWidget(parent)
    , m_prompt(new QLabel(this))
    , m_sensitivity_slider(new QSlider(Qt::Horizontal, this))
    , m_tip_sens_wgt(new TipSensitivity(this))
{
    m_prompt->setWordWrap(true);
    m_prompt->setAccessibleName(tr("Click threshold status"));
    m_sensitivity_slider->setAccessibleName(tr("Click threshold"));
    m_tip_sens_wgt->setAccessibleName(tr("Click threshold test area"));
    m_tip_sens_wgt->setMinimumSize(200, 120);
    connect(m_sensitivity_slider, &QSlider::valueChanged, this,
            &ClickThresholdPage::handleSliderValueChanged);

    auto *scale = new QHBoxLayout;
    scale->addWidget(scaleLabel(tr("Soft"), Qt::AlignLeft, this));
    scale->addWidget(scaleLabel(tr("Normal"), Qt::AlignHCenter, this));
    scale->addWidget(scaleLabel(tr("Firm"), Qt::AlignRight, this));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_sensitivity_slider);
    layout->addLayout(scale);
    layout->addWidget(m_prompt);
    layout->addWidget(m_tip_sens_wgt, 1);
}

void ClickThresholdPage::setBounds(int low, int high, int defaultValue)
{
    m_defaultValue = defaultValue;
    // A narrower range may move the value; that is no move of the user's.
    m_isSettingValue = true;
    m_sensitivity_slider->setRange(low, high);
    m_isSettingValue = false;
    setSliderValue(defaultValue);
}

void ClickThresholdPage::showUnavailable()
{
    setSliderValue(m_defaultValue);
    m_tip_sens_wgt->clearImage();
    m_sensitivity_slider->setEnabled(false);
    m_tip_sens_wgt->setEnabled(false);
    m_prompt->setText(tr("Connect Quillo to your computer to adjust the click threshold \nThe "
                         "click threshold controls the pressure required to record your strokes"));
}

void ClickThresholdPage::showReady(int threshold)
{
    setSliderValue(threshold);
    m_sensitivity_slider->setEnabled(true);
    m_tip_sens_wgt->setEnabled(true);
    m_tip_sens_wgt->clearImage();
    m_prompt->setText(tr("Draw here to test your pen's click threshold"));
}

QString ClickThresholdPage::prompt() const
{
    return m_prompt->text();
}

void ClickThresholdPage::setSliderValue(int value)
{
    m_isSettingValue = true;
    m_sensitivity_slider->setValue(value);
    m_isSettingValue = false;
}

void ClickThresholdPage::handleSliderValueChanged(int value)
{
    if (m_isSettingValue)
        return;
    m_tip_sens_wgt->clearImage();
    m_prompt->setText(tr("You must first Apply the new setting before testing it."));
    emit thresholdMoved(value);
}
