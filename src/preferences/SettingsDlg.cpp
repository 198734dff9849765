// The settings dialog's pages, its edits, Apply and OK, and its exchanges with the receiver.
#include "preferences/SettingsDlg.h"

#include "device/DeviceManager.h"
#include "device/QuilloDeviceObserver.h"
#include "preferences/ClickThresholdPage.h"
#include "preferences/ReceiverPositionPicture.h"
#include "preferences/TipSensitivity.h"
#include "settings/ApplSettings.h"
#include "settings/DialogService.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kDefaultPen = QStringLiteral("visuality_properties/default_pen");
const QString kHighlightPen = QStringLiteral("visuality_properties/highlight_pen");
const QString kPage = QStringLiteral("page_properties/page");
const QString kReceiver = QStringLiteral("receiver_properties/receiver");
const QString kStartFolder = QStringLiteral("startup_directory/directory");
const QString kLanguage = QStringLiteral("translator/language");
const QString kPictures = QStringLiteral(":/settings/Resources/settings/");

constexpr const char *kPaperNames[] = {"A4", "A5", "A6", "A7", "Legal", "Junior Legal", "Letter"};
constexpr const char *kBallPointSizes[] = {"0.8", "1.0", "1.2", "1.4"};
constexpr const char *kLanguages[]
    = {"English",  "French",  "Spanish", "Portuguese(Brazil)",  "German",
       "Dutch",    "Italian", "Russian", "Chinese Traditional", "Chinese Simplified",
       "Japanese", "Korean",  "Polish"};

QString penEntry(int pen)
{
    static const QString entries[]
        = {kDefaultPen, kHighlightPen, QStringLiteral("visuality_properties/scrubber_left_pen"),
           QStringLiteral("visuality_properties/scrubber_middle_pen"),
           QStringLiteral("visuality_properties/scrubber_right_pen")};
    return entries[pen];
}

QString readSetting(const QString &entry, const QString &attribute)
{
    QString value;
    ApplSettings::instance().getAttribute(entry, attribute, value);
    return value;
}

QIcon colorIcon(const QColor &color)
{
    QPixmap swatch(32, 18);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.setBrush(color);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    return QIcon(swatch);
}

} // namespace

SettingsDlg::SettingsDlg(QWidget *parent, bool receiverConnected)
    : QDialog(parent)
    , m_receiver(new QuilloDeviceObserver(this, QuilloDeviceObserver::Role::Following))
    , m_pages(new QTabWidget(this))
    , m_thresholdPage(new ClickThresholdPage(this))
    , m_buttons(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this))
{
    setObjectName(QStringLiteral("SettingsDlg"));
    setWindowTitle(tr("Settings"));
    setAccessibleName(tr("Settings"));
    m_pages->setAccessibleName(tr("Settings pages"));
    m_pages->addTab(makeMappingPage(), tr("Mapping"));
    m_pages->addTab(makePenPage(), tr("Pen"));
    m_pages->addTab(m_thresholdPage, tr("Click Threshold"));
    m_pages->addTab(makeGeneralPage(), tr("General"));

    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    m_buttons->button(QDialogButtonBox::Apply)->setText(tr("Apply"));
    for (QAbstractButton *button : m_buttons->buttons())
        button->setAccessibleName(button->text());
    connect(m_buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this,
            &SettingsDlg::userClickedOkSlot);
    connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &SettingsDlg::userClickedApplySlot);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(m_buttons);

    m_plugPause.setSingleShot(true);
    m_plugPause.setInterval(7000);
    m_secondPause.setSingleShot(true);
    m_secondPause.setInterval(2000);
    m_readBackWait.setSingleShot(true);
    m_readBackWait.setInterval(1000);
    connect(&m_plugPause, &QTimer::timeout, this, [this] { readThreshold(Read::AfterPlug); });
    connect(&m_secondPause, &QTimer::timeout, this,
            [this] { readThreshold(Read::AfterSecondPause); });
    connect(&m_readBackWait, &QTimer::timeout, this, [this] { readThreshold(Read::AfterWrite); });
    connect(m_receiver, &QuilloDeviceObserver::clickThresholdRead, this,
            &SettingsDlg::thresholdRead);
    connect(m_receiver, &QuilloDeviceObserver::clickThresholdWritten, this,
            &SettingsDlg::thresholdWritten);
    connect(m_receiver, &QuilloDeviceObserver::receiverClockWritten, this,
            &SettingsDlg::clockWritten);
    connect(m_thresholdPage, &ClickThresholdPage::thresholdMoved, this,
            &SettingsDlg::setValueAfterMoveSlot);
    connect(m_thresholdPage->slider(), &QSlider::sliderReleased, this,
            &SettingsDlg::setValueFromSliderSlot);

    fillFromSettings();
    if (receiverConnected)
        m_receiver->adoptDevice(DeviceManager::instance().currentDevice());
    if (receiverConnected && m_receiver->isPresent())
        hidDevicePlugSlot();
    else
        hidDeviceUnplugSlot();
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
    m_modified = false;
}

