// The hand-over between real processes: a first start serves, later starts leave with 1.
#include "TempDirectory.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kPatienceMs = 120000;

// What a probe printed about its start.
struct ProbeReport
{
    int exitCode = -100;
    bool isAnotherInstanceRunning = false;
    bool isDelivered = false;
    int attempts = 0;
    qint64 elapsedMs = 0;
    QByteArray output;
};

ProbeReport reportOf(QProcess &process)
{
    ProbeReport report;
    report.output = process.readAllStandardOutput() + process.readAllStandardError();
    if (process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit)
        report.exitCode = process.exitCode();
    const QRegularExpression line(
        QStringLiteral(R"(another=(\d) delivered=(\d) attempts=(\d+) elapsedMs=(\d+))"));
    const QRegularExpressionMatch match = line.match(QString::fromUtf8(report.output));
    if (match.hasMatch()) {
        report.isAnotherInstanceRunning = match.captured(1) == QLatin1String("1");
        report.isDelivered = match.captured(2) == QLatin1String("1");
        report.attempts = match.captured(3).toInt();
        report.elapsedMs = match.captured(4).toLongLong();
    }
    return report;
}

class SingleInstanceProcessTest : public ::testing::Test
{
protected:
    QString file(const std::string &name) const
    {
        return QString::fromStdString(m_directory.file(name));
    }
    QStringList namesOptions() const
    {
        return {QStringLiteral("--socket"), file("instance.sock"), QStringLiteral("--lock"),
                file("instance.lock")};
    }

    // Starts a probe that must become the first copy; returns once it serves.
    std::unique_ptr<QProcess> startFirst(const std::string &tag, const QStringList &options)
    {
        auto process = std::make_unique<QProcess>();
        const QString ready = file(tag + ".ready");
        process->start(QStringLiteral(SINGLE_INSTANCE_PROBE),
                       namesOptions() + options
                           + QStringList {QStringLiteral("--ready"), ready,
                                          QStringLiteral("--record"), file(tag + ".record"),
                                          QStringLiteral("--")});
        const QDeadlineTimer deadline(kPatienceMs);
        while (!QFileInfo::exists(ready) && !deadline.hasExpired()) {
            if (process->waitForFinished(20)) {
                ADD_FAILURE() << "probe " << tag
                              << " ended early: " << reportOf(*process).output.toStdString();
                break;
            }
        }
        EXPECT_TRUE(QFileInfo::exists(ready)) << "probe " << tag << " never served";
        return process;
    }

    ProbeReport runSecond(const QStringList &options, const QStringList &commandLine)
    {
        QProcess process;
        process.start(QStringLiteral(SINGLE_INSTANCE_PROBE),
                      namesOptions() + options + QStringList {QStringLiteral("--")} + commandLine);
        if (!process.waitForFinished(kPatienceMs)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "second start did not end";
        }
        return reportOf(process);
    }

    static ProbeReport finish(QProcess &process)
    {
        if (!process.waitForFinished(kPatienceMs)) {
            process.kill();
            process.waitForFinished();
        }
        return reportOf(process);
    }

    QStringList recorded(const std::string &tag) const
    {
        const QString text
            = QString::fromUtf8(TestSupport::readFile(m_directory.file(tag + ".record")));
        return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    TestSupport::TempDirectory m_directory;
};

} // namespace

TEST_F(SingleInstanceProcessTest, SecondStartHandsItsFileAsTypedToTheFirstAndExitsWithOne)
{
    auto first = startFirst("first", {QStringLiteral("--messages"), QStringLiteral("1")});
    const QString typed = QStringLiteral("sketches/Skizze ü 1.qpe");

    const ProbeReport second = runSecond({}, {typed});
    EXPECT_EQ(second.exitCode, 1) << second.output.toStdString();
    EXPECT_TRUE(second.isAnotherInstanceRunning);
    EXPECT_TRUE(second.isDelivered);
    EXPECT_EQ(second.attempts, 1);

    const ProbeReport served = finish(*first);
    EXPECT_EQ(served.exitCode, 0) << served.output.toStdString();
    EXPECT_FALSE(served.isAnotherInstanceRunning);
    EXPECT_EQ(recorded("first"), QStringList {QStringLiteral("Get the instance_") + typed});
}

