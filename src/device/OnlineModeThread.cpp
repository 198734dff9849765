// Reading live reports until asked to stop or until the interface fails.
#include "device/OnlineModeThread.h"

#include "device/InputReportCodec.h"

#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

OnlineModeThread::OnlineModeThread(Device *device, HidConnection *connection)
    : m_device(device)
    , m_connection(connection)
    , m_stopEvent(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{ }

OnlineModeThread::~OnlineModeThread()
{
    stop();
    wait();
    if (m_stopEvent >= 0)
        ::close(m_stopEvent);
}

bool OnlineModeThread::stop()
{
    if (!isRunning() || m_stopEvent < 0)
        return false;
    const std::uint64_t one = 1;
    const bool signalled = ::write(m_stopEvent, &one, sizeof one) == sizeof one;
    wait();
    return signalled;
}

void OnlineModeThread::run()
{
    // Without the stop event the thread could never be woken, so it does not read at all.
    if (m_stopEvent < 0)
        return;
    for (;;) {
        if (m_connection->readInputReport(m_report, m_stopEvent)
            != HidConnection::ReadResult::Report)
            return;
        if (const auto point = decodeLiveReport(m_report))
            m_device->onlinePoint(*point);
    }
}
