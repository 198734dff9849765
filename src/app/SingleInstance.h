// One running copy per user: a lock file tells who runs, a local socket carries hand-overs.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

/// The first copy of the program takes a per-user lock and listens on a per-user local
/// socket; a later copy finds the lock held and sends its message over the socket. A lock
/// left behind by a process that no longer runs is taken over, however old it is; a lock
/// whose owner still runs is never taken over.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    struct Names
    {
        /// Local socket name: a bare name lives in the temporary folder, an absolute path
        /// is used as it is.
        QString serverName;
        QString lockFilePath;
    };

    /// The current user's names, in the temporary folder and carrying the user's key, so
    /// that two users on one machine never meet.
    static Names defaultNames();

    explicit SingleInstance(Names names = defaultNames(), QObject *parent = nullptr);
    ~SingleInstance() override;

    /// Takes the lock unless another live process holds it; true when one does. Decided on
    /// the first call and remembered. A lock taken here is kept until this object dies.
    bool isAnotherInstanceRunning();
    /// Hands message to the running copy and waits for its receipt, all within timeoutMs.
    /// While the lock says another copy runs, a server that does not listen yet (the other
    /// copy may be starting) is tried again until the time is up; otherwise one attempt is
    /// made. Blocks the calling thread; true only when the other copy confirmed receipt.
    bool sendMessage(const QString &message, int timeoutMs);
    /// Starts receiving messages. A socket left behind by a crashed copy is replaced, so
    /// call this only after sendMessage() found nobody answering. False when the server
    /// cannot listen.
    bool listen();
    /// Stops receiving; the lock stays held.
    void stopListening();
    bool isListening() const;
    const Names &names() const { return m_names; }

signals:
    /// A message of another copy, emitted on the thread that owns this object once its
    /// receipt has been confirmed to the sender.
    void messageReceived(const QString &message);

private:
    void handleNewConnection();
    void readMessage(QLocalSocket *socket);

    Names m_names;
    QLockFile m_lock;
    bool m_isLockChecked = false;
    bool m_isAnotherRunning = false;
    QLocalServer *m_server = nullptr;
};

/// How hard a second start tries to reach the first.
struct HandOverPolicy
{
    int timeoutMs = 10000;
    int tries = 6;
};

struct HandOverResult
{
    bool isAnotherInstanceRunning = false;
    bool isDelivered = false;
    int attempts = 0;
    /// A second copy leaves when its message arrived or when the lock is held by another,
    /// even if that one never answered.
    bool shouldExit() const { return isDelivered || isAnotherInstanceRunning; }
};

/// Checks the lock and sends message: once, and while the lock is held by another copy up
/// to policy.tries times in all, stopping at the first delivery.
HandOverResult handOverToRunningInstance(SingleInstance &instance, const QString &message,
                                         const HandOverPolicy &policy = {});
