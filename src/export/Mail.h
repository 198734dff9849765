// Sending a sketch by e-mail: a PDF of it, attached to a new message of the user's own mail
// program.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>

class DocumentMetaData;

/// The user's mail program, opened on a new message with one attachment and nothing else
/// (no subject, text or recipients).
class IEMailClient
{
public:
    virtual ~IEMailClient() = default;
    /// 0 when the compose window was asked for; otherwise non-zero, with the reason in
    /// errorText().
    virtual int sendAttachedFile(std::string path) = 0;
    virtual QString errorText() const = 0;
};

/// What the desktop mailer needs of the system, replaceable in tests.
class MailDesktop
{
public:
    virtual ~MailDesktop() = default;
    /// Whether the desktop's e-mail portal answers on the session bus.
    virtual bool hasEmailPortal();
    /// Asks the portal for a compose window with the file attached; false with the reason.
    virtual bool composeThroughPortal(const QString &path, QString *error);
    /// The full path of a program on PATH, or empty.
    virtual QString findProgram(const QString &program);
    /// What a program prints on standard output (empty when it fails or takes over 5 s).
    virtual QString output(const QString &program, const QStringList &arguments);
    /// Starts a program on its own, the arguments passed as they are (no shell).
    virtual bool startDetached(const QString &program, const QStringList &arguments);
};

/// The desktop's e-mail portal when there is one, else xdg-email with the file attached.
class DesktopMailer : public IEMailClient
{
public:
    explicit DesktopMailer(MailDesktop &desktop);
    int sendAttachedFile(std::string path) override;
    QString errorText() const override { return m_error; }

private:
    MailDesktop &m_desktop;
    QString m_error;
};

/// The mail client in use; by default a DesktopMailer on the real desktop.
IEMailClient &mailClient();
/// Replaces the client (tests); null restores the default.
void setMailClient(std::unique_ptr<IEMailClient> client);

/// The folder the attachments are written to: "mail" in the user's cache folder.
QString mailAttachmentFolder();

/// Writes the document's page as a PDF named after the document into the attachment folder
/// and hands it to mailClient(). The file stays until the application ends, since mail
/// programs read it after the hand-over has returned. A PDF that cannot be written or a mail
/// program that cannot be reached is said in a message; the result is then false. Call on
/// the user-interface thread.
bool emailDocumentasPDF(const DocumentMetaData &metadata);

/// Removes the attachments of this run (called when the application ends).
void removeMailAttachments();
/// Removes attachments older than a day that earlier runs left behind (after a crash).
void purgeOldMailAttachments(const QDateTime &now = QDateTime::currentDateTime());
