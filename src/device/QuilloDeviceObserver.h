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
#include <functional>
#include <memory>
#include <string>

class AnswerRelay;

/// Lives on the user-interface thread; only pointReceived() comes from the live-mode thread.
/// After an arrival it waits (10 s), then, on the receiver's worker thread, puts the receiver
/// into its resting mode and reads and clears its last event; only when that is done does it
/// report the event and announce the receiver with HIDDevicePlugSgnl.
///
/// Every exchange runs on the receiver's worker thread; its answer comes back as one signal
/// through this observer's event loop, a failure when there is no receiver or it left
/// meanwhile. Nothing here blocks the calling thread.
class QuilloDeviceObserver : public QObject, public DeviceObserverInterface
{
    Q_OBJECT

public:
    enum class Role {
        /// The window's observer: prepares and announces an arriving receiver.
        Preparing,
        /// A further observer (the settings dialog's, the live view's): takes an arriving
        /// receiver as present at once, without pause, exchanges or plug signal, and still
        /// signals its removal.
        Following,
    };

    /// Adds itself to the device manager's observers.
    explicit QuilloDeviceObserver(QObject *parent = nullptr, Role role = Role::Preparing);
    /// Stops the timer, leaves the device manager's observers and ends live mode it started;
    /// answers still on their way are dropped.
    ~QuilloDeviceObserver() override;

    void deviceArrived(Device *device) override;
    void deviceRemoved(Device *device) override;
    void pointReceived(const Nivo::Point &point) override;
    void volumeMounted(const std::string &root) override;
    void volumeCheck() override;

    /// The battery state and its text (empty on failure) -> batteryStatusRead.
    void requestBatteryStatus();
    /// The clock set to the date and time as they are shown (no time zone conversion); an
    /// invalid one fails -> receiverClockWritten.
    void requestReceiverClock(const QDateTime &dateTime);
    void requestClickThresholdWrite(quint16 value);
    void requestClickThreshold();
    void requestFirmwareVersion();
    /// Switches live mode on or off -> liveModeChanged. While it is on, the receiver's points
    /// arrive as updateNivoPointSgnl; its removal ends it without a liveModeChanged.
    void requestLiveMode(bool on);
    bool isPresent() const;

    /// The pause between an arrival and preparing the receiver; 10 s unless changed.
    void setArrivalDelay(std::chrono::milliseconds delay);
    /// For an observer installed while a receiver is already prepared (the settings
    /// dialog's): takes it as present at once, without the pause, exchanges or signals.
    void adoptDevice(Device *device);
    /// The announced volume root; empty when none.
    QString drive() const;
    Role role() const { return m_role; }
    /// The text of the last battery query.
    QString lastBatteryText() const { return m_lastBatteryText; }

signals:
    void updateNivoPointSgnl(Nivo::Point point);
    void HIDDevicePlugSgnl(QString text);
    void HIDDeviceUnplugSgnl(QString text);
    void DiscVolumeUnMountedSgnl(QString root);
    void DiscVolumeMountedSgnl(QString root);
    void sendLastErrorMsgSgnl(QString text);

    void batteryStatusRead(bool ok, unsigned int state, QString text);
    void receiverClockWritten(bool ok);
    void clickThresholdWritten(bool ok);
    void clickThresholdRead(bool ok, quint16 value);
    void firmwareVersionRead(bool ok, QString text);
    void liveModeChanged(bool running);

public slots:
    void initDeviceAfterTimeout();
    void timerTick();

private:
    /// Runs the answers the receiver's worker has handed over.
    Q_INVOKABLE void takeAnswers();
    Device *presentDevice() const;
    /// Runs work on the present receiver's worker and hands its result to answer on this
    /// thread, with whether the same receiver is still present; without a receiver answer
    /// hears (false, a default result) through the event loop.
    template<typename Result>
    void exchange(std::function<Result(Device *)> work,
                  std::function<void(bool present, const Result &)> answer);

    const Role m_role;
    std::shared_ptr<AnswerRelay> m_relay;
    QString m_lastBatteryText;
    QString m_drive;
    Device *m_device = nullptr;
    // Counts arrivals and removals, so that an answer is known to be about the receiver that
    // is present now.
    quint64 m_generation = 0;
    bool m_present = false;
    QTimer m_timer;
    // Guards m_present, m_device and the timer.
    mutable QMutex m_lock;
};

Q_DECLARE_METATYPE(Nivo::Point)
