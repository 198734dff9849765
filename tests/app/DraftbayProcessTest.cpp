// The whole program started as a user would: first start, second start, damaged settings.
#include "TempDirectory.h"
#include "app/CurrentUser.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr int kPatienceMs = 120000;
const QString kProgram = QStringLiteral(DRAFTBAY_EXECUTABLE);

// One started copy of the program and all it printed so far.
struct Program
{
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QByteArray output;

    QByteArray read()
    {
        output += process->readAll();
        return output;
    }
    bool isRunning() const { return process->state() == QProcess::Running; }
};

class DraftbayProcessTest : public ::testing::Test
{
protected:
    DraftbayProcessTest()
    {
        for (const char *folder : {"home/Documents", "data", "config", "tmp", "runtime"})
            QDir().mkpath(q(m_root.file(folder)));
        QFile::setPermissions(q(m_root.file("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                  | QFileDevice::ExeOwner);
        // Everything per user points into the test's folder, the instance's lock and
        // socket too (they live in the temporary folder), so a real copy is never met.
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_environment.insert(QStringLiteral("HOME"), q(m_root.file("home")));
        m_environment.insert(QStringLiteral("XDG_DATA_HOME"), q(m_root.file("data")));
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), q(m_root.file("config")));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), q(m_root.file("runtime")));
        m_environment.insert(QStringLiteral("TMPDIR"), q(m_root.file("tmp")));
        m_environment.remove(QStringLiteral("DRAFTBAY_SIMULATED_RECEIVER"));
    }
    ~DraftbayProcessTest() override
    {
        for (auto &program : m_programs) {
            program->process->kill();
            program->process->waitForFinished();
        }
    }

    static QString q(const std::string &path) { return QString::fromStdString(path); }
    std::string userFile() const { return m_root.file("data/Quillo/draftbayuser.xml"); }
    static std::string besideProgram(const std::string &name)
    {
        return QFileInfo(kProgram).absolutePath().toStdString() + "/support/" + name;
    }

    Program &start(const QStringList &arguments)
    {
        auto program = std::make_unique<Program>();
        program->process->setProcessEnvironment(m_environment);
        program->process->setProcessChannelMode(QProcess::MergedChannels);
        program->process->setWorkingDirectory(q(m_root.path()));
        program->process->start(kProgram, arguments);
        m_programs.push_back(std::move(program));
        return *m_programs.back();
    }

    // The copy that runs holds the lock and listens on the socket beside it.
    bool isServing() const
    {
        const QString name = QStringLiteral("QuilloDraftbay-") + currentUserKey();
        return QFileInfo::exists(q(m_root.file("tmp/")) + name)
            && QFileInfo::exists(q(m_root.file("tmp/")) + name + QStringLiteral(".lock"));
    }

    // Waits for condition while program runs; false when it ended or time ran out first.
    static bool waitUntil(Program &program, const std::function<bool()> &condition)
    {
        const QDeadlineTimer deadline(kPatienceMs);
        while (!condition()) {
            program.read();
            if (deadline.hasExpired() || program.process->waitForFinished(50)) {
                program.read();
                return condition();
            }
        }
        return true;
    }

    TestSupport::TempDirectory m_root;
    QProcessEnvironment m_environment;
    std::vector<std::unique_ptr<Program>> m_programs;
};

} // namespace

TEST_F(DraftbayProcessTest, FirstStartMakesTheUserFilesAndASecondStartHandsItsFileOver)
{
    Program &first = start({});
    ASSERT_TRUE(waitUntil(first, [&] { return isServing() && first.isRunning(); }))
        << first.read().toStdString();
    EXPECT_EQ(TestSupport::readFile(userFile()),
              TestSupport::readFile(besideProgram("draftbayfactory.xml")));
    EXPECT_EQ(TestSupport::readFile(m_root.file("data/Quillo/brush_pressure.ai")),
              TestSupport::readFile(besideProgram("brush_pressure.ai")));

    Program &second = start({QStringLiteral("no such/sketch.qpe")});
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(second.process->waitForFinished(kPatienceMs));
    EXPECT_EQ(second.process->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process->exitCode(), 1) << second.read().toStdString();
    // Six unanswered tries of ten seconds would take a minute.
    EXPECT_LT(clock.elapsed(), 50000) << "the first copy did not confirm the message";
    EXPECT_TRUE(second.read().contains("main::Another instance is running , shutting down args = "
                                       "Get the instance_no such/sketch.qpe"))
        << second.output.toStdString();

    const QByteArray arrived = "MainWindow :: handleSentMessageFromAnotherCopyOfApp msg = Get the "
                               "instance_no such/sketch.qpe";
    EXPECT_TRUE(waitUntil(first, [&] { return first.output.contains(arrived); }))
        << first.output.toStdString();
    EXPECT_TRUE(first.isRunning()) << "the first copy goes on\n" << first.read().toStdString();
}

TEST_F(DraftbayProcessTest, UnparsableUserSettingsAreReplacedByTheFactoryCopyAtStart)
{
    QDir().mkpath(q(m_root.file("data/Quillo")));
    TestSupport::writeFile(userFile(), "<draftbay_settings><translator>");
    Program &program = start({QStringLiteral("tray")});
    ASSERT_TRUE(waitUntil(program, [&] { return isServing() && program.isRunning(); }))
        << program.read().toStdString();
    EXPECT_EQ(TestSupport::readFile(userFile()),
              TestSupport::readFile(besideProgram("draftbayfactory.xml")));
    EXPECT_FALSE(QFileInfo::exists(q(m_root.file("data/Quillo/brush_pressure.ai"))))
        << "the brush comes only with a new folder";
}

TEST_F(DraftbayProcessTest, LockOfAKilledCopyDoesNotStopTheNextStart)
{
    Program &crashed = start({});
    ASSERT_TRUE(waitUntil(crashed, [&] { return isServing() && crashed.isRunning(); }))
        << crashed.read().toStdString();
    crashed.process->kill();
    ASSERT_TRUE(crashed.process->waitForFinished(kPatienceMs));
    ASSERT_TRUE(isServing()) << "a killed copy leaves its lock and socket behind";

    Program &next = start({});
    EXPECT_TRUE(waitUntil(next, [&] { return next.output.contains("main:: Im running"); }))
        << next.output.toStdString();
    EXPECT_TRUE(next.isRunning());
}
