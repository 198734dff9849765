// Watching the shown folder so that the list follows changes made behind its back.
#pragma once

#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QTimer;

/// Reports a change of one folder once the folder has been quiet for a moment, so a burst of
/// writes (a copy of many files, a merge saving) becomes one reload. Can be paused while the
/// application itself changes the folder. Lives on the user-interface thread.
class FolderWatcher : public QObject
{
    Q_OBJECT

public:
    /// How long the folder must be quiet after a change before changed() is emitted.
    static constexpr int kQuietDelayMs = 600;

    explicit FolderWatcher(QObject *parent = nullptr);

    /// Watches path from now on instead of the folder watched before.
    void watch(const QString &path);
    /// Stops reporting until resume(): a change seen meanwhile is dropped, because whoever
    /// paused reloads the folder afterwards anyway.
    void pause();
    void resume();
    bool isPaused() const { return m_paused; }

signals:
    void changed();

private:
    void attach();

    QFileSystemWatcher *m_watcher;
    QTimer *m_quiet;
    QString m_path;
    bool m_paused = false;
};
