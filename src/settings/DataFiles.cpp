// The one lookup of the program's own files, beside the executable or installed.
#include "settings/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList dataFolders(const QString &executableFolder)
{
    const QDir executable(executableFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                     : executableFolder);
    return {executable.absolutePath(),
            QDir::cleanPath(executable.absoluteFilePath(QStringLiteral("../share/draftbay")))};
}

QString findDataFile(const QString &relativePath, const QString &executableFolder)
{
    const QStringList folders = dataFolders(executableFolder);
    for (const QString &folder : folders) {
        const QString candidate = QDir(folder).filePath(relativePath);
        if (QFileInfo::exists(candidate))
            return QDir::toNativeSeparators(candidate);
    }
    return QDir::toNativeSeparators(QDir(folders.first()).filePath(relativePath));
}
