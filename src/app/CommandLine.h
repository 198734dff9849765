// What the command line asks of a start, and how the window first appears.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine
{
    /// Whether there is a first argument at all.
    bool hasArgument = false;
    /// The first argument is exactly "tray": start hidden in the tray.
    bool isTray = false;
    /// The first argument when it is not "tray", made absolute against the current folder.
    QString file;
    /// The file (or folder) existed when the program started.
    bool openAfterStart = false;
    /// What a second start hands to the running copy.
    QString handOverMessage;
};

/// Reads the first argument after the program name; later ones are ignored. A relative
/// file name is resolved against the current folder, for this copy and for the running
/// copy it is handed to.
CommandLine parseCommandLine(const QStringList &arguments);

/// A "tray" start stays hidden unless the receiver's volume is already mounted, and only
/// where a tray exists to bring it back from.
bool startsHidden(const CommandLine &commandLine, bool isReceiverVolumeMounted,
                  bool isSystemTrayAvailable);
