// An application that times every outermost event delivery on the user-interface thread,
// for the benchmarks that promise a window that keeps answering.
#pragma once

#include "BenchSupport.h"

#include <QApplication>
#include <QEvent>
#include <QThread>

namespace BenchSupport {

// Times every outermost event delivery on the user-interface thread while recording.
class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        static thread_local int depth = 0;
        if (!m_recording || depth > 0 || QThread::currentThread() != thread()) {
            ++depth;
            const bool handled = QApplication::notify(receiver, event);
            --depth;
            return handled;
        }
        // The receiver may be gone after delivery (a deferred delete): name it first.
        const char *className = receiver->metaObject()->className();
        const QEvent::Type type = event->type();
        ++depth;
        const double start = nowMs();
        const bool handled = QApplication::notify(receiver, event);
        recordHandler(nowMs() - start, className, type);
        --depth;
        return handled;
    }

    void startRecording()
    {
        m_longestMs = 0;
        m_longestClass = "";
        m_longestType = QEvent::None;
        m_recording = true;
    }
    void stopRecording() { m_recording = false; }
    /// Counts work done outside notify() that a user's click would run inside a handler.
    void recordHandler(double elapsedMs, const char *className, QEvent::Type type)
    {
        if (elapsedMs <= m_longestMs)
            return;
        m_longestMs = elapsedMs;
        m_longestClass = className;
        m_longestType = type;
    }
    double longestMs() const { return m_longestMs; }
    const char *longestClass() const { return m_longestClass; }
    QEvent::Type longestType() const { return m_longestType; }

private:
    bool m_recording = false;
    double m_longestMs = 0;
    const char *m_longestClass = "";
    QEvent::Type m_longestType = QEvent::None;
};

inline TimedApplication &timedApplication()
{
    return *static_cast<TimedApplication *>(QCoreApplication::instance());
}

} // namespace BenchSupport
