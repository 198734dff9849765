// The lock and the message channel of the single instance, inside one process.
#include "app/SingleInstance.h"

#include "TempDirectory.h"
#include "app/CurrentUser.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

constexpr int kPatienceMs = 60000;

class SingleInstanceTest : public ::testing::Test
{
protected:
    SingleInstance::Names names() const
    {
        return {QString::fromStdString(m_directory.file("instance.sock")),
                QString::fromStdString(m_directory.file("instance.lock"))};
    }

    // Sends from a thread of its own, as a second copy would, while this thread serves.
    // -1 while the send runs, then 0 or 1.
    void sendFromThread(const QString &message)
    {
        m_sent = -1;
        m_sender = std::thread([this, message] {
            SingleInstance client(names());
            m_sent = client.sendMessage(message, kPatienceMs) ? 1 : 0;
        });
    }
    int waitForSend()
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return m_sent != -1; }, kPatienceMs + 10000));
        if (m_sender.joinable())
            m_sender.join();
        return m_sent;
    }

    static QByteArray frame(const QByteArray &text)
    {
        QByteArray header(4, '\0');
        qToBigEndian<quint32>(static_cast<quint32>(text.size()), header.data());
        return header + text;
    }

    void TearDown() override
    {
        if (m_sender.joinable())
            m_sender.join();
    }

    TestSupport::TempDirectory m_directory;
    std::thread m_sender;
    std::atomic<int> m_sent {-1};
};

} // namespace

TEST_F(SingleInstanceTest, LockBelongsToTheFirstOwnerUntilItGoes)
{
    auto first = std::make_unique<SingleInstance>(names());
    EXPECT_FALSE(first->isAnotherInstanceRunning());
    EXPECT_TRUE(QFileInfo::exists(names().lockFilePath));
    {
        SingleInstance second(names());
        EXPECT_TRUE(second.isAnotherInstanceRunning());
        EXPECT_TRUE(second.isAnotherInstanceRunning()) << "the answer is kept";
    }
    first.reset();
    SingleInstance third(names());
    EXPECT_FALSE(third.isAnotherInstanceRunning());
}

TEST_F(SingleInstanceTest, OldLockOfALiveOwnerIsNeverTakenOver)
{
    SingleInstance first(names());
    ASSERT_FALSE(first.isAnotherInstanceRunning());
    const QDateTime lastWeek = QDateTime::currentDateTime().addDays(-7);
    {
        QFile lock(names().lockFilePath);
        ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
        ASSERT_TRUE(lock.setFileTime(lastWeek, QFileDevice::FileModificationTime));
    }
    ASSERT_LT(QFileInfo(names().lockFilePath).lastModified(),
              QDateTime::currentDateTime().addDays(-6));

    SingleInstance second(names());
    EXPECT_TRUE(second.isAnotherInstanceRunning());
}

TEST_F(SingleInstanceTest, LongMessageFromAnotherThreadArrivesWholeOnTheOwnersThread)
{
    SingleInstance server(names());
    ASSERT_FALSE(server.isAnotherInstanceRunning());
    ASSERT_TRUE(server.listen());
    QStringList received;
    QThread *receivingThread = nullptr;
    QObject::connect(&server, &SingleInstance::messageReceived, &server,
                     [&](const QString &message) {
                         received.append(message);
                         receivingThread = QThread::currentThread();
                     });

    const QString message
        = QStringLiteral("Get the instance_/home/ü/日本/") + QString(300000, u'x');
    sendFromThread(message);
    EXPECT_EQ(waitForSend(), 1);
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received.first(), message);
    EXPECT_EQ(receivingThread, QCoreApplication::instance()->thread());
}

TEST_F(SingleInstanceTest, BrokenClientsAreDroppedAndSplitMessagesAreJoined)
{
    SingleInstance server(names());
    ASSERT_FALSE(server.isAnotherInstanceRunning());
    ASSERT_TRUE(server.listen());
    QSignalSpy messages(&server, &SingleInstance::messageReceived);

    // A length no message can have: the server hangs up instead of waiting for it.
    QLocalSocket hostile;
    hostile.connectToServer(names().serverName);
    ASSERT_TRUE(hostile.waitForConnected(kPatienceMs));
    QSignalSpy hungUp(&hostile, &QLocalSocket::disconnected);
    hostile.write(QByteArray(4, '\xff'));
    hostile.flush();
    EXPECT_TRUE(hungUp.wait(kPatienceMs));

    // A whole message in three pieces, with the server running in between.
    const QByteArray bytes = frame(QStringLiteral("Get the instance_/tmp/ä b.qpe").toUtf8());
    QLocalSocket slow;
    slow.connectToServer(names().serverName);
    ASSERT_TRUE(slow.waitForConnected(kPatienceMs));
    QSignalSpy receipt(&slow, &QLocalSocket::readyRead);
    for (const QByteArray &piece : {bytes.left(2), bytes.mid(2, 9), bytes.mid(11)}) {
        slow.write(piece);
        slow.flush();
        QTest::qWait(50);
    }
    ASSERT_TRUE(receipt.count() > 0 || receipt.wait(kPatienceMs));
    EXPECT_EQ(slow.readAll(), QByteArray("\x06"));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.first().first().toString(), QStringLiteral("Get the instance_/tmp/ä b.qpe"));
}

TEST_F(SingleInstanceTest, ListeningReplacesWhatACrashedCopyLeftAtTheSocketPath)
{
    TestSupport::writeFile(names().serverName.toStdString(), "left behind");
    SingleInstance server(names());
    ASSERT_FALSE(server.isAnotherInstanceRunning());
    ASSERT_TRUE(server.listen());
    QSignalSpy messages(&server, &SingleInstance::messageReceived);

    sendFromThread(QStringLiteral("Get the instance"));
    EXPECT_EQ(waitForSend(), 1);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.first().first().toString(), QStringLiteral("Get the instance"));
}

TEST_F(SingleInstanceTest, WithNobodyRunningOneQuickAttemptDecides)
{
    SingleInstance lonely(names());
    QElapsedTimer clock;
    clock.start();
    const HandOverResult result
        = handOverToRunningInstance(lonely, QStringLiteral("Get the instance"), {20000, 6});
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_FALSE(result.isAnotherInstanceRunning);
    EXPECT_FALSE(result.isDelivered);
    EXPECT_EQ(result.attempts, 1);
    EXPECT_FALSE(result.shouldExit());
}

TEST(SingleInstanceNames, BelongToTheUserAndLiveInTheTemporaryFolder)
{
    const SingleInstance::Names names = SingleInstance::defaultNames();
    EXPECT_FALSE(currentUserKey().isEmpty());
    EXPECT_TRUE(names.serverName.endsWith(currentUserKey()));
    EXPECT_FALSE(names.serverName.contains(QLatin1Char('/')));
    EXPECT_EQ(QFileInfo(names.lockFilePath).absolutePath(),
              QFileInfo(QDir::tempPath()).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(names.lockFilePath).fileName().contains(currentUserKey()));
    EXPECT_NE(names.lockFilePath, QDir(QDir::tempPath()).filePath(names.serverName))
        << "the lock and the socket must not share a file";
}
