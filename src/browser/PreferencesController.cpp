// Opening the settings dialog and wiring it to the receiver and the thumbnails.
#include "browser/PreferencesController.h"

#include "browser/PreviewThumbnailList.h"
#include "browser/ReceiverStatus.h"
#include "preferences/SettingsDlg.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>

PreferencesController::PreferencesController(QMainWindow *window, ReceiverStatus *receiver,
                                             PreviewThumbnailList *thumbnails)
    : QObject(window)
    , m_window(window)
    , m_receiver(receiver)
    , m_thumbnails(thumbnails)
    , m_actionPreferences(
          new QAction(QIcon(QStringLiteral(":/actions/settings.png")), tr("Settings"), window))
{
    m_actionPreferences->setObjectName(QStringLiteral("actionPreferences"));
    m_actionPreferences->setMenuRole(QAction::PreferencesRole);
    m_actionPreferences->setShortcut(QKeySequence::Preferences);
    connect(m_actionPreferences, &QAction::triggered, this, &PreferencesController::setPreferences);
}

void PreferencesController::setPreferences()
{
    SettingsDlg dialog(m_window, m_receiver->isConnected());
    connect(m_receiver, &ReceiverStatus::handleHIDDevicePlugSgnl, &dialog,
            &SettingsDlg::hidDevicePlugSlot);
    connect(m_receiver, &ReceiverStatus::handleHIDDeviceUnplugSgnl, &dialog,
            &SettingsDlg::hidDeviceUnplugSlot);
    // The thumbnails are drawn on the paper and with the pens of the settings.
    connect(&dialog, &SettingsDlg::paperSettingsChanged, m_thumbnails,
            [this] { m_thumbnails->reloadSameFolder(true); });
    m_dialog = &dialog;
    emit dialogOpened(&dialog);
    dialog.exec();
    m_dialog = nullptr;
}
