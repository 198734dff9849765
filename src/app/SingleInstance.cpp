// The per-user lock, the local server of the first copy and the sending side of a later one.
#include "app/SingleInstance.h"

#include "app/CurrentUser.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

namespace {

// A message travels as a 4-byte big-endian length and that many bytes of UTF-8; the
// receiver answers with one receipt byte once the whole message is in.
constexpr int kHeaderBytes = 4;
constexpr quint32 kMaxMessageBytes = 1 << 20;
constexpr char kReceipt = '\x06';

// Another start may be removing a stale lock at this moment; give it that long.
constexpr int kLockWaitMs = 100;
// Pause between connection (and lock) attempts while the other copy is not listening.
constexpr int kConnectPauseMs = 50;
// A client that connects but never sends a whole message is dropped after this.
constexpr int kClientTimeoutMs = 30000;

int remainingMs(const QDeadlineTimer &deadline)
{
    return static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 0, 1 << 30));
}

QByteArray frameOf(const QString &message)
{
    const QByteArray text = message.toUtf8();
    QByteArray frame(kHeaderBytes, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(text.size()), frame.data());
    return frame + text;
}

bool deliver(QLocalSocket &socket, const QByteArray &frame, const QDeadlineTimer &deadline)
{
    socket.write(frame);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remainingMs(deadline)))
            return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(remainingMs(deadline)))
            return false;
    }
    const bool confirmed = socket.read(1).at(0) == kReceipt;
    socket.disconnectFromServer();
    return confirmed;
}

void pause(const QDeadlineTimer &deadline)
{
    QThread::msleep(static_cast<unsigned long>(std::min(kConnectPauseMs, remainingMs(deadline))));
}

} // namespace

QString SingleInstance::privateFolder(const QString &runtimeFolder, const QString &tempFolder)
{
    if (!runtimeFolder.isEmpty() && isPrivateFolder(runtimeFolder))
        return runtimeFolder;
    return makePrivateFolder(
        QDir(tempFolder).filePath(QStringLiteral("draftbay-") + currentUserKey()));
}

SingleInstance::Names SingleInstance::namesIn(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    return {dir.filePath(QStringLiteral("QuilloDraftbay.socket")),
            dir.filePath(QStringLiteral("QuilloDraftbay.lock"))};
}

SingleInstance::Names SingleInstance::defaultNames()
{
    const QString folder = privateFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath());
    if (folder.isEmpty())
        qDebug().noquote() << "SingleInstance:: no folder of this user's own for the lock";
    return namesIn(folder);
}

SingleInstance::SingleInstance(Names names, QObject *parent)
    : QObject(parent)
    , m_names(std::move(names))
    , m_lock(m_names.lockFilePath)
{
    // Only a lock whose owner has gone is stale: the age of the file says nothing, a copy
    // may run for weeks.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    stopListening();
}

bool SingleInstance::isLockOwnerless() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock.getLockInfo(&pid, &host, &application) || pid <= 0)
        return true;
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return true;
    // Only the user can write into the folder; a file of somebody else's was put there by
    // force and belongs to no copy of ours.
    return !isOwnedByCurrentUser(m_names.lockFilePath);
}

qint64 SingleInstance::lockAgeMs() const
{
    const QDateTime modified = QFileInfo(m_names.lockFilePath).lastModified();
    // A time in the future counts as old too: the clock may have been set back.
    return modified.isValid()
        ? std::abs(QDateTime::currentMSecsSinceEpoch() - modified.toMSecsSinceEpoch())
        : 0;
}

bool SingleInstance::takeOwnerlessLock()
{
    // A starting copy creates its lock file first and writes it an instant later, so an
    // ownerless file may be one in the making: wait until it is older than that.
    const QDeadlineTimer deadline(m_ownerlessLockGraceMs + kLockWaitMs);
    while (lockAgeMs() < m_ownerlessLockGraceMs) {
        if (m_lock.tryLock(0))
            return true;
        if (!isLockOwnerless() || deadline.hasExpired())
            return false;
        pause(deadline);
    }
    // One start at a time judges and removes it; otherwise one could remove the fresh
    // lock another start has just taken.
    QLockFile removal(m_names.lockFilePath + QStringLiteral(".rmlock"));
    removal.setStaleLockTime(0);
    if (!removal.tryLock(kLockWaitMs))
        return false;
    if (isLockOwnerless() && lockAgeMs() >= m_ownerlessLockGraceMs) {
        qDebug().noquote() << "SingleInstance:: takes over the ownerless lock"
                           << m_names.lockFilePath;
        QFile::remove(m_names.lockFilePath);
    }
    return m_lock.tryLock(0);
}