TEST_F(SingleInstanceProcessTest, SecondStartWhileTheFirstStillStartsWaitsForItToListen)
{
    // The program listens only once its window is built; a start meanwhile must not give
    // up at once.
    auto first = startFirst("first",
                            {QStringLiteral("--messages"), QStringLiteral("1"),
                             QStringLiteral("--listen-after-ms"), QStringLiteral("1500")});

    const ProbeReport second = runSecond({QStringLiteral("--timeout-ms"), QStringLiteral("60000")},
                                         {QStringLiteral("/tmp/late.qpe")});
    EXPECT_EQ(second.exitCode, 1) << second.output.toStdString();
    EXPECT_TRUE(second.isDelivered);
    EXPECT_EQ(second.attempts, 1);

    EXPECT_EQ(finish(*first).exitCode, 0);
    EXPECT_EQ(recorded("first"), QStringList {QStringLiteral("Get the instance_/tmp/late.qpe")});
}

TEST_F(SingleInstanceProcessTest, StartsWithoutArgumentOrWithTrayOnlyCallTheFirstForward)
{
    auto first = startFirst("first", {QStringLiteral("--messages"), QStringLiteral("3")});

    EXPECT_EQ(runSecond({}, {}).exitCode, 1);
    EXPECT_EQ(runSecond({}, {QStringLiteral("tray")}).exitCode, 1);
    EXPECT_EQ(runSecond({}, {QStringLiteral("Tray")}).exitCode, 1);

    EXPECT_EQ(finish(*first).exitCode, 0);
    EXPECT_EQ(recorded("first"),
              (QStringList {QStringLiteral("Get the instance"), QStringLiteral("Get the instance"),
                            QStringLiteral("Get the instance_Tray")}));
}

TEST_F(SingleInstanceProcessTest, SilentHolderOfTheLockStillEndsTheSecondStartAfterSixTries)
{
    auto holder = startFirst("holder", {QStringLiteral("--hold")});
    const int timeoutMs = 250;

    const ProbeReport second
        = runSecond({QStringLiteral("--timeout-ms"), QString::number(timeoutMs),
                     QStringLiteral("--tries"), QStringLiteral("6")},
                    {QStringLiteral("/tmp/a.qpe")});
    EXPECT_EQ(second.exitCode, 1) << second.output.toStdString();
    EXPECT_TRUE(second.isAnotherInstanceRunning);
    EXPECT_FALSE(second.isDelivered);
    EXPECT_EQ(second.attempts, 6);
    EXPECT_GE(second.elapsedMs, 6 * timeoutMs) << "each try waits its whole time";

    EXPECT_EQ(holder->state(), QProcess::Running);
    holder->kill();
    holder->waitForFinished();
}

TEST_F(SingleInstanceProcessTest, LockAndSocketOfAKilledCopyDoNotBlockTheNextStart)
{
    auto crashed = startFirst("crashed", {});
    crashed->kill();
    ASSERT_TRUE(crashed->waitForFinished(kPatienceMs));
    ASSERT_TRUE(QFileInfo::exists(file("instance.lock"))) << "a killed copy leaves its lock";
    ASSERT_TRUE(QFileInfo::exists(file("instance.sock"))) << "and its socket";

    auto next = startFirst("next", {QStringLiteral("--messages"), QStringLiteral("1")});
    const ProbeReport third = runSecond({}, {QStringLiteral("/data/b.qpe")});
    EXPECT_EQ(third.exitCode, 1);
    EXPECT_TRUE(third.isDelivered);

    const ProbeReport served = finish(*next);
    EXPECT_EQ(served.exitCode, 0) << served.output.toStdString();
    EXPECT_FALSE(served.isAnotherInstanceRunning);
    EXPECT_EQ(recorded("next"), QStringList {QStringLiteral("Get the instance_/data/b.qpe")});
}

TEST_F(SingleInstanceProcessTest, FreshStartDoesNotWaitForAnybody)
{
    const ProbeReport alone
        = runSecond({QStringLiteral("--timeout-ms"), QStringLiteral("20000"),
                     QStringLiteral("--hold"), QStringLiteral("--serve-ms"), QStringLiteral("1")},
                    {QStringLiteral("/tmp/a.qpe")});
    EXPECT_EQ(alone.exitCode, 0) << alone.output.toStdString();
    EXPECT_FALSE(alone.isAnotherInstanceRunning);
    EXPECT_FALSE(alone.isDelivered);
    EXPECT_EQ(alone.attempts, 1);
    EXPECT_LT(alone.elapsedMs, 10000);
}
