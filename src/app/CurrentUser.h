// Who the logged-in user is, and the folders and files that belong to that user alone.
#pragma once

#include <QString>

/// Stable for one user across processes and sessions, different between users, and safe
/// to use inside a file name.
QString currentUserKey();

/// Whether folder is a real folder (not a link) of the current user that nobody else may
/// enter or change.
bool isPrivateFolder(const QString &folder);

/// Makes folder, open to the current user only, when it does not exist. Returns folder
/// when it is private (isPrivateFolder()); empty when it cannot be made or is not private,
/// for instance because somebody else made it first.
QString makePrivateFolder(const QString &folder);

/// Whether the file or folder at path (a link itself, not what it points to) belongs to
/// the current user; false when there is nothing at path.
bool isOwnedByCurrentUser(const QString &path);
