// The loader thread: lists a folder, then loads one window of its files per wake-up.
#include "browser/LoaderThread.h"

#include "document/DocumentMetaData.h"
#include "document/Thumbnail.h"
#include "ink/ThreadHandover.h"

#include <QDebug>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <memory>

QString folderIdentity(const QString &path)
{
    const QDir folder(path);
    const QString canonical = folder.canonicalPath();
    return canonical.isEmpty() ? QDir::cleanPath(folder.absolutePath()) : canonical;
}

bool isNaturallyBefore(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            // Compare the two numbers by value: without leading zeros, longer is larger.
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && a[endA].isDigit())
                ++endA;
            while (endB < b.size() && b[endB].isDigit())
                ++endB;
            qsizetype startA = i;
            qsizetype startB = j;
            while (startA + 1 < endA && a[startA] == QLatin1Char('0'))
                ++startA;
            while (startB + 1 < endB && b[startB] == QLatin1Char('0'))
                ++startB;
            if (endA - startA != endB - startB)
                return endA - startA < endB - startB;
            const int digits = QStringView(a)
                                   .sliced(startA, endA - startA)
                                   .compare(QStringView(b).sliced(startB, endB - startB));
            if (digits != 0)
                return digits < 0;
            i = endA;
            j = endB;
            continue;
        }
        const QChar x = a[i].toCaseFolded();
        const QChar y = b[j].toCaseFolded();
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j)
        return a.size() - i < b.size() - j;
    return a < b;
}

namespace {

QString folderKey(const QDir &folder)
{
    return folderIdentity(folder.path());
}

} // namespace

LoaderThread::LoaderThread(QObject *parent)
    : QThread(parent)
{
    // Results cross to the receiver's thread as queued arguments.
    qRegisterMetaType<DocumentMetaData *>();
}

LoaderThread::~LoaderThread()
{
    {
        std::unique_lock wake(m_wakeLock);
        m_abortRequested = true;
        stopCurrentRead();
        m_wakeCondition.notify_all();
    }
    wait();
    Nivo::acceptHandover(this);
}

void LoaderThread::setNameFilters(const QString &text)
{
    QMutexLocker window(&m_windowLock);
    m_nameFilters = text.split(QLatin1Char(' '));
}

void LoaderThread::loadFolder(const QDir &folder, uint first, uint last, int flag)
{
    Q_UNUSED(flag)
    const bool newFolder = folderKey(folder) != folderKey(QDir(m_folderPath));
    std::unique_lock wake(m_wakeLock);
    // Ask the running window to stop first: the window lock below is free only once the
    // loader has left its window, and a stopped read makes that a matter of moments.
    const bool restarted = m_looping;
    if (restarted)
        restart();
    {
        QMutexLocker window(&m_windowLock);
        // A thread that ended did so on an empty list; starting it again on that same list
        // would end it again, so a fresh start always lists the folder anew. So does a load
        // from the first file (opening or reloading a folder): it shows what is on disc now.
        if (newFolder || !m_looping || first == 0) {
            m_folderPath = QDir::cleanPath(folder.absolutePath());
            listFiles();
            m_windowStart = m_lastWindowEnd = m_nextIndex = 0;
        }
        m_windowStart = first;
        m_nextIndex = first;
        m_windowSize = last > first ? last - first : 0;
    }
    // One count of 0 answers every request, queued rather than sent at once: all results of
    // earlier windows were posted before the loader let go of the window lock (or before
    // the thread ended), and the new window posts nothing before it has the wake lock. So
    // it reaches the receiver after every stale result and before any new one.
    QMetaObject::invokeMethod(
        this, [this] { emit filesCountSignal(0); }, Qt::QueuedConnection);
    if (!restarted) {
        // The thread may still be returning from an earlier run.
        wait();
        Nivo::acceptHandover(this);
        m_restartRequested = false;
        m_looping = true;
        start(QThread::InheritPriority);
    }
}

bool LoaderThread::refreshFileList()
{
    QMutexLocker window(&m_windowLock);
    listFiles();
    m_windowStart = m_lastWindowEnd = m_nextIndex = 0;
    return m_fileCount > 0;
}

void LoaderThread::refreshFileListKeepingWindow()
{
    // Waiting here for a window of large files to finish would freeze the caller's window;
    // the loader lists the folder itself before and after its next window instead.
    if (!m_windowLock.tryLock()) {
        m_relistRequested = true;
        return;
    }
    listFiles();
    m_windowLock.unlock();
}

void LoaderThread::restart()
{
    m_restartRequested = true;
    stopCurrentRead();
    m_wakeCondition.notify_all();
}

void LoaderThread::stopCurrentRead()
{
    QMutexLocker current(&m_currentFileLock);
    if (m_currentMetadata)
        m_currentMetadata->stop();
}

