// Letting go of a page of sketches without holding up the window.
#pragma once

#include "document/DocumentMetaData.h"

#include <QObject>

#include <deque>

class QThreadPool;
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

    void release(MetadataPtr sketch);

private:
    void releaseNext();

    std::deque<MetadataPtr> m_queue;
    QTimer *m_timer;
    QThreadPool *m_pool;
};
