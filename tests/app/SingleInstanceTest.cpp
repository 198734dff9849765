// The lock, the message channel and the hand-over of the single instance: inside one process,
// and between real processes, where a killed copy must block nobody.
#include "app/SingleInstance.h"

#include "TempDirectory.h"
#include "app/CurrentUser.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kPatienceMs = 60000;

SingleInstance::Names namesIn(const TestSupport::TempDirectory &directory)
{
    return {QString::fromStdString(directory.file("instance.sock")),
            QString::fromStdString(directory.file("instance.lock"))};
}

QString q(const std::string &path)
{
    return QString::fromStdString(path);
}

// Gives path to another user ("nobody", or the superuser for "nobody"), as if that user had
// put it there; false where this process may not (only the superuser may give files away).
bool giveAway(const QString &path)
{
    const uid_t other = ::geteuid() == 65534 ? 0 : 65534;
    return ::lchown(QFile::encodeName(path).constData(), other, other) == 0;
}

int modeOf(const QString &path)
{
    struct stat info
    { };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777)
                                                                    : -1;
}

// The bytes of a valid lock of this very process, which is alive.
QByteArray liveLockBytes(const TestSupport::TempDirectory &directory)
{
    QLockFile model(q(directory.file("model.lock")));
    model.tryLock(0);
    QFile file(q(directory.file("model.lock")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sets an environment variable for the life of the object.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QString &value)
        : m_name(name)
    {
        if (qEnvironmentVariableIsSet(name))
            m_previous = qgetenv(name);
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnvironment()
    {
        if (m_previous)
            qputenv(m_name, *m_previous);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    std::optional<QByteArray> m_previous;
};

// Hands message over from a thread of its own, as a second copy would, while this thread
// runs the events the first copy needs to answer; the hand-over's result.
HandOverResult handOverFromAnotherThread(const SingleInstance::Names &names, const QString &message)
{
    HandOverResult result;
    std::atomic<bool> done {false};
    std::thread sender([&] {
        SingleInstance second(names);
        result = handOverToRunningInstance(second, message, {kPatienceMs, 1, 0});
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, kPatienceMs + 10000));
    sender.join();
    return result;
}

} // namespace

TEST(SingleInstance, LockAndSocketLiveInAFolderOfTheUsersOwnOrNowhere)
{
    TestSupport::TempDirectory directory;
    const QString temp = q(directory.file("tmp"));
    const QString fallback = temp + "/draftbay-" + currentUserKey();
    const QString runtime = q(directory.file("runtime"));
    QDir().mkdir(temp);
    QDir().mkdir(runtime);
    const auto setMode = [](const QString &path, int mode) {
        return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
    };
    ASSERT_TRUE(setMode(runtime, 0700));
    EXPECT_EQ(SingleInstance::privateFolder(runtime, temp), runtime);
    EXPECT_EQ(SingleInstance::namesIn(runtime).lockFilePath, runtime + "/QuilloDraftbay.lock");
    EXPECT_EQ(SingleInstance::namesIn(runtime).serverName, runtime + "/QuilloDraftbay.socket");

    // A runtime folder others may enter, a link or none at all: a folder of its own in
    // the temporary folder, made for the user alone.
    QFile::link(runtime, q(directory.file("link")));
    ASSERT_TRUE(setMode(runtime, 0750));
    for (const QString &unusable : {runtime, q(directory.file("link")), QString()}) {
        SCOPED_TRACE(unusable.toStdString());
        EXPECT_EQ(SingleInstance::privateFolder(unusable, temp), fallback);
        EXPECT_EQ(modeOf(fallback), 0700);
    }

    // One that somebody else made first is refused: that one could watch or block it.
    ASSERT_TRUE(setMode(fallback, 0777));
    EXPECT_EQ(SingleInstance::privateFolder(QString(), temp), QString());
    ASSERT_TRUE(setMode(fallback, 0700));
    if (giveAway(fallback)) {
        EXPECT_EQ(SingleInstance::privateFolder(QString(), temp), QString());
    }
    QDir().rmdir(fallback);
    QFile::link(runtime, fallback);
    ASSERT_TRUE(setMode(runtime, 0700));
    EXPECT_EQ(SingleInstance::privateFolder(QString(), temp), QString()) << "a link is not one";

    // Without such a folder every start runs alone, blocked by nobody.
    SingleInstance alone(SingleInstance::namesIn(QString()));
    EXPECT_FALSE(alone.isAnotherInstanceRunning());
    EXPECT_FALSE(alone.sendMessage("Get the instance", 1000));
    EXPECT_FALSE(alone.listen());
}

TEST(SingleInstance, OwnerlessLockFileIsTakenOverOnceOlderThanTheGracePeriod)
{
    TestSupport::TempDirectory directory;
    const SingleInstance::Names names = namesIn(directory);
    const bool isSuperuser = ::geteuid() == 0;
    const struct
    {
        const char *name;
        QByteArray bytes;
        bool unreadable;
        bool foreign;
    } cases[] = {
        {"empty", "", false, false},
        {"garbled", "not a lock\n\x01\xff", false, false},
        {"other host", "1\ndraftbay\nsomewhere-else.example\n", false, false},
        // Would be a live owner if it could be read or if it were the user's own.
        {"unreadable", liveLockBytes(directory), true, false},
        {"another user's", liveLockBytes(directory), false, true},
    };
    constexpr int kGraceMs = 300;
    for (const auto &ownerless : cases) {
        SCOPED_TRACE(ownerless.name);
        if ((ownerless.unreadable && isSuperuser) || (ownerless.foreign && !isSuperuser)) {
            // The superuser reads every file; only the superuser gives files away.
            std::printf("skipped the %s lock file as this user\n", ownerless.name);
            continue;
        }
        QFile::remove(names.lockFilePath);
        TestSupport::writeFile(names.lockFilePath.toStdString(), ownerless.bytes.toStdString());
        const qint64 writtenMs = QDateTime::currentMSecsSinceEpoch();
        if (ownerless.unreadable)
            QFile::setPermissions(names.lockFilePath, {});
        if (ownerless.foreign) {
            ASSERT_TRUE(giveAway(names.lockFilePath));
        }

        SingleInstance start(names);
        start.setOwnerlessLockGraceMs(kGraceMs);
        EXPECT_FALSE(start.isAnotherInstanceRunning());
        // A file's time may lag the clock by a tick of the system's coarse clock.
        EXPECT_GE(QDateTime::currentMSecsSinceEpoch() - writtenMs, kGraceMs - 50)
            << "taken over only after the grace period";
        qint64 pid = 0;
        QString host;
        QString application;
        EXPECT_TRUE(QLockFile(names.lockFilePath).getLockInfo(&pid, &host, &application));
        EXPECT_EQ(pid, QCoreApplication::applicationPid());
        EXPECT_TRUE(SingleInstance(names).isAnotherInstanceRunning()) << "and is held";
    }
}

TEST(SingleInstance, OldLockOfALiveOwnerIsNeverTakenOverButGoesWithIt)
{
    TestSupport::TempDirectory directory;
    const SingleInstance::Names names = namesIn(directory);
    auto first = std::make_unique<SingleInstance>(names);
    EXPECT_FALSE(first->isAnotherInstanceRunning());
    // A copy may run for weeks: the age of its lock says nothing.
    QFile lock(names.lockFilePath);
    ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addDays(-7),
                                 QFileDevice::FileModificationTime));
    lock.close();
    EXPECT_TRUE(SingleInstance(names).isAnotherInstanceRunning());
    first.reset();
    EXPECT_FALSE(SingleInstance(names).isAnotherInstanceRunning());
}