void LoaderThread::listFiles()
{
    m_relistRequested = false;
    std::vector<QString> files;
    // Before the first folder there is nothing to list (an empty path is the working folder).
    if (!m_folderPath.isEmpty()) {
        QDirIterator entries(m_folderPath, m_nameFilters, QDir::Files | QDir::Readable);
        while (entries.hasNext()) {
            entries.next();
            files.push_back(entries.fileInfo().absoluteFilePath());
        }
    }
    // In the order a person reads names: "sketch2" before "sketch10".
    std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        return isNaturallyBefore(QFileInfo(a).fileName(), QFileInfo(b).fileName());
    });
    m_files = std::move(files);
    m_fileCount = static_cast<uint>(m_files.size());
}

bool LoaderThread::sleepUntilWoken()
{
    std::unique_lock wake(m_wakeLock);
    while (!m_restartRequested && !m_abortRequested)
        m_wakeCondition.wait(wake);
    m_restartRequested = false;
    return !m_abortRequested;
}

bool LoaderThread::folderExists()
{
    QMutexLocker window(&m_windowLock);
    return QFileInfo(m_folderPath).isDir();
}

void LoaderThread::run()
{
    // QThread::wait() joins inside Qt, out of the thread sanitizer's sight: the thread says
    // when it is done with the object, and every wait() accepts that.
    struct Ended
    {
        const LoaderThread *loader;
        ~Ended() { Nivo::announceHandover(loader); }
    } ended {this};
    while (!m_abortRequested) {
        if (!folderExists()) {
            if (!sleepUntilWoken())
                return;
            continue;
        }
        if (!runWindow())
            return;
        if (!sleepUntilWoken())
            return;
    }
}

bool LoaderThread::runWindow()
{
    std::unique_lock wake(m_wakeLock);
    QMutexLocker window(&m_windowLock);
    if (m_relistRequested)
        listFiles();
    if (m_files.empty()) {
        // Decided under the wake lock, so that loadFolder knows to start the thread again.
        m_looping = false;
        emit filesCountSignal(0);
        emit clearThumbnailListWidgetSignal();
        return false;
    }
    wake.unlock();
    emit filesCountSignal(static_cast<int>(m_windowSize));
    if (m_abortRequested)
        return false;

    // The window lock is held only between files: loadFolder may queue a new window (and
    // the folder may be listed again) while a file loads; the restart flag then ends this
    // window before its next file.
    uint processed = 0;
    bool interrupted = false;
    while (true) {
        // Indices beyond the list have no file: the window ends with the list.
        const uint end = std::min(m_windowStart + m_windowSize, m_fileCount);
        if (m_nextIndex >= end)
            break;
        if (m_restartRequested) {
            interrupted = true;
            break;
        }
        if (m_abortRequested)
            return false;
        const QString path = m_files[m_nextIndex];
        const uint index = m_nextIndex;
        if (!path.isEmpty() && QFileInfo::exists(path)) {
            window.unlock();
            loadFile(path, index, window);
            if (m_restartRequested) {
                interrupted = true;
                break;
            }
            if (m_abortRequested)
                return false;
        }
        ++m_nextIndex;
        ++processed;
    }

    if (!interrupted) {
        if (m_nextIndex >= m_fileCount) {
            emit loadFilesFinishedSgnl();
        } else if (processed == m_windowSize) {
            m_lastWindowEnd = m_nextIndex;
            emit filesLoadProgressChunkDone(m_windowSize, m_nextIndex);
        }
    }
    if (m_relistRequested)
        listFiles();
    return true;
}

void LoaderThread::loadFile(const QString &path, uint index, QMutexLocker<QMutex> &window)
{
    auto metadata = std::make_unique<DocumentMetaData>(QDir::toNativeSeparators(path));
    {
        QMutexLocker current(&m_currentFileLock);
        m_currentMetadata = metadata.get();
    }
    auto stopped = [this] { return m_restartRequested || m_abortRequested; };
    // A restart that came before the object was published could not stop it; it is seen here.
    // The loader reads only the ink: it makes no scene (Qt keeps every scene in one list of
    // the application, walked on the window's thread), and draws the thumbnail from the ink.
    const bool loaded = !stopped() && metadata->load(DocumentMetaData::Model::Later);
    {
        // From here on nobody can stop() the object, so it may be handed out or destroyed.
        QMutexLocker current(&m_currentFileLock);
        m_currentMetadata = nullptr;
    }
    const int side = thumbnailSide();
    if (loaded && side > 0) {
        metadata->setThumbnail(
            renderThumbnail(*metadata->document(), metadata->pen(), false, side, stopped));
    }
    // Results are posted under the window lock: a window queued by loadFolder takes that
    // lock, so every result of this window reaches the receiver before the new window's
    // count. A result finished after the user moved on belongs to an abandoned window, and
    // one sent while the owner is being destroyed might never be received: neither is sent.
    window.relock();
    if (stopped())
        return;
    if (!loaded) {
        qDebug().noquote() << "failed to load " + metadata->path()
                + " file in loaderThread ActualReading";
        // Shown as a placeholder, so that a damaged sketch is seen rather than hidden.
        emit fileNotLoadedSignal(metadata->path(), metadata->errorText(), index);
        return;
    }
    Nivo::announceHandover(metadata.get());
    emit fileDocumentMetaDataReady(metadata.release(), index);
}
