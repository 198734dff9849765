// Drawing applications of the Linux desktop, found through their desktop entries.
#pragma once

#include "settings/InstalledApp.h"

#include <QStringList>

/// GIMP, Krita, MyPaint and Inkscape, in this order, each found at most once.
///
/// applicationFolders are searched in order, each with its subfolders; the first entry
/// with a given desktop file id decides for that id, so a user's own entry hides the
/// system's. An entry is the application's when its id is the application's name or ends
/// in "." and that name ("org.kde.krita.desktop"), or when its Name is the application's
/// (a version at its end aside). Entries that are Hidden (deleted), NoDisplay (helpers such
/// as a per-format entry), not of Type Application, or whose TryExec or Exec program is not
/// an executable file (looked up in searchPath unless absolute) are not offered.
///
/// The record's name is the application's own short name ("GIMP"), so that it never reads
/// like another application's; its version comes from an "X-...-Version" key when there is
/// one, else from a version at the end of Name, else it is empty (the entry's Version key
/// is that of the entry format). The arguments are Exec's, each quoted argument one
/// argument, with %f, %F, %u and %U as the file, %i as "--icon" and the icon, %c as the
/// name, %k as the entry file, other field codes removed. GIMP, Krita and MyPaint are handed
/// OpenRaster files, Inkscape layered SVG.
QList<InstalledApp> findDesktopApps(const QStringList &applicationFolders,
                                    const QStringList &searchPath);

/// The folders of desktop entries, most important first: dataHome (else home +
/// "/.local/share") and each of dataDirs (colon-separated, else "/usr/local/share:/usr/share"),
/// each followed by "/applications". Relative folders are ignored.
QStringList xdgApplicationFolders(const QString &dataHome, const QString &dataDirs,
                                  const QString &home);
