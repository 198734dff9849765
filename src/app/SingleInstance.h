// One running copy per user: a lock file tells who runs, a local socket carries hand-overs.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

/// The first copy of the program takes a per-user lock and listens on a per-user local
/// socket, both inside a folder only the user may enter, so that other users can neither
/// block a start nor listen in. A later copy finds the lock held and sends its message over
/// the socket. A lock left behind by a process that no longer runs is taken over, however
/// old it is; a lock whose owner still runs is never taken over. A lock file that names no
/// owner to ask (empty, unreadable, garbled, from another host, or not the user's own) is
/// taken over once it is older than a grace period, in which its writer may still be at it.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    struct Names
    {
        /// Local socket name: a bare name lives in the temporary folder, an absolute path
        /// is used as it is. Empty names: no single instance, every start is the first.
        QString serverName;
        QString lockFilePath;
    };

    /// The folder for the lock and the socket: runtimeFolder (the session's
    /// XDG_RUNTIME_DIR) when it is private to the user, else tempFolder + "/draftbay-" +
    /// the user's key, made private when missing; empty when neither is private.
    static QString privateFolder(const QString &runtimeFolder, const QString &tempFolder);
    /// The lock and socket names inside folder; empty names for an empty folder.
    static Names namesIn(const QString &folder);
    /// The current user's names, in privateFolder() of the session's runtime folder and the
    /// temporary folder.
    static Names defaultNames();

    explicit SingleInstance(Names names = defaultNames(), QObject *parent = nullptr);
    ~SingleInstance() override;

    /// How old a lock file without an owner to ask must be before it is taken over.
    void setOwnerlessLockGraceMs(int graceMs) { m_ownerlessLockGraceMs = graceMs; }

    /// Takes the lock unless another live process holds it; true when one does. Decided on
    /// the first call and remembered until retakeLock() succeeds; may wait for the grace
    /// period of an ownerless lock. A lock taken here is kept until this object dies.
    bool isAnotherInstanceRunning();
    /// Tries once more for a lock that another copy held: true when it is now this one's
    /// (the other copy has ended), and isAnotherInstanceRunning() then says false.
    bool retakeLock();
    /// Hands message to the running copy and waits for its receipt, all within timeoutMs.
    /// While the lock says another copy runs, a server that does not listen yet (the other
    /// copy may be starting) is tried again until the time is up or the lock comes free
    /// (the other copy was ending); otherwise one attempt is made. A socket that is not the
    /// user's own is never spoken to. Blocks the calling thread; true only when the other
    /// copy confirmed receipt.
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
    bool isLockOwnerless() const;
    qint64 lockAgeMs() const;
    bool takeOwnerlessLock();

    Names m_names;
    QLockFile m_lock;
    int m_ownerlessLockGraceMs = 1500;
    bool m_isLockChecked = false;
    bool m_isAnotherRunning = false;
    QLocalServer *m_server = nullptr;
};

/// How hard a second start tries to reach the first.
struct HandOverPolicy
{
    int timeoutMs = 10000;
    int tries = 6;
    /// After the last failed try, how long the lock is still tried: a copy that is ending
    /// holds it a little longer than it listens.
    int lockRetryMs = 3000;
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
/// to policy.tries times in all, stopping at the first delivery. Between tries, and for
/// policy.lockRetryMs after the last, the lock is tried again; once it comes free this copy
/// holds it and should run as the first (shouldExit() is false).
HandOverResult handOverToRunningInstance(SingleInstance &instance, const QString &message,
                                         const HandOverPolicy &policy = {});