TEST(SingleInstance, LateListenerGetsALongMessageWholeAndConfirmsItsReceipt)
{
    TestSupport::TempDirectory directory;
    const SingleInstance::Names names = namesIn(directory);
    SingleInstance server(names);
    ASSERT_FALSE(server.isAnotherInstanceRunning());
    QStringList received;
    QObject::connect(&server, &SingleInstance::messageReceived, &server,
                     [&](const QString &message) {
                         received << message;
                         EXPECT_EQ(QThread::currentThread(), server.thread());
                     });

    // Sent from a thread of its own, as a second copy would, while the first is still
    // starting (the program listens only once its window is built); longer than any buffer.
    const QString message
        = QStringLiteral("Get the instance_/home/ü/日本/") + QString(300000, u'x');
    std::atomic<int> sent {-1};
    std::thread sender([&] { sent = SingleInstance(names).sendMessage(message, kPatienceMs); });
    QTest::qWait(500);
    EXPECT_TRUE(server.listen());
    EXPECT_TRUE(QTest::qWaitFor([&] { return sent != -1; }, kPatienceMs + 10000));
    sender.join();
    EXPECT_EQ(sent.load(), 1) << "true only once the first confirmed its receipt";
    EXPECT_EQ(received, QStringList {message});
}

TEST(SingleInstance, HandOverTriesOnceWhenAloneAndSixTimesAgainstASilentHolder)
{
    TestSupport::TempDirectory directory;
    const SingleInstance::Names names = namesIn(directory);
    SingleInstance first(names);
    QElapsedTimer clock;
    clock.start();
    const HandOverResult alone = handOverToRunningInstance(first, "Get the instance", {20000, 6});
    EXPECT_LT(clock.elapsed(), 10000) << "nobody to wait for";
    EXPECT_FALSE(alone.isAnotherInstanceRunning || alone.isDelivered || alone.shouldExit());
    EXPECT_EQ(alone.attempts, 1);

    // The first now holds the lock but never listens; a second start still leaves.
    SingleInstance second(names);
    clock.restart();
    const HandOverResult silent
        = handOverToRunningInstance(second, "Get the instance", {250, 6, 0});
    EXPECT_GE(clock.elapsed(), 6 * 250) << "each try waits its whole time";
    EXPECT_TRUE(silent.isAnotherInstanceRunning && !silent.isDelivered && silent.shouldExit());
    EXPECT_EQ(silent.attempts, 6);
}

