// Copy completely, then delete: no sketch is lost to a failed or cancelled move.
#include "browser/SketchBackup.h"

#include "settings/AtomicSaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString backupFolderName(const QString &destination, const QDateTime &moment)
{
    return QDir::toNativeSeparators(destination + QStringLiteral("/sketch_backup_")
                                    + moment.toString(QStringLiteral("ddMMyyyyhhmmsszzz")));
}

SketchBackupResult moveSketchesToBackup(const QString &source, const QString &backupFolder,
                                        const QStringList &patterns, const SketchMoveCheck &carryOn)
{
    SketchBackupResult result;
    result.backupFolder = backupFolder;
    if (!QDir().mkpath(backupFolder))
        return result;
    result.folderCreated = true;
    const QDir from(source);
    const QFileInfoList files = from.entryInfoList(patterns, QDir::Files | QDir::Readable);
    const int total = static_cast<int>(files.size());
    for (int index = 0; index < total; ++index) {
        if (carryOn && !carryOn(index, total)) {
            result.cancelled = true;
            return result;
        }
        const QFileInfo &file = files.at(index);
        const QString target = QDir(backupFolder).filePath(file.fileName());
        // The copy reaches its name only when complete; a failed one leaves nothing behind.
        const bool copied = !QFileInfo::exists(target)
            && copyFileAtomically(file.absoluteFilePath(), target)
            && QFileInfo(target).size() == file.size();
        if (!copied) {
            result.failed << QDir::toNativeSeparators(file.absoluteFilePath());
            continue;
        }
        if (!QFile::remove(file.absoluteFilePath())) {
            // The copy is safe; the original stays as well.
            result.failed << QDir::toNativeSeparators(file.absoluteFilePath());
            continue;
        }
        result.moved << QDir::toNativeSeparators(target);
    }
    if (carryOn)
        (void)carryOn(total, total);
    return result;
}
