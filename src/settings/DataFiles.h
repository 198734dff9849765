// Where the program's own read-only files are found: beside the executable in a build
// folder, or in the installed share/draftbay/ beside the executable's bin/.
#pragma once

#include <QString>
#include <QStringList>

/// The executable's folder, then its ../share/draftbay; executableFolder empty means the
/// running program's folder.
QStringList dataFolders(const QString &executableFolder = {});

/// relativePath in the first of dataFolders() that holds it (native separators); the path
/// in the first folder when none does, so that a message names where it was expected.
QString findDataFile(const QString &relativePath, const QString &executableFolder = {});
