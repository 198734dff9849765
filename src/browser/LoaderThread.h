// Loads the sketch files of a folder in the background, one window (page) at a time.
#pragma once

#include <QDir>
#include <QMutex>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <vector>

class DocumentMetaData;

/// One name for one folder however it was reached (through links, "..", a trailing slash):
/// its canonical path, or its cleaned absolute path when it does not exist (any more).
QString folderIdentity(const QString &path);

/// Whether file name a comes before b as a person reads them: letters without regard to
/// case, runs of digits by their value ("sketch2" before "sketch10"), then exactly.
bool isNaturallyBefore(const QString &a, const QString &b);

/// The thread sleeps between windows and is woken for the next window or another folder.
/// Results reach the receiver only through queued signals; the receiver owns every
/// DocumentMetaData it is sent. Lock order where two are held: wake lock, then window
/// lock, then current-file lock.
class LoaderThread : public QThread
{
    Q_OBJECT

public:
    explicit LoaderThread(QObject *parent = nullptr);
    /// Asks the thread to end, wakes it and waits for it.
    ~LoaderThread() override;

    /// The wildcard patterns of the files to list, separated by single blanks.
    void setNameFilters(const QString &text);
    /// Loads files first to last - 1 of the folder; a running read is stopped. Called on
    /// the user-interface thread; waits only until a stopped read has ended. Each call is
    /// answered by one filesCountSignal(0), queued so that it reaches receivers after every
    /// result of earlier windows and before any result of this one. A load from the first
    /// file lists the folder anew. The flag has no effect.
    void loadFolder(const QDir &folder, uint first, uint last, int flag = 1);
    /// Lists the folder again and resets the window; whether the folder has files. Waits
    /// while the loader works through a window.
    bool refreshFileList();
    /// Lists the folder again after the list changed files itself, keeping the window.
    /// Never waits: during a window the loader lists the folder itself once it is over.
    void refreshFileListKeepingWindow();

    /// Side in pixels of the thumbnails rendered on this thread into each result
    /// (DocumentMetaData::thumbnail()); 0 renders none. Any thread may set it.
    void setThumbnailSide(int side) { m_thumbnailSide.store(side); }
    int thumbnailSide() const { return m_thumbnailSide.load(); }

signals:
    // Emitted on the loader thread (filesCountSignal(0) of a request: queued on the thread
    // that owns this object), so receivers get them queued, in this order.
    void fileDocumentMetaDataReady(DocumentMetaData *docMetaData, uint currentIndexPosition);
    void filesCountSignal(int count);
    void filesLoadProgressChunkDone(uint filesProcessInThisChunk, uint currentIndex);
    void loadFilesFinishedSgnl();
    void clearThumbnailListWidgetSignal();
    /// A file of the window that could not be loaded, and the reader's reason.
    void fileNotLoadedSignal(const QString &path, const QString &reason, uint index);

protected:
    void run() override;

private:
    /// Flags the restart, stops the read in progress and wakes the thread; wake lock held.
    void restart();
    /// Stops the read in progress, if any; may be called with the wake lock held.
    void stopCurrentRead();
    /// Lists the folder into the file list; window lock held.
    void listFiles();
    /// Sleeps until a restart or the abort; false on abort.
    bool sleepUntilWoken();
    bool folderExists();
    /// Works through one window; false when the thread must end (abort, empty folder).
    bool runWindow();
    /// Loads one file and sends it; a failed or stopped load sends nothing.
    void loadFile(const QString &path, uint index, QMutexLocker<QMutex> &window);

    // A standard mutex and condition, not Qt's: a wait on Qt's releases the lock inside Qt,
    // where the thread sanitizer cannot see it, so it took the lock for held twice.
    std::mutex m_wakeLock;
    std::condition_variable m_wakeCondition;
    std::atomic<bool> m_restartRequested {false};
    std::atomic<bool> m_abortRequested {false};
    // Whether run() goes on after its window; cleared (under the wake lock) when it ends.
    bool m_looping = false;
    // Set when the file list changed while a window ran; the loader lists the folder again.
    std::atomic<bool> m_relistRequested {false};
    QMutex m_currentFileLock;
    DocumentMetaData *m_currentMetadata = nullptr;
    // The window lock guards everything below; the folder is written only by loadFolder.
    QMutex m_windowLock;
    QStringList m_nameFilters;
    QString m_folderPath;
    std::vector<QString> m_files;
    uint m_fileCount = 0;
    uint m_windowStart = 0;
    uint m_lastWindowEnd = 0;
    uint m_nextIndex = 0;
    uint m_windowSize = 0;
    std::atomic<int> m_thumbnailSide {0};
};
