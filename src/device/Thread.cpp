// Starting and joining the worker thread.
#include "device/Thread.h"

#include <system_error>

Thread::Thread() = default;

Thread::~Thread()
{
    wait();
}

bool Thread::stop()
{
    return false;
}

bool Thread::start()
{
    std::scoped_lock locker(m_joinLock);
    if (m_started)
        return false;
    m_running = true;
    // std::thread reports a thread it cannot make by throwing; here that is a false result.
    try {
        m_thread = std::thread([this] {
            run();
            m_running = false;
        });
    } catch (const std::system_error &) {
        m_running = false;
        return false;
    }
    m_started = true;
    return true;
}

void Thread::wait()
{
    std::scoped_lock locker(m_joinLock);
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
}
