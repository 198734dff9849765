// The user's key on Unix-like systems: the numeric user id.
#include "app/CurrentUser.h"

#include <unistd.h>

QString currentUserKey()
{
    return QString::number(::getuid());
}
