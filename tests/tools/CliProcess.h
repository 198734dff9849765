// Runs a command-line tool of the build and captures its exit code and output.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace TestSupport {

struct ProcessResult
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline ProcessResult runTool(const QString &program, const QStringList &arguments,
                             const QString &workingDirectory = QString(), int timeoutMs = 120000)
{
    QProcess process;
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
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
