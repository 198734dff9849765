// Copy, check, then delete: no sketch is lost to a failed copy.
#include "browser/SketchBackup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString backupFolderName(const QString &destination, const QDateTime &moment)
{
    return QDir::toNativeSeparators(destination + QStringLiteral("/sketch_backup_")
                                    + moment.toString(QStringLiteral("ddMMyyyyhhmmsszzz")));
}

SketchBackupResult moveSketchesToBackup(const QString &source, const QString &backupFolder,
                                        const QStringList &patterns)
{
    SketchBackupResult result;
    result.backupFolder = backupFolder;
    if (!QDir().mkpath(backupFolder))
        return result;
    result.folderCreated = true;
    const QDir from(source);
    const QFileInfoList files = from.entryInfoList(patterns, QDir::Files | QDir::Readable);
    for (const QFileInfo &file : files) {
        const QString target = QDir(backupFolder).filePath(file.fileName());
        const bool copied = QFile::copy(file.absoluteFilePath(), target)
            && QFileInfo(target).size() == file.size();
        if (!copied) {
            QFile::remove(target);
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
    return result;
}