SettingsDlg::~SettingsDlg() = default;

void SettingsDlg::setPlugPauses(std::chrono::milliseconds first, std::chrono::milliseconds second)
{
    m_plugPause.setInterval(first);
    m_secondPause.setInterval(second);
}

void SettingsDlg::setReadBackWait(std::chrono::milliseconds wait)
{
    m_readBackWait.setInterval(wait);
}

QWidget *SettingsDlg::makeMappingPage()
{
    auto *page = new QWidget(this);
    m_paper_sz_cbox = new QComboBox(page);
    m_paper_sz_cbox->setObjectName(QStringLiteral("m_paper_sz_cbox"));
    m_paper_sz_cbox->setAccessibleName(tr("Paper size"));
    for (const char *name : kPaperNames)
        m_paper_sz_cbox->addItem(QString::fromLatin1(name));
    connect(m_paper_sz_cbox, &QComboBox::currentTextChanged, this,
            &SettingsDlg::paperSizeChangedSlot);

    const auto orientationButton = [page](const QString &name, const QString &text) {
        auto *button = new QToolButton(page);
        button->setObjectName(name);
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setText(text);
        button->setAccessibleName(text);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(48, 48));
        return button;
    };
    m_portrait_btn = orientationButton(QStringLiteral("m_portrait_btn"), tr("Portrait"));
    m_landscape_btn = orientationButton(QStringLiteral("m_landscape_btn"), tr("Landscape"));
    connect(m_portrait_btn, &QToolButton::toggled, this, &SettingsDlg::setPortraitOrientationSlot);
    connect(m_landscape_btn, &QToolButton::toggled, this,
            &SettingsDlg::setLandscapeOrientationSlot);

    const auto positionPicture = [this, page](const QString &name, bool landscape) {
        auto *picture = new ReceiverPositionPicture(landscape, page);
        picture->setObjectName(name);
        connect(picture, &ReceiverPositionPicture::positionChosen, this,
                &SettingsDlg::choosePosition);
        return picture;
    };
    m_portrait_lbl = positionPicture(QStringLiteral("m_portrait_lbl"), false);
    m_landscape_lbl = positionPicture(QStringLiteral("m_landscape_lbl"), true);

    auto *orientations = new QHBoxLayout;
    orientations->addWidget(m_portrait_btn);
    orientations->addWidget(m_landscape_btn);
    orientations->addStretch();
    auto *form = new QFormLayout;
    form->addRow(tr("Paper size:"), m_paper_sz_cbox);
    form->addRow(tr("Orientation:"), orientations);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("Receiver position on the sheet:"), page));
    layout->addWidget(m_portrait_lbl, 1);
    layout->addWidget(m_landscape_lbl, 1);
    return page;
}

