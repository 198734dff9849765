// A small worker-thread base: run() on a thread of its own, started on request.
#pragma once

#include <atomic>
#include <mutex>
#include <thread>

class Thread
{
public:
    Thread();
    /// Waits for a thread that is still running; a derived class whose run() uses its own
    /// members must have ended it (stop()) in its own destructor.
    virtual ~Thread();
    Thread(const Thread &) = delete;
    Thread &operator=(const Thread &) = delete;

    /// Asks the thread to end; the base has no way to, so it returns false.
    virtual bool stop();
    virtual void run() = 0;

    /// Starts run() on a new thread; false when it was started before or no thread could
    /// be made.
    bool start();
    /// True from start() until run() has returned.
    bool isRunning() const { return m_running.load(); }

protected:
    /// Waits until the thread procedure has returned; any thread but this one may call it.
    void wait();

private:
    std::thread m_thread;
    std::mutex m_joinLock;
    std::atomic<bool> m_running {false};
    bool m_started = false;
};
