// Reading the first argument and choosing the window's first state.
#include "app/CommandLine.h"

#include <QFileInfo>

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine commandLine;
    commandLine.handOverMessage = QStringLiteral("Get the instance");
    if (arguments.size() < 2)
        return commandLine;
    const QString &first = arguments.at(1);
    commandLine.hasArgument = true;
    commandLine.isTray = first == QLatin1String("tray");
    if (commandLine.isTray)
        return commandLine;
    // The running copy has a current folder of its own: a relative name means this one's.
    commandLine.file = first.isEmpty() ? first : QFileInfo(first).absoluteFilePath();
    commandLine.openAfterStart = !first.isEmpty() && QFileInfo::exists(first);
    commandLine.handOverMessage += QLatin1Char('_') + commandLine.file;
    return commandLine;
}

bool startsHidden(const CommandLine &commandLine, bool isReceiverVolumeMounted,
                  bool isSystemTrayAvailable)
{
    return commandLine.isTray && !isReceiverVolumeMounted && isSystemTrayAvailable;
}