QWidget *SettingsDlg::makePenPage()
{
    auto *page = new QWidget(this);
    m_default_brush_sz_spin = new QSpinBox(page);
    m_default_brush_sz_spin->setObjectName(QStringLiteral("m_default_brush_sz_spin"));
    m_default_brush_sz_spin->setAccessibleName(tr("Pen width"));
    m_default_brush_sz_spin->setRange(1, 20);
    connect(m_default_brush_sz_spin, &QSpinBox::valueChanged, this,
            &SettingsDlg::defaultWidthChangedSlot);
    m_ball_pt_diameter_cbox = new QComboBox(page);
    m_ball_pt_diameter_cbox->setObjectName(QStringLiteral("m_ball_pt_diameter_cbox"));
    m_ball_pt_diameter_cbox->setAccessibleName(tr("Ball point size"));
    for (const char *size : kBallPointSizes)
        m_ball_pt_diameter_cbox->addItem(QString::fromLatin1(size));
    connect(m_ball_pt_diameter_cbox, &QComboBox::currentTextChanged, this,
            &SettingsDlg::setBallpointDiameterSlot);

    const struct
    {
        const char *name;
        QString label;
        void (SettingsDlg::*slot)();
    } colors[] = {
        {"m_brush_color_btn", tr("Pen colour"), &SettingsDlg::setBrushColor},
        {"m_highlight_color_btn", tr("Highlight colour"), &SettingsDlg::setHighlightColor},
        {"m_scrubber_left_color_btn", tr("Scrubber left colour"),
         &SettingsDlg::setScrubberLeftColorSlot},
        {"m_scrubber_middle_color_btn", tr("Scrubber middle colour"),
         &SettingsDlg::setScrubberMiddleColorSlot},
        {"m_scrubber_right_color_btn", tr("Scrubber right colour"),
         &SettingsDlg::setScrubberRightColorSlot},
    };
    auto *form = new QFormLayout(page);
    form->addRow(tr("Pen width:"), m_default_brush_sz_spin);
    form->addRow(tr("Ball point size (mm):"), m_ball_pt_diameter_cbox);
    for (int pen = 0; pen < int(std::size(colors)); ++pen) {
        auto *button = new QPushButton(page);
        button->setObjectName(QString::fromLatin1(colors[pen].name));
        button->setAccessibleName(colors[pen].label);
        button->setIconSize(QSize(32, 18));
        connect(button, &QPushButton::clicked, this, colors[pen].slot);
        m_colorButtons[pen] = button;
        form->addRow(colors[pen].label + QLatin1Char(':'), button);
    }
    return page;
}

QWidget *SettingsDlg::makeGeneralPage()
{
    auto *page = new QWidget(this);
    m_dir_le = new QLineEdit(page);
    m_dir_le->setObjectName(QStringLiteral("m_dir_le"));
    m_dir_le->setAccessibleName(tr("Start folder"));
    connect(m_dir_le, &QLineEdit::textEdited, this, [this] { markModified(); });
    m_dir_btn = new QToolButton(page);
    m_dir_btn->setObjectName(QStringLiteral("m_dir_btn"));
    m_dir_btn->setText(tr("Browse..."));
    m_dir_btn->setAccessibleName(tr("Choose the start folder"));
    connect(m_dir_btn, &QToolButton::clicked, this, &SettingsDlg::dirChangedSlot);
    m_lang_cbx = new QComboBox(page);
    m_lang_cbx->setObjectName(QStringLiteral("m_lang_cbx"));
    m_lang_cbx->setAccessibleName(tr("Language"));
    for (const char *language : kLanguages)
        m_lang_cbx->addItem(QString::fromLatin1(language));
    connect(m_lang_cbx, &QComboBox::currentTextChanged, this,
            &SettingsDlg::handleLanguagesComboSlot);
    m_date_timeedit = new QDateTimeEdit(QDateTime::currentDateTime(), page);
    m_date_timeedit->setObjectName(QStringLiteral("m_date_timeedit"));
    m_date_timeedit->setAccessibleName(tr("Receiver clock"));
    m_date_timeedit->setCalendarPopup(true);
    connect(m_date_timeedit, &QDateTimeEdit::dateTimeChanged, this, &SettingsDlg::rtcChangedSlot);
    m_set_rtc_btn = new QPushButton(tr("Set"), page);
    m_set_rtc_btn->setObjectName(QStringLiteral("m_set_rtc_btn"));
    m_set_rtc_btn->setAccessibleName(tr("Set the receiver clock"));
    connect(m_set_rtc_btn, &QPushButton::clicked, this, &SettingsDlg::setRealTimeClock);

    auto *folder = new QHBoxLayout;
    folder->addWidget(m_dir_le, 1);
    folder->addWidget(m_dir_btn);
    auto *clock = new QHBoxLayout;
    clock->addWidget(m_date_timeedit, 1);
    clock->addWidget(m_set_rtc_btn);
    auto *form = new QFormLayout(page);
    form->addRow(tr("Start folder:"), folder);
    form->addRow(tr("Language:"), m_lang_cbx);
    form->addRow(tr("Receiver clock:"), clock);
    return page;
}

