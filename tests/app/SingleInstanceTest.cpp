// The lock, the message channel and the hand-over of the single instance: inside one process,
// and between real processes, where a killed copy must block nobody.
#include "app/SingleInstance.h"

#include "TempDirectory.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

constexpr int kPatienceMs = 60000;

SingleInstance::Names namesIn(const TestSupport::TempDirectory &directory)
{
    return {QString::fromStdString(directory.file("instance.sock")),
            QString::fromStdString(directory.file("instance.lock"))};
}

} // namespace

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
    const HandOverResult silent = handOverToRunningInstance(second, "Get the instance", {250, 6});
    EXPECT_GE(clock.elapsed(), 6 * 250) << "each try waits its whole time";
    EXPECT_TRUE(silent.isAnotherInstanceRunning && !silent.isDelivered && silent.shouldExit());
    EXPECT_EQ(silent.attempts, 6);
}

TEST(SingleInstanceProcess, LockAndSocketOfAKilledCopyDoNotBlockTheNextStartWhichServes)
{
    constexpr int kPatienceMs = 120000;
    TestSupport::TempDirectory directory;
    const QString folder = QString::fromStdString(directory.path()) + '/';
    // A probe with this tag, serving that many messages, started with commandLine.
    const auto start = [&](const QString &tag, int messages, const QStringList &commandLine) {
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::MergedChannels);
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
    EXPECT_EQ(TestSupport::readFile(directory.file("first.record")),
              ("Get the instance_" + typed + "\nGet the instance\n").toStdString());
}
