// Starts like the program as far as the single instance goes, for the process tests.
//
// single_instance_probe FOLDER TAG MESSAGES [argument...]
//
// Uses FOLDER/instance.sock and FOLDER/instance.lock and hands over what the arguments ask.
// Prints "another=A delivered=D attempts=N" and, like the program, exits with 1 when another
// copy runs. Otherwise it listens, writes FOLDER/TAG.ready, appends every message it
// receives as one line to FOLDER/TAG.record and exits with 0 after MESSAGES messages (3 when
// it cannot listen, 4 when they did not come within two minutes).
#include "app/CommandLine.h"
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

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
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: single_instance_probe FOLDER TAG MESSAGES [argument...]\n");
        return 2;
    }
    const QString folder = arguments[1] + '/';
    const QString tag = arguments[2];
    const int messages = arguments[3].toInt();

    SingleInstance instance({folder + "instance.sock", folder + "instance.lock"});
    const CommandLine commandLine = parseCommandLine(QStringList {arguments[0]} + arguments.mid(4));
    const HandOverResult result = handOverToRunningInstance(instance, commandLine.handOverMessage);
    std::printf("another=%d delivered=%d attempts=%d\n", int(result.isAnotherInstanceRunning),
                int(result.isDelivered), result.attempts);
    std::fflush(stdout);
    if (result.shouldExit())
        return 1;
    if (!instance.listen())
        return 3;

    int received = 0;
    QObject::connect(&instance, &SingleInstance::messageReceived, &application,
                     [&](const QString &message) {
                         appendLine(folder + tag + ".record", message);
                         if (++received == messages)
                             QCoreApplication::exit(0);
                     });
    QTimer::singleShot(120000, &application, [] { QCoreApplication::exit(4); });
    appendLine(folder + tag + ".ready", "ready");
    return QCoreApplication::exec();
}
