// Sending a sketch by e-mail: which way the desktop mailer takes, the attachment it is
// handed, and what becomes of attachments afterwards.
#include "export/Mail.h"

#include "DocumentTestSupport.h"
#include "document/DocumentMetaData.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

using namespace TestSupport;

namespace {

/// A desktop whose portal, programs and launches are scripted, and which records the calls.
class FakeDesktop : public MailDesktop
{
public:
    bool hasEmailPortal() override { return portal; }
    bool composeThroughPortal(const QString &path, QString *error) override
    {
        calls << "portal " + path;
        if (!portalWorks)
            *error = "portal refused";
        return portalWorks;
    }
    QString findProgram(const QString &program) override
    {
        return programs.contains(program) ? "/usr/bin/" + program : QString();
    }
    QString output(const QString &program, const QStringList &arguments) override
    {
        calls << program + " " + arguments.join(' ');
        return mailtoHandler;
    }
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        calls << program;
        started = arguments;
        return true;
    }

    bool portal = false;
    bool portalWorks = true;
    QStringList programs {"xdg-email", "xdg-mime"};
    QString mailtoHandler = "thunderbird.desktop\n";
    QStringList calls;
    QStringList started;
};

class RecordingClient : public IEMailClient
{
public:
    explicit RecordingClient(QStringList *sent, int result = 0)
        : m_sent(sent)
        , m_result(result)
    { }
    int sendAttachedFile(std::string path) override
    {
        const QString file = QString::fromStdString(path);
        // What a mail program reads once the hand-over has returned.
        QFile pdf(file);
        *m_sent << file + (pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-" ? " pdf" : "");
        return m_result;
    }
    QString errorText() const override { return "no mail program is set up"; }

private:
    QStringList *m_sent;
    int m_result;
};

class MailTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        QStandardPaths::setTestModeEnabled(true);
        QDir(mailAttachmentFolder()).removeRecursively();
    }
    void TearDown() override
    {
        setMailClient(nullptr);
        QDir(mailAttachmentFolder()).removeRecursively();
        QStandardPaths::setTestModeEnabled(false);
        SettingsFixture::TearDown();
    }
};

} // namespace

TEST(DesktopMailer, TakesThePortalElseXdgEmailAndSaysWhyNeitherWorks)
{
    const std::string attachment = "/tmp/my sketches/a b.qpe.pdf";
    FakeDesktop desktop;
    DesktopMailer mailer(desktop);
    desktop.portal = true;
    EXPECT_EQ(mailer.sendAttachedFile(attachment), 0);
    EXPECT_EQ(desktop.calls, QStringList {"portal /tmp/my sketches/a b.qpe.pdf"});

    // A portal that refuses falls back to xdg-email, the path one argument as it is.
    desktop.portalWorks = false;
    desktop.calls.clear();
    EXPECT_EQ(mailer.sendAttachedFile(attachment), 0);
    EXPECT_EQ(desktop.calls.last(), "/usr/bin/xdg-email");
    EXPECT_EQ(desktop.started, (QStringList {"--attach", "/tmp/my sketches/a b.qpe.pdf"}));

    desktop.portal = false;
    desktop.mailtoHandler.clear();
    desktop.started.clear();
    EXPECT_NE(mailer.sendAttachedFile(attachment), 0);
    EXPECT_TRUE(mailer.errorText().contains("No mail program is set up"));
    EXPECT_TRUE(desktop.started.isEmpty());

    desktop.programs = {"xdg-mime"};
    EXPECT_NE(mailer.sendAttachedFile(attachment), 0);
    EXPECT_TRUE(mailer.errorText().contains("xdg-email"));
}

TEST_F(MailTest, TheAttachmentIsAPdfNamedAfterTheSketchKeptUntilTheEnd)
{
    ASSERT_TRUE(writeSketch(path("walk.qpe"), 400, 2));
    DocumentMetaData sketch(path("walk.qpe"));
    ASSERT_TRUE(sketch.load());
    ASSERT_TRUE(sketch.ensureModel());
    QStringList sent;
    setMailClient(std::make_unique<RecordingClient>(&sent));
    ASSERT_TRUE(emailDocumentasPDF(sketch));
    const QString attachment = QDir::toNativeSeparators(mailAttachmentFolder() + "/walk.qpe.pdf");
    EXPECT_EQ(sent, QStringList {attachment + " pdf"});
    EXPECT_TRUE(QFile::exists(attachment)) << "the mail program reads it after the hand-over";
    removeMailAttachments();
    EXPECT_FALSE(QFile::exists(attachment));

    // A mail program that cannot be reached is said, with the reason.
    setMailClient(std::make_unique<RecordingClient>(&sent, 2));
    EXPECT_FALSE(emailDocumentasPDF(sketch));
    ASSERT_FALSE(m_dialogs->messages.isEmpty());
    EXPECT_TRUE(m_dialogs->messages.last().text.endsWith("no mail program is set up"));
}

TEST_F(MailTest, LeftoversOlderThanADayArePurged)
{
    ASSERT_TRUE(QDir().mkpath(mailAttachmentFolder()));
    const QString old = mailAttachmentFolder() + "/old.qpe.pdf";
    const QString recent = mailAttachmentFolder() + "/recent.qpe.pdf";
    for (const QString &name : {old, recent}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("%PDF-");
    }
    const QDateTime now = QDateTime::currentDateTime();
    {
        QFile file(old);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(now.addDays(-2), QFileDevice::FileModificationTime));
    }
    purgeOldMailAttachments(now);
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_TRUE(QFile::exists(recent));
}
