// Letting go of a page of sketches without holding up the window.
#pragma once

#include "document/DocumentMetaData.h"

#include <QObject>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class QTimer;

/// Releases sketches one per event, and frees the large ones on a thread of its own: taking
/// a page of large sketches apart at once would hold the window for hundreds of
/// milliseconds. A sketch still held elsewhere (open in the editor) is only let go of.
/// Lives on the user-interface thread.
class SketchDisposal : public QObject
{
    Q_OBJECT

public:
    explicit SketchDisposal(QObject *parent = nullptr);
    /// Waits for the sketches already handed to the disposal thread.
    ~SketchDisposal() override;

    void release(MetadataPtr sketch);

private:
    void releaseNext();
    void freeOnWorker(std::function<void()> work);
    void runWorker();

    std::deque<MetadataPtr> m_queue;
    QTimer *m_timer;
    // A thread of its own (Qt scales images on its global pool, and a thumbnail must not wait
    // behind the freeing of a page), fed under a standard lock that the thread sanitizer sees.
    std::mutex m_workLock;
    std::condition_variable m_workWaiting;
    std::deque<std::function<void()>> m_work;
    bool m_ending = false;
    std::thread m_worker;
};
