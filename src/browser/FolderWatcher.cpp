// Watching the shown folder so that the list follows changes made behind its back.
#include "browser/FolderWatcher.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

FolderWatcher::FolderWatcher(QObject *parent)
    : QObject(parent)
    , m_watcher(new QFileSystemWatcher(this))
    , m_quiet(new QTimer(this))
{
    m_quiet->setSingleShot(true);
    m_quiet->setInterval(kQuietDelayMs);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_quiet, qOverload<>(&QTimer::start));
    connect(m_quiet, &QTimer::timeout, this, &FolderWatcher::changed);
}

void FolderWatcher::watch(const QString &path)
{
    m_path = path;
    attach();
}

void FolderWatcher::pause()
{
    m_paused = true;
    m_quiet->stop();
    attach();
}

void FolderWatcher::resume()
{
    m_paused = false;
    attach();
}

void FolderWatcher::attach()
{
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    if (!m_paused && !m_path.isEmpty() && QFileInfo(m_path).isDir())
        m_watcher->addPath(m_path);
}
