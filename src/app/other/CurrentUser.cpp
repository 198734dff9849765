// The user's key where no numeric user id exists: the account name, made file-name safe.
#include "app/CurrentUser.h"

#include <QCryptographicHash>

QString currentUserKey()
{
    QString name = qEnvironmentVariable("USERNAME");
    if (name.isEmpty())
        name = qEnvironmentVariable("USER");
    // A hash keeps the key short and free of characters a file name cannot hold.
    return QString::fromLatin1(
        QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}