TEST(SingleInstance, StartWhileTheFirstIsEndingWaitsForItsLockAndServesInstead)
{
    TestSupport::TempDirectory directory;
    const SingleInstance::Names names = namesIn(directory);
    // The first copy has stopped listening on its way out but holds its lock a while longer.
    auto ending = std::make_unique<SingleInstance>(names);
    ASSERT_FALSE(ending->isAnotherInstanceRunning());
    auto second = std::make_unique<SingleInstance>(names);
    ASSERT_TRUE(second->isAnotherInstanceRunning());
    HandOverResult result;
    std::thread start([&] {
        result = handOverToRunningInstance(*second, "Get the instance", {kPatienceMs, 6, 0});
    });
    // Whenever the lock comes free, during the try or before it, the second takes it.
    QThread::msleep(300);
    ending.reset();
    start.join();
    EXPECT_FALSE(result.isDelivered);
    EXPECT_FALSE(result.isAnotherInstanceRunning || result.shouldExit()) << "runs as the first";
    EXPECT_EQ(result.attempts, 1);
    EXPECT_TRUE(SingleInstance(names).isAnotherInstanceRunning()) << "now holds the lock";

    // The same when the lock comes free only after the last try (most likely so here: the
    // try gives up at once).
    SingleInstance third(names);
    ASSERT_TRUE(third.isAnotherInstanceRunning());
    std::thread late([&] {
        result = handOverToRunningInstance(third, "Get the instance", {0, 1, kPatienceMs});
    });
    QThread::msleep(300);
    second.reset();
    late.join();
    EXPECT_FALSE(result.isAnotherInstanceRunning || result.shouldExit());
    EXPECT_TRUE(SingleInstance(names).isAnotherInstanceRunning());
}

TEST(SingleInstance, SquattersAtTheOldSharedPlaceNeitherBlockAStartNorHearIt)
{
    TestSupport::TempDirectory directory;
    const QString shared = q(directory.file("shared"));
    const QString runtime = q(directory.file("runtime"));
    QDir().mkdir(shared);
    QDir().mkdir(runtime);
    ::chmod(QFile::encodeName(runtime).constData(), 0700);
    ScopedEnvironment temp("TMPDIR", shared);
    ScopedEnvironment session("XDG_RUNTIME_DIR", runtime);

    // Where every user's copies used to meet: a lock held by a live process and a server
    // that takes every connection, as another user could set them up before this one logs in.
    const QString old = shared + "/QuilloDraftbay-" + currentUserKey();
    QLockFile squattedLock(old + ".lock");
    ASSERT_TRUE(squattedLock.tryLock(0));
    QLocalServer squatter;
    int overheard = 0;
    QObject::connect(&squatter, &QLocalServer::newConnection, [&] { ++overheard; });
    ASSERT_TRUE(squatter.listen(old));

    SingleInstance first;
    EXPECT_TRUE(first.names().lockFilePath.startsWith(runtime + "/"));
    EXPECT_FALSE(first.isAnotherInstanceRunning());
    ASSERT_TRUE(first.listen());
    QStringList received;
    QObject::connect(&first, &SingleInstance::messageReceived,
                     [&](const QString &message) { received << message; });
    const HandOverResult second
        = handOverFromAnotherThread(SingleInstance::defaultNames(), "Get the instance_/a.qpe");
    EXPECT_TRUE(second.isDelivered && second.shouldExit());
    EXPECT_EQ(received, QStringList {"Get the instance_/a.qpe"});
    QTest::qWait(100);
    EXPECT_EQ(overheard, 0);
}

