// Starts like the program as far as the single instance goes, for the process tests.
//
// single_instance_probe --socket NAME --lock PATH [--timeout-ms N] [--tries N]
//     [--record FILE] [--ready FILE] [--messages N] [--serve-ms N] [--listen-after-ms N]
//     [--hold] -- [argument...]
//
// Prints "another=A delivered=D attempts=N elapsedMs=T" and, like the program, exits with 1
// when another copy runs. Otherwise it listens (or with --hold only keeps the lock), writes
// the ready file, appends every message it receives as one line to the record file, and
// exits with 0 after --messages messages; 3 when it cannot listen, 4 when --serve-ms pass
// first (with --hold that is the normal end, 0). With --listen-after-ms it writes the ready
// file as soon as it holds the lock and starts listening that much later, as the program
// does once its window is built.
#include "app/CommandLine.h"
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

struct Options
{
    SingleInstance::Names names;
    HandOverPolicy policy;
    QString recordPath;
    QString readyPath;
    int messages = 1;
    int serveMs = 120000;
    int listenAfterMs = 0;
    bool hold = false;
    QStringList commandLine;
};

bool parseOptions(const QStringList &arguments, Options &options)
{
    options.commandLine = {arguments.value(0)};
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        if (option == QLatin1String("--")) {
            options.commandLine += arguments.mid(i + 1);
            return !options.names.serverName.isEmpty() && !options.names.lockFilePath.isEmpty();
        }
        if (option == QLatin1String("--hold")) {
            options.hold = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            return false;
        const QString value = arguments.at(++i);
        if (option == QLatin1String("--socket"))
            options.names.serverName = value;
        else if (option == QLatin1String("--lock"))
            options.names.lockFilePath = value;
        else if (option == QLatin1String("--timeout-ms"))
            options.policy.timeoutMs = value.toInt();
        else if (option == QLatin1String("--tries"))
            options.policy.tries = value.toInt();
        else if (option == QLatin1String("--record"))
            options.recordPath = value;
        else if (option == QLatin1String("--ready"))
            options.readyPath = value;
        else if (option == QLatin1String("--messages"))
            options.messages = value.toInt();
        else if (option == QLatin1String("--serve-ms"))
            options.serveMs = value.toInt();
        else if (option == QLatin1String("--listen-after-ms"))
            options.listenAfterMs = value.toInt();
        else
            return false;
    }
    return false;
}

void appendLine(const QString &path, const QString &line)
{
    QFile file(path);
    if (file.open(QIODevice::Append))
        file.write(line.toUtf8() + '\n');
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    Options options;
    if (!parseOptions(QCoreApplication::arguments(), options)) {
        std::fprintf(stderr, "single_instance_probe: bad usage\n");
        return 2;
    }

    SingleInstance instance(options.names);
    const CommandLine commandLine = parseCommandLine(options.commandLine);
    QElapsedTimer clock;
    clock.start();
    const HandOverResult result
        = handOverToRunningInstance(instance, commandLine.handOverMessage, options.policy);
    std::printf("another=%d delivered=%d attempts=%d elapsedMs=%lld\n",
                int(result.isAnotherInstanceRunning), int(result.isDelivered), result.attempts,
                static_cast<long long>(clock.elapsed()));
    std::fflush(stdout);
    if (result.shouldExit())
        return 1;

    int received = 0;
    QObject::connect(&instance, &SingleInstance::messageReceived, &application,
                     [&](const QString &message) {
                         if (!options.recordPath.isEmpty())
                             appendLine(options.recordPath, message);
                         if (++received == options.messages)
                             QCoreApplication::exit(0);
                     });
    QTimer::singleShot(options.serveMs, &application,
                       [&] { QCoreApplication::exit(options.hold ? 0 : 4); });
    const auto listen = [&] {
        if (!options.hold && !instance.listen())
            QCoreApplication::exit(3);
    };
    if (options.listenAfterMs > 0) {
        QTimer::singleShot(options.listenAfterMs, &application, listen);
    } else {
        listen();
        if (!options.hold && !instance.isListening())
            return 3;
    }
    if (!options.readyPath.isEmpty())
        appendLine(options.readyPath, QStringLiteral("ready"));
    return QCoreApplication::exec();
}
