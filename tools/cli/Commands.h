// The subcommands of draftbay-cli and their shared conventions.
#pragma once

#include <string>
#include <vector>

namespace Cli {

/// Exit codes: success, a file that could not be handled, a command line that makes no sense.
enum ExitCode { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

using Arguments = std::vector<std::string>;

/// Prints "draftbay-cli: message" on standard error and returns ExitUsage.
int usageError(const std::string &message);
/// Prints "draftbay-cli: message" on standard error.
void printError(const std::string &message);

int runInfo(const Arguments &arguments);
int runDump(const Arguments &arguments);
int runConvert(const Arguments &arguments);
/// The receiver's state and settings, and its live points; see ReceiverCommands.cpp.
int runReceiver(const Arguments &arguments);
int runThumbnail(const Arguments &arguments);
/// The sketch's replay as a GIF, WebP or MP4 file; see ReplayCommand.cpp.
int runReplay(const Arguments &arguments);

} // namespace Cli
