// The receiver's "move my sketches to the computer" command, from question to report.
#include "browser/SketchBackupController.h"

#include "browser/FolderWatcher.h"
#include "browser/LoaderThread.h"
#include "browser/PreviewThumbnailList.h"
#include "browser/SketchBackup.h"
#include "browser/SketchMove.h"
#include "settings/ApplSettings.h"
#include "settings/DialogService.h"

#include <QDateTime>
#include <QDir>

SketchBackupController::SketchBackupController(QWidget *window, PreviewThumbnailList *list,
                                               ApplSettings *settings)
    : QObject(window)
    , m_window(window)
    , m_list(list)
    , m_settings(settings)
{ }

void SketchBackupController::moveToComputer(const QDir &source)
{
    const QString destination
        = dialogs().existingDirectory(m_window, tr("Open destination folder"), QDir::homePath());
    if (destination.isEmpty()
        || QDir::cleanPath(destination) == QDir::cleanPath(source.absolutePath()))
        return;
    const QString backup = backupFolderName(destination, QDateTime::currentDateTime());
    if (dialogs().question(m_window, applicationTitle(),
                           tr("Are you sure you want to move your sketches to \n") + backup
                               + tr(" folder?"),
                           QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
        != QMessageBox::Ok)
        return;
    QString patterns;
    m_settings->getAttribute(QStringLiteral("fileformats/extensions"), QStringLiteral("list"),
                             patterns);
    // An empty window stops the loader, which then leaves the moving files alone; the paused
    // watcher keeps every file that leaves from starting a reload of its own.
    m_list->loader()->loadFolder(source, 0, 0);
    m_list->folderWatcher()->pause();
    const std::unique_ptr<SketchMoveProgress> progress = createSketchMoveProgress(m_window);
    const SketchBackupResult result = moveSketchesInBackground(
        source.absolutePath(), backup, patterns.split(QLatin1Char(' ')), *progress);
    m_list->folderWatcher()->resume();
    if (!result.folderCreated)
        dialogs().warning(m_window, applicationTitle(),
                          tr("Unable to create the folder\n%1").arg(backup));
    else if (!result.failed.isEmpty())
        dialogs().warning(m_window, applicationTitle(),
                          tr("These sketches could not be moved and stay where they were:\n%1")
                              .arg(result.failed.join(QLatin1Char('\n'))));
    m_list->reloadSameFolder(false);
}
