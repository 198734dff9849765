// The user's key and private folders where no numeric user id exists: the account name,
// and the per-user temporary folder the system already keeps from others.
#include "app/CurrentUser.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

QString currentUserKey()
{
    QString name = qEnvironmentVariable("USERNAME");
    if (name.isEmpty())
        name = qEnvironmentVariable("USER");
    // A hash keeps the key short and free of characters a file name cannot hold.
    return QString::fromLatin1(
        QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

bool isPrivateFolder(const QString &folder)
{
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && !info.isSymLink();
}

QString makePrivateFolder(const QString &folder)
{
    return !folder.isEmpty() && QDir().mkpath(folder) && isPrivateFolder(folder) ? folder
                                                                                 : QString();
}

bool isOwnedByCurrentUser(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}
