// The process-wide log of rejected pen files: "nivo.log" and standard error.
#pragma once

#include <string>

namespace Nivo {

enum LogLevel {
    LogSevere = 0,
    LogWarning = 1,
    LogInfo = 2,
    LogFine = 3,
    LogFiner = 4,
    LogFinest = 5,
};

/// Appends one line to "nivo.log" in the current directory and writes the same line to
/// standard error. Levels above WARNING are dropped. The file starts again from empty with
/// the message after the one that took it to 10 MiB. Any thread may call it; it never fails
/// towards the caller.
void logMessage(int level, const char *className, const char *methodName, const char *message);

/// Writes "nivo.log" into folder from now on instead of the current directory (an empty
/// folder goes back to the current directory). The application keeps it beside its
/// settings, since the folder it was started from may be read-only or the receiver's disc.
void setLogFolder(const std::string &folder);

/// The log file's path as it is written now.
std::string logFilePath();

} // namespace Nivo