void SettingsDlg::fillFromSettings()
{
    ApplSettings &settings = ApplSettings::instance();
    m_filling = true;
    for (int pen = 0; pen < int(Pen::Count); ++pen) {
        m_colors[pen] = readSetting(penEntry(pen), QStringLiteral("rgba_color"));
        showColor(Pen(pen));
    }
    m_width = readSetting(kDefaultPen, QStringLiteral("width"));
    m_default_brush_sz_spin->setValue(m_width.toInt());
    m_ballPoint = readSetting(kDefaultPen, QStringLiteral("ball_point_size"));
    const int ballPoint
        = m_ball_pt_diameter_cbox->findText(m_ballPoint, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (ballPoint >= 0)
        m_ball_pt_diameter_cbox->setCurrentIndex(ballPoint);
    m_paper_sz_cbox->setCurrentIndex(settings.paperId());
    m_paperName = m_paper_sz_cbox->currentText();
    const bool landscape = settings.isLandscape();
    m_orientation = landscape ? QStringLiteral("Landscape") : QStringLiteral("Portrait");
    (landscape ? m_landscape_btn : m_portrait_btn)->setChecked(true);
    m_angle = readSetting(kPage, QStringLiteral("angle"));
    m_position = ReceiverPositionPicture::positionOfAngle(m_angle);
    showOrientation();
    m_lowPressure = readSetting(kReceiver, QStringLiteral("low_pressure")).toInt();
    m_highPressure = readSetting(kReceiver, QStringLiteral("high_pressure")).toInt();
    m_thresholdPage->setBounds(m_lowPressure, m_highPressure,
                               readSetting(kReceiver, QStringLiteral("default_pressure")).toInt());
    m_dir_le->setText(readSetting(kStartFolder, QStringLiteral("path")));
    m_language = readSetting(kLanguage, QStringLiteral("name"));
    const int language = m_lang_cbx->findText(m_language, Qt::MatchFixedString);
    m_lang_cbx->setCurrentIndex(language >= 0 ? language : 0);
    m_drawnWith = drawingSettings();
    m_filling = false;
}

QString SettingsDlg::drawingSettings() const
{
    return QStringList({m_colors[0], m_colors[1], m_colors[2], m_colors[3], m_colors[4], m_width,
                        m_ballPoint, QString::number(m_paper_sz_cbox->currentIndex()),
                        m_orientation, m_angle})
        .join(QLatin1Char('|'));
}

void SettingsDlg::markModified()
{
    if (m_filling)
        return;
    m_modified = true;
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(true);
}

void SettingsDlg::showColor(Pen pen)
{
    QColor color;
    ApplSettings::parseColor(m_colors[int(pen)], color);
    m_colorButtons[int(pen)]->setIcon(colorIcon(color));
}

void SettingsDlg::chooseColor(Pen pen)
{
    QColor start;
    ApplSettings::parseColor(m_colors[int(pen)], start);
    const QColor chosen = dialogs().color(this, m_colorButtons[int(pen)]->accessibleName(), start);
    if (!chosen.isValid())
        return;
    m_colors[int(pen)] = QStringLiteral("%1 %2 %3 %4")
                             .arg(chosen.red())
                             .arg(chosen.green())
                             .arg(chosen.blue())
                             .arg(chosen.alpha());
    showColor(pen);
    markModified();
}

void SettingsDlg::setBrushColor()
{
    chooseColor(Pen::Default);
}

void SettingsDlg::setHighlightColor()
{
    chooseColor(Pen::Highlight);
}

void SettingsDlg::setScrubberLeftColorSlot()
{
    chooseColor(Pen::ScrubberLeft);
}

void SettingsDlg::setScrubberMiddleColorSlot()
{
    chooseColor(Pen::ScrubberMiddle);
}

void SettingsDlg::setScrubberRightColorSlot()
{
    chooseColor(Pen::ScrubberRight);
}

void SettingsDlg::defaultWidthChangedSlot(int value)
{
    m_width = QStringLiteral("%1").arg(value);
    markModified();
}

void SettingsDlg::setBallpointDiameterSlot(const QString &text)
{
    m_ballPoint = text;
    markModified();
}

void SettingsDlg::paperSizeChangedSlot(const QString &text)
{
    m_paperName = text;
    markModified();
}

void SettingsDlg::setPortraitOrientationSlot(bool checked)
{
    if (!checked)
        return;
    m_orientation = QStringLiteral("Portrait");
    showOrientation();
    markModified();
}

void SettingsDlg::setLandscapeOrientationSlot(bool checked)
{
    if (!checked)
        return;
    m_orientation = QStringLiteral("Landscape");
    showOrientation();
    markModified();
}

void SettingsDlg::showOrientation()
{
    const bool landscape = m_orientation != QLatin1String("Portrait");
    m_portrait_btn->setIcon(QIcon(
        kPictures
        + (landscape ? QStringLiteral("portrait_off.png") : QStringLiteral("portrait_on.png"))));
    m_landscape_btn->setIcon(QIcon(
        kPictures
        + (landscape ? QStringLiteral("landscape_on.png") : QStringLiteral("landscape_off.png"))));
    m_portrait_lbl->setVisible(!landscape);
    m_landscape_lbl->setVisible(landscape);
    showPosition();
}

void SettingsDlg::showPosition()
{
    const bool landscape = m_orientation != QLatin1String("Portrait");
    (landscape ? m_landscape_lbl : m_portrait_lbl)->showPosition(m_position);
}

void SettingsDlg::choosePosition(int position)
{
    m_position = position;
    m_angle = ReceiverPositionPicture::angleOf(position);
    showPosition();
    markModified();
}

void SettingsDlg::dirChangedSlot()
{
    const QString folder
        = dialogs().existingDirectory(this, tr("Select Working Directory"), m_dir_le->text());
    if (folder.isEmpty())
        return;
    m_dir_le->setText(folder);
    markModified();
}

void SettingsDlg::handleLanguagesComboSlot(const QString &text)
{
    if (m_filling)
        return;
    m_language = text;
    // The start-up reads the status: it is set at once, even if the dialog is cancelled.
    ApplSettings::instance().setAttribute(kLanguage, QStringLiteral("status"), QStringLiteral("1"));
    markModified();
    dialogs().information(this, applicationTitle(),
                          tr("In order to apply your language selection you have to click "
                             "\"OK\"\n on \"Setting\" dialog and re-start application"));
}

void SettingsDlg::rtcChangedSlot(const QDateTime &)
{
    markModified();
}

void SettingsDlg::setValueAfterMoveSlot(int)
{
    // The page has cleared the test area and says the value must be applied first.
    m_thresholdPage->testArea()->setEnabled(false);
    m_thresholdChanged = true;
    markModified();
}

void SettingsDlg::setValueFromSliderSlot()
{
    setValueAfterMoveSlot(m_thresholdPage->slider()->value());
}

void SettingsDlg::writeSettings()
{
    ApplSettings &settings = ApplSettings::instance();
    const QString color = QStringLiteral("rgba_color");
    settings.setAttribute(kDefaultPen, color, m_colors[int(Pen::Default)]);
    settings.setAttribute(kDefaultPen, QStringLiteral("width"), m_width);
    settings.setAttribute(kDefaultPen, QStringLiteral("ball_point_size"), m_ballPoint);
    for (int pen = int(Pen::Highlight); pen < int(Pen::Count); ++pen)
        settings.setAttribute(penEntry(pen), color, m_colors[pen]);
    settings.setPaperById(m_paper_sz_cbox->currentIndex());
    settings.setLandscape(m_orientation != QLatin1String("Portrait"));
    settings.setAttribute(kPage, QStringLiteral("angle"), m_angle);
    settings.setAttribute(kStartFolder, QStringLiteral("path"), m_dir_le->text());
    settings.setAttribute(kLanguage, QStringLiteral("name"), m_lang_cbx->currentText());
}

bool SettingsDlg::userClickedApplySlot()
{
    writeSettings();
    bool stayOpen = false;
    if (m_thresholdChanged) {
        const QMessageBox::StandardButton answer = dialogs().question(
            this, applicationTitle(),
            tr("You changed the tip sensitivity and did not test \nthe current setting. Click "
               "\"OK\" without \ntesting. Click \"Apply\" to apply the setting\n and test it."),
            QMessageBox::Ok | QMessageBox::Apply | QMessageBox::Cancel, QMessageBox::Apply);
        if (answer == QMessageBox::Cancel)
            return false;
        if (answer == QMessageBox::Apply) {
            // Applying the setting to test it means sending it: the threshold page then offers
            // the test area with the new value on the receiver.
            m_pages->setCurrentWidget(m_thresholdPage);
            stayOpen = true;
        }
        sendThreshold();
    }
    QString reason;
    if (!ApplSettings::instance().save(ApplSettings::instance().settingsPath(), reason)) {
        dialogs().critical(this, applicationTitle(),
                           tr("The settings could not be saved.") + QLatin1Char('\n') + reason);
        return false;
    }
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
    m_modified = false;
    emit settingsApplied();
    const QString drawn = drawingSettings();
    if (drawn != m_drawnWith) {
        m_drawnWith = drawn;
        emit paperSettingsChanged();
    }
    return !stayOpen;
}

void SettingsDlg::userClickedOkSlot()
{
    if (!userClickedApplySlot())
        return;
    // A threshold on its way to the receiver is waited for, so that its failure is told.
    if (m_writePending)
        m_closeAfterWrite = true;
    else
        accept();
}

void SettingsDlg::sendThreshold()
{
    if (!m_receiverConnected) {
        m_thresholdChanged = false;
        return;
    }
    m_writePending = true;
    m_thresholdPage->slider()->setEnabled(false);
    m_receiver->requestClickThresholdWrite(quint16(m_thresholdPage->slider()->value()));
}

void SettingsDlg::thresholdWritten(bool ok)
{
    m_writePending = false;
    if (!m_receiverConnected)
        return;
    m_thresholdPage->slider()->setEnabled(true);
    if (!ok) {
        m_closeAfterWrite = false;
        m_buttons->button(QDialogButtonBox::Apply)->setEnabled(true);
        dialogs().critical(this, applicationTitle(), tr("Failed to update the click threshold."));
        return;
    }
    m_thresholdChanged = false;
    if (m_closeAfterWrite) {
        accept();
        return;
    }
    m_readBackWait.start();
}

void SettingsDlg::readThreshold(Read purpose)
{
    if (!m_receiverConnected)
        return;
    m_pendingRead = purpose;
    m_receiver->requestClickThreshold();
}

void SettingsDlg::thresholdRead(bool ok, quint16 value)
{
    const Read purpose = std::exchange(m_pendingRead, Read::None);
    if (purpose == Read::None || !m_receiverConnected)
        return;
    const bool inRange = value >= m_lowPressure && value <= m_highPressure;
    if (purpose == Read::AfterWrite) {
        if (ok && inRange)
            m_thresholdPage->showReady(value);
        else
            enableTesting();
        return;
    }
    if (!ok) {
        dialogs().critical(nullptr, applicationTitle(),
                           tr("Failed to retrieve the pressure value."));
        hidDeviceUnplugSlot();
        return;
    }
    if (!inRange && purpose == Read::AfterPlug) {
        m_secondPause.start();
        return;
    }
    if (inRange) {
        m_thresholdPage->showReady(value);
        m_thresholdChanged = false;
    } else {
        enableTesting();
    }
}

void SettingsDlg::enableTesting()
{
    m_thresholdPage->showReady(m_thresholdPage->slider()->value());
}

void SettingsDlg::hidDevicePlugSlot()
{
    m_receiverConnected = true;
    if (!m_receiver->isPresent())
        m_receiver->adoptDevice(DeviceManager::instance().currentDevice());
    m_pendingRead = Read::None;
    m_secondPause.stop();
    // Nothing to move or test until the receiver's own threshold is known.
    m_thresholdPage->slider()->setEnabled(false);
    m_thresholdPage->testArea()->setEnabled(false);
    m_plugPause.start();
}

void SettingsDlg::hidDeviceUnplugSlot()
{
    m_receiverConnected = false;
    m_thresholdPage->setBounds(m_lowPressure, m_highPressure, m_lowPressure);
    m_plugPause.stop();
    m_secondPause.stop();
    m_readBackWait.stop();
    m_pendingRead = Read::None;
    m_writePending = false;
    m_closeAfterWrite = false;
    m_thresholdPage->showUnavailable();
}

void SettingsDlg::setRealTimeClock()
{
    if (!m_receiverConnected) {
        dialogs().warning(this, applicationTitle(),
                          tr("The receiver is not connected to USB port, can't update Real-time "
                             "clock."));
        return;
    }
    const QMessageBox::StandardButton answer = dialogs().question(
        this, applicationTitle(), tr("Would you like to apply clock setting to the receiver?"),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    if (answer != QMessageBox::Ok)
        return;
    m_set_rtc_btn->setEnabled(false);
    m_receiver->requestReceiverClock(m_date_timeedit->dateTime());
}

void SettingsDlg::clockWritten(bool ok)
{
    m_set_rtc_btn->setEnabled(true);
    if (!ok)
        dialogs().critical(this, applicationTitle(), tr("Failed to update Real-time clock!"));
}
