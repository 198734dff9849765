// Tray icon, tray menu, the receiver's state and warnings, and bringing the window back.
#include "browser/TrayController.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>

TrayController::TrayController(QMainWindow *window)
    : QObject(window)
    , m_window(window)
    , m_menu(new QMenu(window))
    , m_icon(new QSystemTrayIcon(this))
{
    m_menu->setAccessibleName(tr("Tray menu"));
    m_menu->addAction(tr("Mi&nimize"), window, &QWidget::hide);
    m_menu->addAction(tr("Ma&ximize"), this, &TrayController::showMaximized);
    m_menu->addAction(tr("&Restore"), window, &QWidget::showNormal);
    m_menu->addSeparator();
    m_menu->addAction(tr("&Quit"), qApp, &QCoreApplication::quit);
    setConnected(false);
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, &TrayController::handleActivated);
}

TrayController::~TrayController()
{
    m_icon->hide();
}

void TrayController::showIfAvailable(bool trayAvailable)
{
    if (trayAvailable)
        m_icon->show();
}

void TrayController::handleActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick)
        m_window->showMaximized();
}

void TrayController::showMaximized()
{
    m_window->raise();
    m_window->showMaximized();
}

void TrayController::setConnected(bool connected)
{
    m_icon->setIcon(QIcon(connected ? QStringLiteral(":/misc/Resources/USB/USB_32X32.png")
                                    : QStringLiteral(":/misc/Resources/USB/USB_unplug_32X32.png")));
    m_icon->setToolTip(connected ? tr("Quillo Draftbay is connected")
                                 : tr("Quillo Draftbay is disconnected"));
}

void TrayController::showWarning(const QString &text)
{
    m_icon->showMessage(tr("Quillo Draftbay"), text, QSystemTrayIcon::Warning, 10000);
    emit warningShown(text);
}
