// Moving the receiver's sketches into a dated backup folder on the computer.
#pragma once

#include <QDateTime>
#include <QStringList>

struct SketchBackupResult
{
    QString backupFolder;
    QStringList moved;
    /// Files that could not be copied; they stay where they were.
    QStringList failed;
    bool folderCreated = false;
};

/// The backup folder for a move at that moment: destination + "/sketch_backup_" + the date
/// and time to the millisecond.
QString backupFolderName(const QString &destination, const QDateTime &moment);

/// Creates the folder, copies every sketch of source that matches the patterns into it and
/// deletes a source file only once its copy exists with the same size.
SketchBackupResult moveSketchesToBackup(const QString &source, const QString &backupFolder,
                                        const QStringList &patterns);
