// Formats log lines and appends them to the log file under one process-wide lock.
#include "ink/Log.h"

#include <cstdio>
#include <ctime>
#include <mutex>
#include <string>
#include <unistd.h>

namespace Nivo {

namespace {

constexpr const char *kLogFileName = "nivo.log";
constexpr int kThreshold = LogWarning;
constexpr long kRestartSize = 10L * 1024 * 1024;

const char *levelName(int level)
{
    static const char *const kNames[] = {"SEVERE", "WARNING", "INFO", "FINE", "FINER", "FINEST"};
    return level >= 0 && level <= 5 ? kNames[level] : "";
}

std::mutex &fileLock()
{
    static std::mutex lock;
    return lock;
}

// Set when a write took the file to the limit: the next message empties it first.
bool g_restartPending = false;

std::string formatLine(int level, const char *className, const char *methodName,
                       const char *message)
{
    char timeText[254] = {};
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    if (localtime_r(&now, &local))
        std::strftime(timeText, sizeof timeText, "[%Y.%m.%d %H:%M:%S]", &local);

    std::string line;
    line.reserve(128);
    line += timeText;
    line += " [";
    line += std::to_string(static_cast<long>(gettid()));
    line += "] ";
    line += levelName(level);
    line += ' ';
    line += message ? message : "";
    line += '\t';
    line += className ? className : "";
    line += "::";
    line += methodName ? methodName : "";
    line += "()\n";
    return line;
}

} // namespace

namespace {

std::string &logFolder()
{
    static std::string folder;
    return folder;
}

} // namespace

void setLogFolder(const std::string &folder)
{
    std::scoped_lock lock(fileLock());
    logFolder() = folder;
}

std::string logFilePath()
{
    std::scoped_lock lock(fileLock());
    return logFolder().empty() ? std::string(kLogFileName) : logFolder() + "/" + kLogFileName;
}

void logMessage(int level, const char *className, const char *methodName, const char *message)
{
    if (level > kThreshold)
        return;
    const std::string line = formatLine(level, className, methodName, message);
    std::fwrite(line.data(), 1, line.size(), stderr);

    std::scoped_lock lock(fileLock());
    const std::string path
        = logFolder().empty() ? std::string(kLogFileName) : logFolder() + "/" + kLogFileName;
    std::FILE *file = std::fopen(path.c_str(), g_restartPending ? "w" : "a");
    if (!file)
        return;
    g_restartPending = false;
    std::fwrite(line.data(), 1, line.size(), file);
    std::fflush(file);
    if (std::ftell(file) >= kRestartSize)
        g_restartPending = true;
    std::fclose(file);
}

} // namespace Nivo
