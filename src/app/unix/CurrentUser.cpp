// The user's key and private folders on Unix-like systems: the numeric user id and modes.
#include "app/CurrentUser.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool statOf(const QString &path, struct stat &info)
{
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

QString currentUserKey()
{
    return QString::number(::getuid());
}

bool isPrivateFolder(const QString &folder)
{
    struct stat info
    { };
    return statOf(folder, info) && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & 0777) == 0700;
}

QString makePrivateFolder(const QString &folder)
{
    // Made with its final mode in one step: there is no moment at which others may enter.
    if (folder.isEmpty()
        || (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST))
        return QString();
    return isPrivateFolder(folder) ? folder : QString();
}

bool isOwnedByCurrentUser(const QString &path)
{
    struct stat info
    { };
    return statOf(path, info) && info.st_uid == ::geteuid();
}
