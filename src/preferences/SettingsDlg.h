// The settings dialog: paper and receiver position, pens and colours, the click threshold,
// the start folder, the language and the receiver's clock.
#pragma once

#include <QColor>
#include <QDialog>
#include <QString>
#include <QTimer>

#include <array>
#include <chrono>

class ClickThresholdPage;
class QComboBox;
class QDateTimeEdit;
class QDialogButtonBox;
class QLabel;
class ReceiverPositionPicture;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QuilloDeviceObserver;

/// Edits the settings store in memory and writes it to the settings file on OK or Apply.
/// Talks to the receiver through an observer of its own; every exchange is asynchronous, and
/// the pauses before reading the receiver's threshold are timers, so the dialog keeps
/// answering and may be closed at any time (a late answer is then dropped).
class SettingsDlg : public QDialog
{
    Q_OBJECT

public:
    /// receiverConnected: the window has announced the receiver, which is then taken as
    /// present at once (and its threshold read after the pause).
    explicit SettingsDlg(QWidget *parent = nullptr, bool receiverConnected = false);
    ~SettingsDlg() override;

    /// The pauses before the first and the second threshold read after a plug (7 s and 2 s)
    /// and the wait before reading a written threshold back (1 s); for tests and demos.
    void setPlugPauses(std::chrono::milliseconds first, std::chrono::milliseconds second);
    void setReadBackWait(std::chrono::milliseconds wait);

    QTabWidget *pages() const { return m_pages; }
    ClickThresholdPage *thresholdPage() const { return m_thresholdPage; }
    bool isModified() const { return m_modified; }
    bool isReceiverConnected() const { return m_receiverConnected; }
    bool isThresholdChanged() const { return m_thresholdChanged; }
    /// The chosen receiver position (0 to 7), or -1 for none.
    int positionIndex() const { return m_position; }

public slots:
    void setBrushColor();
    void setHighlightColor();
    void setScrubberLeftColorSlot();
    void setScrubberMiddleColorSlot();
    void setScrubberRightColorSlot();
    void dirChangedSlot();
    /// Writes the settings and saves them, asking first about an untested threshold; false
    /// when that question stopped it or the file could not be written.
    bool userClickedApplySlot();
    void userClickedOkSlot();
    void defaultWidthChangedSlot(int value);
    void setBallpointDiameterSlot(const QString &text);
    void setRealTimeClock();
    void setLandscapeOrientationSlot(bool checked);
    void setPortraitOrientationSlot(bool checked);
    void paperSizeChangedSlot(const QString &text);
    void hidDeviceUnplugSlot();
    void hidDevicePlugSlot();
    void setValueFromSliderSlot();
    void setValueAfterMoveSlot(int value);
    void handleLanguagesComboSlot(const QString &text);
    void rtcChangedSlot(const QDateTime &dateTime);

signals:
    /// Applied settings change how sketches are drawn (paper, orientation, position, pens).
    void paperSettingsChanged();
    /// The settings were written to the file (tests, the window).
    void settingsApplied();

private:
    enum class Pen { Default, Highlight, ScrubberLeft, ScrubberMiddle, ScrubberRight, Count };
    enum class Read { None, AfterPlug, AfterSecondPause, AfterWrite };

    QWidget *makeMappingPage();
    QWidget *makePenPage();
    QWidget *makeGeneralPage();
    void fillFromSettings();
    void chooseColor(Pen pen);
    void showColor(Pen pen);
    void showOrientation();
    void showPosition();
    void choosePosition(int position);
    void markModified();
    /// What the shown sketches are drawn with: paper, orientation, position and pens.
    QString drawingSettings() const;
    void writeSettings();
    void sendThreshold();
    void readThreshold(Read purpose);
    void thresholdRead(bool ok, quint16 value);
    void thresholdWritten(bool ok);
    void clockWritten(bool ok);
    void finishApply();
    void enableTesting();

    QuilloDeviceObserver *m_receiver;
    QTabWidget *m_pages;
    QComboBox *m_paper_sz_cbox = nullptr;
    QToolButton *m_portrait_btn = nullptr;
    QToolButton *m_landscape_btn = nullptr;
    ReceiverPositionPicture *m_portrait_lbl = nullptr;
    ReceiverPositionPicture *m_landscape_lbl = nullptr;
    QSpinBox *m_default_brush_sz_spin = nullptr;
    QComboBox *m_ball_pt_diameter_cbox = nullptr;
    std::array<QPushButton *, static_cast<int>(Pen::Count)> m_colorButtons {};
    ClickThresholdPage *m_thresholdPage;
    QLineEdit *m_dir_le = nullptr;
    QToolButton *m_dir_btn = nullptr;
    QComboBox *m_lang_cbx = nullptr;
    QDateTimeEdit *m_date_timeedit = nullptr;
    QPushButton *m_set_rtc_btn = nullptr;
    QDialogButtonBox *m_buttons;

    std::array<QString, static_cast<int>(Pen::Count)> m_colors;
    QString m_width;
    QString m_ballPoint;
    QString m_paperName;
    QString m_orientation;
    QString m_angle;
    QString m_language;
    QString m_drawnWith;
    int m_position = -1;
    int m_lowPressure = 0;
    int m_highPressure = 0;
    bool m_modified = false;
    bool m_thresholdChanged = false;
    bool m_receiverConnected = false;
    bool m_filling = false;
    bool m_closeAfterWrite = false;

    QTimer m_plugPause;
    QTimer m_secondPause;
    QTimer m_readBackWait;
    Read m_pendingRead = Read::None;
    bool m_writePending = false;
};
