// Runs a command-line tool of the build and captures its exit code and output.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>

namespace TestSupport {

struct ProcessResult
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

/// Runs program and waits for it. A fileSizeLimit above 0 makes every file the program
/// writes fail past that many bytes, as on a full disc.
inline ProcessResult runTool(const QString &program, const QStringList &arguments,
                             const QString &workingDirectory = QString(), int timeoutMs = 120000,
                             long fileSizeLimit = 0)
{
    QProcess process;
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    if (fileSizeLimit > 0) {
        process.setChildProcessModifier([fileSizeLimit] {
            // A write past the limit then fails with EFBIG instead of ending the program.
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit {static_cast<rlim_t>(fileSizeLimit),
                                static_cast<rlim_t>(fileSizeLimit)};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    process.start(program, arguments);
    ProcessResult result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

inline QString cliPath()
{
    return QStringLiteral(DRAFTBAY_BINARY_DIR "/bin/draftbay-cli");
}

} // namespace TestSupport
