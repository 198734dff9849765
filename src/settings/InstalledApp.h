// An installed external drawing application: what the menus name and how it is started.
#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

/// What an export hands to the application.
enum class HandOff {
    PhotoshopLayers, ///< one PNG image per layer in a folder, loaded by a script
    SavedDocument,   ///< the document in the saved-document format
    OpenRaster,      ///< an OpenRaster file ("image/openraster")
    LayeredSvg,      ///< an SVG file with one Inkscape layer per ink layer ("image/svg+xml")
    LayeredPsd,      ///< a Photoshop file of one layer per ink layer ("image/x-psd")
};

/// A drive letter of a Wine prefix and the host folder it stands for.
struct WineDrive
{
    QChar letter; ///< upper case
    QString hostFolder;
};

struct InstalledApp
{
    QString name;
    QString version;
    /// Host path of the program file; empty for Photoshop, which is reached through a script.
    QString executable;
    /// Host path of the application's plug-in folder, when it has one.
    QString pluginFolder;
    /// How the application is started with a file: program and arguments, in which "%f"
    /// stands for the file and "%%" for a percent sign. No program: the desktop opens the
    /// file with its registered handler.
    QString program;
    QStringList arguments;
    /// The drives of the Wine prefix for a Windows application run through Wine, empty
    /// otherwise; files handed to it are named as paths on these drives.
    QList<WineDrive> wineDrives;
    HandOff handOff = HandOff::SavedDocument;
    /// The icon of a desktop entry: a theme icon name or an icon file.
    QString iconName;
    /// The MIME types the desktop entry says the application opens.
    QStringList mimeTypes;
};

/// The application's entry in the "Export to" menus: "&" + name + " " + version (without the
/// space when there is no version).
QString menuLabel(const InstalledApp &application);

struct LaunchCommand
{
    QString program;
    QStringList arguments;
};

/// The command that opens file (a host path) in the application: each argument separate,
/// never through a shell. The file is added at the end when the arguments do not place it.
LaunchCommand launchCommand(const InstalledApp &application, const QString &file);

/// text as an argument of InstalledApp::arguments that stands for itself.
QString literalArgument(QString text);

/// The host path of a Windows path ("C:\dir\file"): the drive's folder, each further part
/// matched without regard to case when the exact name does not exist, as Windows would.
/// Empty when no drive has that letter or the path names no drive.
QString hostPathOf(const QList<WineDrive> &drives, const QString &windowsPath);
/// The Windows path of a host path, through the drive whose folder holds it most closely;
/// the path unchanged when no drive holds it.
QString windowsPathOf(const QList<WineDrive> &drives, const QString &hostPath);
