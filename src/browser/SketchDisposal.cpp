// Letting go of a page of sketches without holding up the window.
#include "browser/SketchDisposal.h"

#include "document/DocumentGraphicModel.h"

#include <QThread>
#include <QTimer>

SketchDisposal::SketchDisposal(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &SketchDisposal::releaseNext);
}

SketchDisposal::~SketchDisposal()
{
    {
        const std::lock_guard lock(m_workLock);
        m_ending = true;
    }
    m_workWaiting.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

void SketchDisposal::freeOnWorker(std::function<void()> work)
{
    {
        const std::lock_guard lock(m_workLock);
        m_work.push_back(std::move(work));
    }
    m_workWaiting.notify_one();
    if (!m_worker.joinable())
        m_worker = std::thread([this] { runWorker(); });
}

void SketchDisposal::runWorker()
{
    std::unique_lock lock(m_workLock);
    for (;;) {
        m_workWaiting.wait(lock, [this] { return m_ending || !m_work.empty(); });
        if (m_work.empty())
            return;
        std::function<void()> work = std::move(m_work.front());
        m_work.pop_front();
        lock.unlock();
        work();
        lock.lock();
    }
}

void SketchDisposal::release(MetadataPtr sketch)
{
    if (!sketch)
        return;
    m_queue.push_back(std::move(sketch));
    if (!m_timer->isActive())
        m_timer->start();
}

void SketchDisposal::releaseNext()
{
    if (m_queue.empty()) {
        m_timer->stop();
        return;
    }
    MetadataPtr sketch = std::move(m_queue.front());
    m_queue.pop_front();
    if (sketch.useCount() != 1)
        return;
    // Taking a scene of thousands of strokes apart takes tens of milliseconds: unless it is
    // still shown somewhere, it is let go of by this thread and ends, with the ink, on the
    // disposal thread.
    Nivo::SharedHandle<Nivo::Document> ink = sketch->document();
    Nivo::SharedHandle<DocumentGraphicModel> scene = sketch->model();
    sketch.reset();
    if (scene.useCount() == 1 && scene->thread() == thread())
        scene->moveToThread(nullptr);
    else
        scene.reset();
    // Moved in, so that the worker holds the last handles and the freeing happens there.
    freeOnWorker([ink = std::move(ink), scene = std::move(scene)]() mutable {
        if (scene)
            scene->moveToThread(QThread::currentThread());
        scene.reset();
        ink.reset();
    });
}
