// The application's observer of the receiver: Qt signals for its events, and its queries.
#pragma once

#include "device/DeviceObserverInterface.h"
#include "ink/Point.h"

#include <QDateTime>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <string>

/// Lives on the user-interface thread; only pointReceived() comes from the live-mode thread.
/// After an arrival it waits (10 s), puts the receiver into its resting mode, reports and
/// clears its last event and only then announces it with HIDDevicePlugSgnl.
class QuilloDeviceObserver : public QObject, public DeviceObserverInterface
{
    Q_OBJECT

public:
    explicit QuilloDeviceObserver(QObject *parent = nullptr);
    /// Stops the timer and makes sure the device manager no longer calls this observer.
    ~QuilloDeviceObserver() override;

    void deviceArrived(Device *device) override;
    void deviceRemoved(Device *device) override;
    void pointReceived(const Nivo::Point &point) override;
    void volumeMounted(const std::string &root) override;
    void volumeCheck() override;

    /// Asks the receiver for its battery state; on success writes it to state and returns
    /// its text, on failure an empty text. No exchange and an empty text without a receiver.
    QString batteryStatus(unsigned int &state);
    /// Sets the receiver's clock to the date and time as they are shown (no time zone
    /// conversion); false for an invalid date and time or a failed exchange.
    bool setReceiverClock(const QDateTime &dateTime);
    bool setClickThreshold(std::uint16_t value);
    bool getClickThreshold(std::uint16_t &value);
    /// Only while a receiver is present.
    bool firmwareVersion(std::string &text);
    bool isPresent() const;

    /// The pause between an arrival and preparing the receiver; 10 s unless changed.
    void setArrivalDelay(std::chrono::milliseconds delay);
    /// For an observer installed while a receiver is already prepared (the settings
    /// dialog's): takes it as present at once, without the pause, exchanges or signals.
    void adoptDevice(Device *device);
    /// The announced volume root; empty when none.
    QString drive() const;
    /// The text of the last battery query.
    QString lastBatteryText() const { return m_lastBatteryText; }

signals:
    void updateNivoPointSgnl(Nivo::Point point);
    void HIDDevicePlugSgnl(QString text);
    void HIDDeviceUnplugSgnl(QString text);
    void DiscVolumeUnMountedSgnl(QString root);
    void DiscVolumeMountedSgnl(QString root);
    void sendLastErrorMsgSgnl(QString text);

public slots:
    void initDeviceAfterTimeout();
    void timerTick();

private:
    Device *presentDevice() const;

    QString m_lastBatteryText;
    QString m_drive;
    Device *m_device = nullptr;
    bool m_present = false;
    QTimer m_timer;
    // Guards m_present, m_device and the timer.
    mutable QMutex m_lock;
};

Q_DECLARE_METATYPE(Nivo::Point)
