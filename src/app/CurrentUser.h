// A short text that names the logged-in user, for per-user lock and socket names.
#pragma once

#include <QString>

/// Stable for one user across processes and sessions, different between users, and safe
/// to use inside a file name.
QString currentUserKey();
