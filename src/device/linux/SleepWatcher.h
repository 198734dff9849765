// Suspend and resume as logind announces them on the system bus.
#pragma once

#include <QObject>

#include <functional>

class SleepWatcher : public QObject
{
    Q_OBJECT

public:
    /// handler(true) before the system sleeps, handler(false) after it woke up.
    explicit SleepWatcher(std::function<void(bool)> handler);

    /// False when there is no system bus or no logind on it; nothing is reported then.
    bool connectToLogind();

private slots:
    void handlePrepareForSleep(bool sleeping);

private:
    std::function<void(bool)> m_handler;
};
