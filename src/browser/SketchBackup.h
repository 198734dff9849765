// Moving the receiver's sketches into a dated backup folder on the computer.
#pragma once

#include <QDateTime>
#include <QStringList>

#include <functional>

struct SketchBackupResult
{
    QString backupFolder;
    QStringList moved;
    /// Files that could not be copied; they stay where they were.
    QStringList failed;
    bool folderCreated = false;
    /// The move stopped before its last file; the files not reached stay where they were.
    bool cancelled = false;
};

/// The backup folder for a move at that moment: destination + "/sketch_backup_" + the date
/// and time to the millisecond.
QString backupFolderName(const QString &destination, const QDateTime &moment);

/// Asked before each file with the number of files handled so far and their total, and once
/// more after the last; false stops the move before the next file.
using SketchMoveCheck = std::function<bool(int handled, int total)>;

/// Creates the folder, copies every sketch of source that matches the patterns into it and
/// deletes a source file only once its copy is complete, so each file is either moved whole
/// or untouched. An existing file of the same name in the folder is not replaced. Runs on
/// any thread; carryOn (optional) is asked on the same thread.
SketchBackupResult moveSketchesToBackup(const QString &source, const QString &backupFolder,
                                        const QStringList &patterns,
                                        const SketchMoveCheck &carryOn = {});