TEST(SingleInstance, ForeignLockAndSocketInTheUsersFolderAreReplaced)
{
    TestSupport::TempDirectory directory;
    const SingleInstance::Names names = namesIn(directory);
    // Only the superuser can put another user's files into a folder of this user's own;
    // the program must still neither yield to them nor talk to them.
    TestSupport::writeFile(names.lockFilePath.toStdString(),
                           liveLockBytes(directory).toStdString());
    QLocalServer squatter;
    int overheard = 0;
    QObject::connect(&squatter, &QLocalServer::newConnection, [&] { ++overheard; });
    ASSERT_TRUE(squatter.listen(names.serverName));
    if (!giveAway(names.lockFilePath) || !giveAway(names.serverName))
        GTEST_SKIP() << "only the superuser gives files away";

    SingleInstance first(names);
    first.setOwnerlessLockGraceMs(0);
    const HandOverResult start = handOverToRunningInstance(first, "Get the instance", {2000, 6, 0});
    EXPECT_FALSE(start.isAnotherInstanceRunning || start.isDelivered);
    ASSERT_TRUE(first.listen());
    EXPECT_TRUE(isOwnedByCurrentUser(names.serverName));
    QStringList received;
    QObject::connect(&first, &SingleInstance::messageReceived,
                     [&](const QString &message) { received << message; });
    EXPECT_TRUE(handOverFromAnotherThread(names, "Get the instance_/b.qpe").isDelivered);
    EXPECT_EQ(received, QStringList {"Get the instance_/b.qpe"});
    QTest::qWait(100);
    EXPECT_EQ(overheard, 0);
}

TEST(SingleInstanceProcess, LockAndSocketOfAKilledCopyDoNotBlockTheNextStartWhichServes)
{
    constexpr int kPatienceMs = 120000;
    TestSupport::TempDirectory directory;
    const QString folder = QString::fromStdString(directory.path()) + '/';
    // A probe with this tag, serving that many messages, started with commandLine in a
    // current folder of its own.
    const auto start = [&](const QString &tag, int messages, const QStringList &commandLine) {
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::MergedChannels);
        QDir().mkdir(folder + tag);
        process->setWorkingDirectory(folder + tag);
        process->start(SINGLE_INSTANCE_PROBE,
                       QStringList {folder, tag, QString::number(messages)} + commandLine);
        return process;
    };
    // Starts a probe that must become the first copy; returns once it serves.
    const auto startFirst = [&](const QString &tag, int messages) {
        auto process = start(tag, messages, {});
        const QDeadlineTimer deadline(kPatienceMs);
        while (!QFileInfo::exists(folder + tag + ".ready") && !deadline.hasExpired()
               && !process->waitForFinished(20)) { }
        EXPECT_TRUE(QFileInfo::exists(folder + tag + ".ready"))
            << tag.toStdString() << " never served: " << process->readAll().toStdString();
        return process;
    };
    // The exit code of a process left to end by itself, and what it printed.
    const auto finish = [&](QProcess &process, QByteArray &output) {
        const bool ended = process.waitForFinished(kPatienceMs);
        output = process.readAll();
        return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -100;
    };

    auto crashed = startFirst("crashed", 1);
    crashed->kill();
    ASSERT_TRUE(crashed->waitForFinished(kPatienceMs));
    ASSERT_TRUE(QFileInfo::exists(folder + "instance.lock")
                && QFileInfo::exists(folder + "instance.sock"))
        << "a killed copy leaves its lock and socket behind";

    auto first = startFirst("first", 2);
    const QString typed = "sketches/Skizze ü 1.qpe";
    QByteArray output;
    EXPECT_EQ(finish(*start("second", 0, {typed}), output), 1);
    EXPECT_TRUE(output.contains("another=1 delivered=1 attempts=1")) << output.toStdString();
    EXPECT_EQ(finish(*start("third", 0, {"tray"}), output), 1);

    EXPECT_EQ(finish(*first, output), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("another=0 delivered=0"));
    // The typed name is relative to the folder the second started in, not the first's.
    EXPECT_EQ(
        TestSupport::readFile(directory.file("first.record")),
        ("Get the instance_" + folder + "second/" + typed + "\nGet the instance\n").toStdString());
}