bool SingleInstance::isAnotherInstanceRunning()
{
    if (m_isLockChecked)
        return m_isAnotherRunning;
    m_isLockChecked = true;
    if (m_names.lockFilePath.isEmpty())
        return m_isAnotherRunning = false;
    if (m_lock.tryLock(kLockWaitMs))
        return m_isAnotherRunning = false;
    if (m_lock.error() == QLockFile::LockFailedError && isLockOwnerless() && takeOwnerlessLock())
        return m_isAnotherRunning = false;
    // A lock that cannot even be created (no writable folder) proves nothing about other
    // copies; the socket then decides alone.
    m_isAnotherRunning = m_lock.error() == QLockFile::LockFailedError;
    if (!m_isAnotherRunning)
        qDebug().noquote() << "SingleInstance:: cannot create the lock file"
                           << m_names.lockFilePath;
    return m_isAnotherRunning;
}

bool SingleInstance::retakeLock()
{
    if (!m_isLockChecked || !m_isAnotherRunning || !m_lock.tryLock(0))
        return false;
    m_isAnotherRunning = false;
    return true;
}

bool SingleInstance::sendMessage(const QString &message, int timeoutMs)
{
    if (m_names.serverName.isEmpty())
        return false;
    const bool waitForServer = isAnotherInstanceRunning();
    const QDeadlineTimer deadline(std::max(timeoutMs, 0));
    const QByteArray frame = frameOf(message);
    for (;;) {
        // An absolute socket path that is not the user's own leads to whoever made it.
        const bool isOwn
            = !QDir::isAbsolutePath(m_names.serverName) || isOwnedByCurrentUser(m_names.serverName);
        QLocalSocket socket;
        if (isOwn) {
            socket.connectToServer(m_names.serverName);
            if (socket.waitForConnected(remainingMs(deadline)))
                return deliver(socket, frame, deadline);
        }
        if (!waitForServer || deadline.hasExpired())
            return false;
        // The other copy may be ending: once its lock is free, this one serves instead.
        if (retakeLock())
            return false;
        pause(deadline);
    }
}

bool SingleInstance::listen()
{
    if (m_server)
        return m_server->isListening();
    if (m_names.serverName.isEmpty())
        return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::handleNewConnection);
    if (m_server->listen(m_names.serverName))
        return true;
    if (m_server->serverError() == QAbstractSocket::AddressInUseError) {
        // Nobody answered on it, so the socket is what a crashed copy left behind.
        QLocalServer::removeServer(m_names.serverName);
        if (m_server->listen(m_names.serverName))
            return true;
    }
    qDebug().noquote() << "SingleInstance:: cannot listen on" << m_names.serverName << ":"
                       << m_server->errorString();
    delete m_server;
    m_server = nullptr;
    return false;
}

void SingleInstance::stopListening()
{
    delete m_server;
    m_server = nullptr;
}

bool SingleInstance::isListening() const
{
    return m_server && m_server->isListening();
}

void SingleInstance::handleNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        QTimer::singleShot(kClientTimeoutMs, socket, [socket] { socket->abort(); });
        readMessage(socket);
    }
}

void SingleInstance::readMessage(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < kHeaderBytes)
        return;
    const quint32 length = qFromBigEndian<quint32>(socket->peek(kHeaderBytes).constData());
    if (length > kMaxMessageBytes) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < kHeaderBytes + qint64(length))
        return;
    socket->skip(kHeaderBytes);
    const QString message = QString::fromUtf8(socket->read(length));
    // One message per connection; whatever follows is ignored.
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    // The receipt goes out before anything the message starts: the sender must not wait
    // for that, and a receiver that quits on the message must still confirm it.
    socket->write(&kReceipt, 1);
    socket->flush();
    socket->disconnectFromServer();
    emit messageReceived(message);
}

HandOverResult handOverToRunningInstance(SingleInstance &instance, const QString &message,
                                         const HandOverPolicy &policy)
{
    HandOverResult result;
    result.isAnotherInstanceRunning = instance.isAnotherInstanceRunning();
    do {
        ++result.attempts;
        result.isDelivered = instance.sendMessage(message, policy.timeoutMs);
        if (!result.isDelivered)
            instance.retakeLock();
        result.isAnotherInstanceRunning = instance.isAnotherInstanceRunning();
    } while (!result.isDelivered && result.isAnotherInstanceRunning
             && result.attempts < policy.tries);
    if (!result.isDelivered && result.isAnotherInstanceRunning) {
        const QDeadlineTimer deadline(std::max(policy.lockRetryMs, 0));
        while (!instance.retakeLock() && !deadline.hasExpired())
            pause(deadline);
        result.isAnotherInstanceRunning = instance.isAnotherInstanceRunning();
    }
    return result;
}
