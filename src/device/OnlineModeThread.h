// The live-mode thread: reads input reports and hands their points to the device.
#pragma once

#include "device/HidConnection.h"
#include "device/Thread.h"

class OnlineModeThread : public Thread
{
public:
    /// Neither the device nor the connection is owned; both outlive the thread.
    OnlineModeThread(Device *device, HidConnection *connection);
    ~OnlineModeThread() override;

    /// Wakes the thread from its wait and waits until it has ended; false at once when it is
    /// not running (it may have ended by itself on a failed read).
    bool stop() override;
    void run() override;

private:
    Device *m_device;
    HidConnection *m_connection;
    InputReport m_report;
    // An eventfd the reading waits on beside the interface; written once to end the thread.
    int m_stopEvent = -1;
};
