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
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

class ReceiverCliTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(folder() + "/My Sketches")); }
    QString folder() const { return QString::fromStdString(m_folder.path()); }

    /// Runs the tool with the simulated receiver in the test's folder, or with the
    /// platform's backend.
    Result run(const QStringList &arguments, bool simulated = true) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DRAFTBAY_SIMULATED_RECEIVER");
        if (simulated)
            environment.insert("DRAFTBAY_SIMULATED_RECEIVER", folder());
        process.setProcessEnvironment(environment);
        process.start(DRAFTBAY_CLI, QStringList {"receiver"} + arguments);
        Result result;
        if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
            result.exitCode = process.exitCode();
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }
    // The simulated receiver's memory, kept between runs.
    QSettings state() const
    {
        return QSettings(folder() + "/.draftbay-receiver.ini", QSettings::IniFormat);
    }

    TestSupport::TempDirectory m_folder;
};

} // namespace

TEST_F(ReceiverCliTest, StatusDescribesTheSimulatedReceiverAndItsEventIsReadThenCleared)
{
    state().setValue("battery_state", 3);
    state().setValue("last_event", 4);
    const Result result = run({"status"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject status = result.json();
    EXPECT_TRUE(status["present"].toBool());
    EXPECT_EQ(status["firmware"].toString(), "100.201.004");
    EXPECT_EQ(status["battery_state"].toInt(), 3);
    EXPECT_EQ(status["battery_text"].toString(), "Battery charging");
    EXPECT_EQ(status["mode"].toInt(), 1);
    EXPECT_EQ(status["click_threshold"].toInt(), 800);
    EXPECT_EQ(status["volume_root"].toString(), QDir(folder()).absolutePath() + "/");

    const QJsonObject event = run({"event"}).json();
    EXPECT_EQ(event["event"].toInt(), 4);
    EXPECT_EQ(event["text"].toString(), "battery exhausted");
    EXPECT_TRUE(event["cleared"].toBool());
    EXPECT_EQ(run({"event"}).json()["text"].toString(), "no event");
}

TEST_F(ReceiverCliTest, ThresholdAndClockAreWrittenAndRememberedAndBadUsageChangesNothing)
{
    Result result = run({"threshold", "1234"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.json()["click_threshold"].toInt(), 1234);
    EXPECT_EQ(run({"threshold"}).json()["click_threshold"].toInt(), 1234);

    result = run({"set-clock", "2010-05-17T14:03:09"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.json()["clock"].toString(), "2010-05-17T14:03:09");
    EXPECT_EQ(state().value("clock").toString(), "2010-05-17T14:03:09");
    EXPECT_EQ(run({"set-clock"}).exitCode, 0);
    EXPECT_EQ(state().value("clock").toString().left(2), "20") << "now, by default";

    // Unknown commands and values the receiver cannot take are usage errors; nothing runs.
    for (const QStringList &arguments :
         {QStringList {}, QStringList {"reboot"}, QStringList {"status", "x"},
          QStringList {"threshold", "65536"}, QStringList {"threshold", "12a"},
          QStringList {"set-clock", "1999-12-31T23:59:59"},
          QStringList {"set-clock", "2256-01-01T00:00:00"}, QStringList {"set-clock", "yesterday"},
          QStringList {"live", "--seconds", "0"}, QStringList {"live", "--minutes", "1"}}) {
        result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
    }
    EXPECT_EQ(state().value("click_threshold").toInt(), 1234);
}

TEST_F(ReceiverCliTest, LiveStreamsTheSketchAsJsonLinesAndRestoresTheMode)
{
    Synth::SketchOptions options;
    options.points = 200;
    ASSERT_TRUE(Synth::writeBytes(m_folder.file("My Sketches/s.qpe"),
                                  Synth::encodePenFile(Synth::generateSketch(options))));
    const Result result = run({"live", "--seconds", "2"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QList<QByteArray> lines = result.out.trimmed().split('\n');
    ASSERT_GE(lines.size(), 5);
    for (const QByteArray &line : lines) {
        const QJsonObject point = QJsonDocument::fromJson(line).object();
        for (const char *key : {"x", "y", "pressure", "xtilt", "ytilt"})
            EXPECT_TRUE(point.contains(key)) << line.toStdString();
    }
    EXPECT_EQ(run({"status"}).json()["mode"].toInt(), 1);
}

TEST_F(ReceiverCliTest, NoReceiverOrNoPermissionIsSaidClearly)
{
    state().setValue("plugged", false);
    for (const char *command : {"status", "event", "threshold", "live"}) {
        const Result result = run({command});
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_TRUE(result.err.contains("no Quillo receiver found")) << result.err.toStdString();
    }
    EXPECT_EQ(run({"status"}).json()["present"].toBool(true), false);

    state().setValue("plugged", true);
    state().setValue("open_denied", true);
    const Result result = run({"status"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("packaging/70-quillo-receiver.rules"))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("udevadm")) << result.err.toStdString();
}

TEST_F(ReceiverCliTest, TheRealBackendSaysWhenItFindsNoReceiver)
{
    const Result result = run({"status"}, false);
    if (result.exitCode == 0)
        GTEST_SKIP() << "a receiver is plugged into this machine";
    EXPECT_EQ(result.exitCode, 1);
    for (const char *part : {"no Quillo receiver found", "VID_1209&PID_D3B0", "hidraw"})
        EXPECT_TRUE(result.err.contains(part)) << result.err.toStdString();
}
