// The desktop mailer (e-mail portal, else xdg-email) and the PDF attachments it is handed.
#include "export/Mail.h"

#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "export/DocumentExport.h"
#include "settings/DialogService.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Mail)
};

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kEmailInterface = QStringLiteral("org.freedesktop.portal.Email");
constexpr int kBusTimeoutMs = 5000;

std::unique_ptr<IEMailClient> &installedClient()
{
    static std::unique_ptr<IEMailClient> client;
    return client;
}

/// The attachments written by this run, removed when it ends.
QStringList &keptAttachments()
{
    static QStringList files;
    return files;
}

void keepUntilExit(const QString &path)
{
    QStringList &kept = keptAttachments();
    if (kept.isEmpty() && qApp)
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, &removeMailAttachments);
    if (!kept.contains(path))
        kept.append(path);
}

} // namespace

bool MailDesktop::hasEmailPortal()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusInterface properties(kPortalService, kPortalPath,
                              QStringLiteral("org.freedesktop.DBus.Properties"), bus);
    properties.setTimeout(kBusTimeoutMs);
    const QDBusReply<QDBusVariant> version
        = properties.call(QStringLiteral("Get"), kEmailInterface, QStringLiteral("version"));
    return version.isValid();
}

bool MailDesktop::composeThroughPortal(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    qDBusRegisterMetaType<QList<QDBusUnixFileDescriptor>>();
    // The portal is given the open file, not its name: a sandboxed mail program may not see
    // the cache folder.
    const QList<QDBusUnixFileDescriptor> files {QDBusUnixFileDescriptor(file.handle())};
    QVariantMap options;
    options.insert(QStringLiteral("attachment_fds"), QVariant::fromValue(files));
    QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kEmailInterface,
                                                       QStringLiteral("ComposeEmail"));
    call << QString() << options;
    const QDBusMessage reply
        = QDBusConnection::sessionBus().call(call, QDBus::Block, kBusTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        *error = reply.errorMessage();
        return false;
    }
    return true;
}

QString MailDesktop::findProgram(const QString &program)
{
    return QStandardPaths::findExecutable(program);
}

QString MailDesktop::output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForFinished(kBusTimeoutMs) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool MailDesktop::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

DesktopMailer::DesktopMailer(MailDesktop &desktop)
    : m_desktop(desktop)
{ }

int DesktopMailer::sendAttachedFile(std::string path)
{
    const QString file = QString::fromStdString(path);
    m_error.clear();
    QString portalError;
    if (m_desktop.hasEmailPortal() && m_desktop.composeThroughPortal(file, &portalError))
        return 0;
    const QString xdgEmail = m_desktop.findProgram(QStringLiteral("xdg-email"));
    if (xdgEmail.isEmpty()) {
        m_error
            = Texts::tr("No mail program can be reached: the desktop offers no e-mail portal and "
                        "xdg-email (xdg-utils) is not installed.");
        if (!portalError.isEmpty())
            m_error += QLatin1Char('\n') + portalError;
        return 1;
    }
    // xdg-email says nothing when no program is set up for mail: ask first, where we can.
    const QString xdgMime = m_desktop.findProgram(QStringLiteral("xdg-mime"));
    if (!xdgMime.isEmpty()
        && m_desktop
               .output(xdgMime,
                       {QStringLiteral("query"), QStringLiteral("default"),
                        QStringLiteral("x-scheme-handler/mailto")})
               .trimmed()
               .isEmpty()) {
        m_error = Texts::tr("No mail program is set up on this computer: no program is chosen for "
                            "writing e-mails (mailto: links).");
        return 2;
    }
    if (!m_desktop.startDetached(xdgEmail, {QStringLiteral("--attach"), file})) {
        m_error = Texts::tr("The mail program could not be started (%1).").arg(xdgEmail);
        return 3;
    }
    return 0;
}

IEMailClient &mailClient()
{
    std::unique_ptr<IEMailClient> &client = installedClient();
    if (!client) {
        static MailDesktop desktop;
        client = std::make_unique<DesktopMailer>(desktop);
    }
    return *client;
}

void setMailClient(std::unique_ptr<IEMailClient> client)
{
    installedClient() = std::move(client);
}

QString mailAttachmentFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
        + QStringLiteral("/mail");
}

bool emailDocumentasPDF(const DocumentMetaData &metadata)
{
    if (!metadata.model())
        return false;
    const QString folder = mailAttachmentFolder();
    QWidget *window = QApplication::activeWindow();
    if (!QDir().mkpath(folder)) {
        dialogs().warning(window, applicationTitle(),
                          Texts::tr("The PDF to attach cannot be written: the folder %1 cannot be "
                                    "made.")
                              .arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    const QString path = QDir::toNativeSeparators(
        folder + QLatin1Char('/') + QFileInfo(metadata.path()).fileName() + QStringLiteral(".pdf"));
    DocumentGraphicModel &model = *metadata.model();
    // A failed write is said by the writer itself.
    if (!savePdf(model, path, model.pageRect()))
        return false;
    keepUntilExit(path);
    IEMailClient &client = mailClient();
    if (client.sendAttachedFile(path.toStdString()) != 0) {
        dialogs().warning(window, applicationTitle(),
                          Texts::tr("The sketch cannot be sent by e-mail.") + QLatin1Char('\n')
                              + client.errorText());
        return false;
    }
    return true;
}

void removeMailAttachments()
{
    for (const QString &path : std::as_const(keptAttachments()))
        QFile::remove(path);
    keptAttachments().clear();
}

void purgeOldMailAttachments(const QDateTime &now)
{
    QDirIterator files(mailAttachmentFolder(), {QStringLiteral("*.pdf")}, QDir::Files);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        if (file.lastModified().secsTo(now) > 24 * 60 * 60)
            QFile::remove(file.absoluteFilePath());
    }
}
