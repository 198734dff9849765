// Letting go of a page of sketches without holding up the window.
#include "browser/SketchDisposal.h"

#include "document/DocumentGraphicModel.h"

#include <QThread>
#include <QThreadPool>
#include <QTimer>

SketchDisposal::SketchDisposal(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
    , m_pool(new QThreadPool(this))
{
    // A pool of its own: Qt scales images on the global pool, and a thumbnail must not wait
    // behind the freeing of a page.
    m_pool->setMaxThreadCount(1);
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &SketchDisposal::releaseNext);
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
    m_pool->start([ink = std::move(ink), scene = std::move(scene)]() mutable {
        if (scene)
            scene->moveToThread(QThread::currentThread());
        scene.reset();
        ink.reset();
    });
}
