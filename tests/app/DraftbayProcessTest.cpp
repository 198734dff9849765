// The whole program started as a user would: a first start makes the user's files and
// serves, a second start hands its file over and leaves.
#include "TempDirectory.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <functional>

TEST(DraftbayProcess, FirstStartMakesTheUserFilesAndASecondStartHandsItsFileOver)
{
    constexpr int kPatienceMs = 120000;
    TestSupport::TempDirectory root;
    const auto path = [&](const char *name) { return QString::fromStdString(root.file(name)); };
    // Everything per user points into the test's folder, the instance's lock and socket too
    // (they live in the runtime folder), so a real copy is never met.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.remove("DRAFTBAY_SIMULATED_RECEIVER");
    const char *const variables[][2] = {{"HOME", "home"},
                                        {"XDG_DATA_HOME", "data"},
                                        {"TMPDIR", "tmp"},
                                        {"XDG_CONFIG_HOME", "config"},
                                        {"XDG_RUNTIME_DIR", "runtime"}};
    for (const auto &[variable, folder] : variables) {
        QDir().mkdir(path(folder),
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        environment.insert(variable, path(folder));
    }
    // The process objects kill what still runs when they go, before the folder does.
    QProcess first;
    QProcess second;
    for (QProcess *process : {&first, &second}) {
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::MergedChannels);
    }
    QByteArray firstOutput;
    // Reads what the first copy prints until condition holds; false when it ended first.
    const auto firstUntil = [&](const std::function<bool()> &condition) {
        const QDeadlineTimer deadline(kPatienceMs);
        while (!condition()) {
            if (deadline.hasExpired() || first.state() == QProcess::NotRunning)
                return false;
            first.waitForReadyRead(50);
            firstOutput += first.readAll();
        }
        return true;
    };
    // The copy that runs holds the lock and listens on the socket beside it, in the
    // session's runtime folder.
    const QString instance = path("runtime/QuilloDraftbay");

    first.start(DRAFTBAY_EXECUTABLE, {});
    ASSERT_TRUE(firstUntil([&] {
        return QFileInfo::exists(instance + ".socket") && QFileInfo::exists(instance + ".lock");
    })) << firstOutput.toStdString();
    EXPECT_EQ(TestSupport::readFile(root.file("data/Quillo/draftbayuser.xml")),
              TestSupport::readFile(QFileInfo(DRAFTBAY_EXECUTABLE).absolutePath().toStdString()
                                    + "/support/draftbayfactory.xml"));

    // Started in a folder of its own: the name it hands over is made absolute there.
    QDir().mkdir(path("elsewhere"));
    second.setWorkingDirectory(path("elsewhere"));
    second.start(DRAFTBAY_EXECUTABLE, {"no such/sketch.qpe"});
    ASSERT_TRUE(second.waitForFinished(kPatienceMs));
    const QByteArray secondOutput = second.readAll();
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 1) << secondOutput.toStdString();
    // The second says so when the first never confirmed the message.
    EXPECT_FALSE(secondOutput.contains("did not answer")) << secondOutput.toStdString();

    EXPECT_TRUE(firstUntil([&] {
        return firstOutput.contains("MainWindow :: handleSentMessageFromAnotherCopyOfApp msg = "
                                    "Get the instance_"
                                    + path("elsewhere/no such/sketch.qpe").toUtf8());
    })) << firstOutput.toStdString();
    EXPECT_EQ(first.state(), QProcess::Running) << "the first copy goes on";
}
