// The window's "Settings" command: opens the settings dialog beside the receiver's status.
#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class PreviewThumbnailList;
class ReceiverStatus;
class SettingsDlg;

class PreferencesController : public QObject
{
    Q_OBJECT

public:
    /// The window, the status and the list outlive this object, a child of the window.
    PreferencesController(QMainWindow *window, ReceiverStatus *receiver,
                          PreviewThumbnailList *thumbnails);

    /// "Settings", for the window's menu.
    QAction *actionPreferences() const { return m_actionPreferences; }
    /// The dialog while it is open (tests); null otherwise.
    SettingsDlg *openDialog() const { return m_dialog; }

public slots:
    /// Opens the modal dialog; the receiver's plug and unplug reach it while it is up, and
    /// applied drawing settings redraw the shown sketches.
    void setPreferences();

signals:
    /// The dialog was made and is about to be shown (tests drive it from here).
    void dialogOpened(SettingsDlg *dialog);

private:
    QMainWindow *m_window;
    ReceiverStatus *m_receiver;
    PreviewThumbnailList *m_thumbnails;
    QAction *m_actionPreferences;
    SettingsDlg *m_dialog = nullptr;
};
