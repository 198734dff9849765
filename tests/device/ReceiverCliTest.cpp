// draftbay-cli receiver against the simulated receiver (and the real backend, which finds
// nothing on a machine without one): JSON output, the receiver's memory, exit codes.
#include "SketchGenerator.h"
#include "TempDirectory.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

struct Result
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

class ReceiverCliTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(folder() + "/My Sketches")); }
    QString folder() const { return QString::fromStdString(m_folder.path()); }
    QString stateFile() const { return folder() + "/.draftbay-receiver.ini"; }

    /// Runs the tool with the simulated receiver, or with the platform's backend.
    static Result run(const QStringList &arguments, const QString &simulated)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DRAFTBAY_SIMULATED_RECEIVER");
        if (!simulated.isEmpty())
            environment.insert("DRAFTBAY_SIMULATED_RECEIVER", simulated);
        process.setProcessEnvironment(environment);
        process.start(DRAFTBAY_CLI, QStringList {"receiver"} + arguments);
        Result result;
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }
    Result simulated(const QStringList &arguments) const { return run(arguments, folder()); }
    void setState(const QString &key, const QVariant &value) const
    {
        QSettings state(stateFile(), QSettings::IniFormat);
        state.setValue(key, value);
    }
    QVariant state(const QString &key) const
    {
        return QSettings(stateFile(), QSettings::IniFormat).value(key);
    }
    static QJsonObject json(const QByteArray &line)
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
        return document.object();
    }

    TestSupport::TempDirectory m_folder;
};

} // namespace

TEST_F(ReceiverCliTest, StatusDescribesTheSimulatedReceiver)
{
    setState("battery_state", 3);
    const Result result = simulated({"status"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject status = json(result.out);
    EXPECT_TRUE(status["present"].toBool());
    EXPECT_EQ(status["firmware"].toString(), "100.201.004");
    EXPECT_EQ(status["battery_state"].toInt(), 3);
    EXPECT_EQ(status["battery_text"].toString(), "Battery charging");
    EXPECT_EQ(status["mode"].toInt(), 1);
    EXPECT_EQ(status["click_threshold"].toInt(), 800);
    EXPECT_EQ(status["volume_root"].toString(), QDir(folder()).absolutePath() + "/");
}

TEST_F(ReceiverCliTest, ThresholdIsWrittenReadBackAndRemembered)
{
    Result result = simulated({"threshold", "1234"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(json(result.out)["click_threshold"].toInt(), 1234);
    result = simulated({"threshold"});
    EXPECT_EQ(json(result.out)["click_threshold"].toInt(), 1234);
    for (const char *bad : {"65536", "-1", "12a", ""}) {
        result = simulated({"threshold", bad});
        EXPECT_EQ(result.exitCode, 2) << bad;
        EXPECT_TRUE(result.out.isEmpty());
    }
    EXPECT_EQ(state("click_threshold").toInt(), 1234);
}

TEST_F(ReceiverCliTest, SetClockSendsTheGivenLocalTime)
{
    Result result = simulated({"set-clock", "2010-05-17T14:03:09"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(json(result.out)["clock"].toString(), "2010-05-17T14:03:09");
    EXPECT_EQ(state("clock").toString(), "2010-05-17T14:03:09");
    result = simulated({"set-clock"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(state("clock").toString().left(2), "20");
    for (const char *bad : {"1999-12-31T23:59:59", "2256-01-01T00:00:00", "yesterday"})
        EXPECT_EQ(simulated({"set-clock", bad}).exitCode, 2) << bad;
}

TEST_F(ReceiverCliTest, EventIsReadThenCleared)
{
    setState("last_event", 4);
    Result result = simulated({"event"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject event = json(result.out);
    EXPECT_EQ(event["event"].toInt(), 4);
    EXPECT_EQ(event["text"].toString(), "battery exhausted");
    EXPECT_TRUE(event["cleared"].toBool());
    EXPECT_EQ(json(simulated({"event"}).out)["text"].toString(), "no event");
}

TEST_F(ReceiverCliTest, LiveStreamsTheSketchAsJsonLinesAndRestoresTheMode)
{
    Synth::SketchOptions options;
    options.points = 200;
    ASSERT_TRUE(Synth::writeBytes(m_folder.file("My Sketches/s.qpe"),
                                  Synth::encodePenFile(Synth::generateSketch(options))));
    const Result result = simulated({"live", "--seconds", "2"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QList<QByteArray> lines = result.out.trimmed().split('\n');
    ASSERT_GE(lines.size(), 5);
    for (const QByteArray &line : lines) {
        const QJsonObject point = json(line);
        EXPECT_TRUE(point.contains("x") && point.contains("y") && point.contains("pressure")
                    && point.contains("xtilt") && point.contains("ytilt"))
            << line.toStdString();
    }
    EXPECT_EQ(json(simulated({"status"}).out)["mode"].toInt(), 1);
    EXPECT_EQ(simulated({"live", "--seconds", "0"}).exitCode, 2);
    EXPECT_EQ(simulated({"live", "--minutes", "1"}).exitCode, 2);
}

TEST_F(ReceiverCliTest, NoReceiverIsSaidClearly)
{
    setState("plugged", false);
    for (const char *command : {"status", "event", "threshold", "live"}) {
        const Result result = simulated({command});
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_TRUE(result.err.contains("no Quillo receiver found")) << result.err.toStdString();
    }
    EXPECT_EQ(json(simulated({"status"}).out)["present"].toBool(true), false);
}

TEST_F(ReceiverCliTest, NoPermissionNamesTheUdevRule)
{
    setState("open_denied", true);
    const Result result = simulated({"status"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("packaging/70-quillo-receiver.rules"))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("udevadm")) << result.err.toStdString();
}

TEST_F(ReceiverCliTest, UsageErrorsTouchNoReceiver)
{
    for (const QStringList &arguments : {QStringList {}, QStringList {"reboot"},
                                         QStringList {"status", "x"}, QStringList {"event", "x"}}) {
        const Result result = simulated(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("usage")) << result.err.toStdString();
    }
}

TEST_F(ReceiverCliTest, TheRealBackendSaysWhenItFindsNoReceiver)
{
    const Result result = run({"status"}, QString());
    if (result.exitCode == 0)
        GTEST_SKIP() << "a receiver is plugged into this machine";
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("no Quillo receiver found")) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("VID_1209&PID_D3B0")) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("hidraw")) << result.err.toStdString();
}
