// The part of every device that only needs the protocol: the resting mode, and the worker
// thread that keeps the receiver's slow exchanges away from the user interface.
#include "device/Device.h"

#include "device/DeviceObserverInterface.h"
#include "device/ProtocolHandler.h"

Device::Device(unsigned int restingMode, OpenStatus openStatus)
    : m_restingMode(restingMode)
    , m_openStatus(openStatus)
{ }

Device::~Device()
{
    finishWork();
}

bool Device::applyRestingMode()
{
    // Only the two resting modes are restored: a receiver left in live mode (or reporting
    // nonsense) is put into the first one instead of being "restored" to it.
    const unsigned int mode = m_restingMode.load();
    ProtocolHandler handler(this);
    return handler.setMode(static_cast<unsigned char>(mode == 1 || mode == 2 ? mode : 1));
}

void Device::post(std::function<void()> job)
{
    std::scoped_lock locker(m_jobLock);
    m_jobs.push_back(std::move(job));
    if (!m_worker.joinable() && !m_finishing)
        m_worker = std::thread([this] { work(); });
    m_jobsChanged.notify_all();
}

void Device::work()
{
    std::unique_lock locker(m_jobLock);
    for (;;) {
        m_jobsChanged.wait(locker, [this] { return !m_jobs.empty() || m_finishing; });
        if (m_jobs.empty())
            return;
        std::function<void()> job = std::move(m_jobs.front());
        m_jobs.pop_front();
        locker.unlock();
        job();
        locker.lock();
    }
}

void Device::cancel()
{
    std::scoped_lock locker(m_jobLock);
    m_cancelled = true;
    m_jobsChanged.notify_all();
}

void Device::finishWork()
{
    std::thread worker;
    {
        std::scoped_lock locker(m_jobLock);
        m_finishing = true;
        worker = std::move(m_worker);
        m_jobsChanged.notify_all();
    }
    if (worker.joinable())
        worker.join();
    // Jobs posted after the worker ended (there should be none) still run, here.
    std::deque<std::function<void()>> rest;
    {
        std::scoped_lock locker(m_jobLock);
        rest.swap(m_jobs);
    }
    for (auto &job : rest)
        job();
    std::scoped_lock locker(m_jobLock);
    m_finishing = false;
}

bool Device::pause(std::chrono::milliseconds delay)
{
    if (m_pauseHook)
        m_pauseHook(delay);
    std::unique_lock locker(m_jobLock);
    return !m_jobsChanged.wait_for(locker, delay, [this] { return m_cancelled.load(); });
}

void Device::deliverOnlinePoint(const Nivo::Point &point)
{
    std::scoped_lock locker(m_onlineLock);
    if (DeviceObserverInterface *observer = m_onlineObserver.load())
        observer->pointReceived(point);
}

void Device::setOnlineObserver(DeviceObserverInterface *observer)
{
    std::scoped_lock locker(m_onlineLock);
    m_onlineObserver = observer;
}

void Device::detachOnlineObserver(DeviceObserverInterface *observer)
{
    {
        std::scoped_lock locker(m_onlineLock);
        if (m_onlineObserver.load() != observer)
            return;
        m_onlineObserver = nullptr;
    }
    post([this] { stopOnlineMode(); });
}
