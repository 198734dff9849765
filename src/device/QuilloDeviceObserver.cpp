// Arrival preparation, removal and volume signals, and the receiver queries for the windows.
#include "device/QuilloDeviceObserver.h"

#include "device/Device.h"
#include "device/DeviceLog.h"
#include "device/DeviceManager.h"
#include "device/ProtocolHandler.h"
#include "device/ReceiverTexts.h"

#include <deque>
#include <mutex>
#include <optional>
#include <utility>

/// Carries answers from a receiver's worker thread to the observer for as long as it lives.
/// The answers wait in a queue of its own under a standard lock, and only a plain call asks
/// the observer's thread to take them: what an answer holds is handed over under that lock.
class AnswerRelay
{
public:
    explicit AnswerRelay(QObject *target)
        : m_target(target)
    { }
    void forget()
    {
        std::scoped_lock locker(m_lock);
        m_target = nullptr;
        m_answers.clear();
    }
    void deliver(std::function<void()> answer)
    {
        // Posting under the lock: the target cannot be destroyed in between, and a posted
        // call is dropped with it.
        std::scoped_lock locker(m_lock);
        if (!m_target)
            return;
        m_answers.push_back(std::move(answer));
        QMetaObject::invokeMethod(m_target, "takeAnswers", Qt::QueuedConnection);
    }
    std::deque<std::function<void()>> take()
    {
        std::scoped_lock locker(m_lock);
        return std::exchange(m_answers, {});
    }

private:
    std::mutex m_lock;
    QObject *m_target;
    std::deque<std::function<void()>> m_answers;
};

QuilloDeviceObserver::QuilloDeviceObserver(QObject *parent, Role role)
    : QObject(parent)
    , m_role(role)
    , m_relay(std::make_shared<AnswerRelay>(this))
{
    qRegisterMetaType<Nivo::Point>();
    m_timer.setInterval(10000);
    if (!connect(&m_timer, &QTimer::timeout, this, &QuilloDeviceObserver::timerTick))
        debugTrace(" connect timer failed");
    DeviceManager::instance().addObserver(this);
}

QuilloDeviceObserver::~QuilloDeviceObserver()
{
    m_relay->forget();
    DeviceManager::instance().removeObserver(this);
    QMutexLocker locker(&m_lock);
    m_timer.stop();
}

void QuilloDeviceObserver::setArrivalDelay(std::chrono::milliseconds delay)
{
    QMutexLocker locker(&m_lock);
    m_timer.setInterval(delay);
}

void QuilloDeviceObserver::deviceArrived(Device *device)
{
    QMutexLocker locker(&m_lock);
    if (m_role == Role::Preparing)
        m_timer.start();
    m_present = true;
    m_device = device;
    ++m_generation;
}

void QuilloDeviceObserver::adoptDevice(Device *device)
{
    QMutexLocker locker(&m_lock);
    m_present = device != nullptr;
    m_device = device;
    ++m_generation;
}

void QuilloDeviceObserver::deviceRemoved(Device *)
{
    {
        QMutexLocker locker(&m_lock);
        m_present = false;
        m_device = nullptr;
        ++m_generation;
        m_timer.stop();
    }
    emit HIDDeviceUnplugSgnl(QStringLiteral("QuilloDeviceObserver::handleDeviceRemoved"));
}

void QuilloDeviceObserver::pointReceived(const Nivo::Point &point)
{
    emit updateNivoPointSgnl(point);
}

void QuilloDeviceObserver::volumeMounted(const std::string &root)
{
    // The first announcement wins until its volume is found gone.
    if (!m_drive.isEmpty())
        return;
    m_drive = QString::fromStdString(root);
    emit DiscVolumeMountedSgnl(m_drive);
}

void QuilloDeviceObserver::volumeCheck()
{
    if (m_drive.isEmpty())
        return;
    if (DeviceManager::instance().isVolumeReachable(m_drive.toStdString()))
        return;
    const QString gone = m_drive;
    m_drive.clear();
    emit DiscVolumeUnMountedSgnl(gone);
}

QString QuilloDeviceObserver::drive() const
{
    return m_drive;
}

void QuilloDeviceObserver::timerTick()
{
    {
        QMutexLocker locker(&m_lock);
        if (!m_present)
            return;
        debugTrace("QuilloDeviceObserver :: timerTick");
        m_timer.stop();
    }
    initDeviceAfterTimeout();
}

void QuilloDeviceObserver::initDeviceAfterTimeout()
{
    // The event is reported and the receiver announced only after every exchange is done,
    // so that a message box opened from these signals never runs beside them.
    exchange<std::optional<unsigned int>>(
        [](Device *device) -> std::optional<unsigned int> {
            device->applyRestingMode();
            ProtocolHandler handler(device);
            unsigned int code = 0;
            const bool read = handler.getEvent(code);
            (void)handler.clearEvent();
            (void)handler.checkLink();
            return read ? std::optional(code) : std::nullopt;
        },
        [this](bool present, const std::optional<unsigned int> &code) {
            if (!present)
                return;
            if (code)
                emit sendLastErrorMsgSgnl(eventText(*code));
            // A message box opened for the event runs events: the receiver may be gone now.
            if (!isPresent())
                return;
            emit HIDDevicePlugSgnl(
                QStringLiteral("QuilloDeviceObserver::handleDeviceInsertedSlot()"));
        });
}

Device *QuilloDeviceObserver::presentDevice() const
{
    QMutexLocker locker(&m_lock);
    return m_present ? m_device : nullptr;
}

template<typename Result>
void QuilloDeviceObserver::exchange(std::function<Result(Device *)> work,
                                    std::function<void(bool present, const Result &)> answer)
{
    Device *device = nullptr;
    quint64 generation = 0;
    {
        QMutexLocker locker(&m_lock);
        if (m_present) {
            device = m_device;
            generation = m_generation;
        }
    }
    if (!device) {
        QMetaObject::invokeMethod(
            this, [answer] { answer(false, Result {}); }, Qt::QueuedConnection);
        return;
    }
    std::shared_ptr<AnswerRelay> relay = m_relay;
    device->post(
        [this, device, generation, relay, work = std::move(work), answer = std::move(answer)] {
            Result result = work(device);
            relay->deliver([this, generation, answer, result = std::move(result)] {
                bool samePresent = false;
                {
                    QMutexLocker locker(&m_lock);
                    samePresent = m_present && m_generation == generation;
                }
                answer(samePresent, samePresent ? result : Result {});
            });
        });
}

void QuilloDeviceObserver::requestBatteryStatus()
{
    exchange<std::optional<unsigned int>>(
        [](Device *device) -> std::optional<unsigned int> {
            unsigned int state = 0;
            if (ProtocolHandler(device).getBatteryState(state))
                return state;
            return std::nullopt;
        },
        [this](bool present, const std::optional<unsigned int> &state) {
            const bool ok = present && state;
            m_lastBatteryText = ok ? batteryStateText(*state) : QString();
            emit batteryStatusRead(ok, ok ? *state : 0, m_lastBatteryText);
        });
}

void QuilloDeviceObserver::requestReceiverClock(const QDateTime &dateTime)
{
    if (!dateTime.isValid()) {
        QMetaObject::invokeMethod(
            this, [this] { emit receiverClockWritten(false); }, Qt::QueuedConnection);
        return;
    }
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    exchange<bool>(
        [date, time](Device *device) {
            return ProtocolHandler(device).setClock(
                static_cast<std::uint16_t>(date.year()), static_cast<unsigned char>(date.month()),
                static_cast<unsigned char>(date.day()), static_cast<unsigned char>(time.hour()),
                static_cast<unsigned char>(time.minute()),
                static_cast<unsigned char>(time.second()));
        },
        [this](bool present, const bool &ok) { emit receiverClockWritten(present && ok); });
}

void QuilloDeviceObserver::requestClickThresholdWrite(quint16 value)
{
    exchange<bool>(
        [value](Device *device) { return ProtocolHandler(device).setClickThreshold(value); },
        [this](bool present, const bool &ok) { emit clickThresholdWritten(present && ok); });
}

void QuilloDeviceObserver::requestClickThreshold()
{
    exchange<std::optional<quint16>>(
        [](Device *device) -> std::optional<quint16> {
            std::uint16_t value = 0;
            if (ProtocolHandler(device).getClickThreshold(value))
                return value;
            return std::nullopt;
        },
        [this](bool present, const std::optional<quint16> &value) {
            emit clickThresholdRead(present && value, value.value_or(0));
        });
}

void QuilloDeviceObserver::requestFirmwareVersion()
{
    exchange<std::optional<std::string>>(
        [](Device *device) -> std::optional<std::string> {
            std::string text;
            if (ProtocolHandler(device).getFirmwareVersion(text))
                return text;
            return std::nullopt;
        },
        [this](bool present, const std::optional<std::string> &text) {
            const bool ok = present && text;
            emit firmwareVersionRead(ok, ok ? QString::fromStdString(*text) : QString());
        });
}

void QuilloDeviceObserver::requestLiveMode(bool on)
{
    exchange<bool>(
        [this, on](Device *device) {
            if (on)
                device->startOnlineMode(this);
            else
                device->stopOnlineMode();
            return device->onlineObserver() == this;
        },
        [this](bool present, const bool &running) {
            if (present)
                emit liveModeChanged(running);
        });
}

void QuilloDeviceObserver::takeAnswers()
{
    for (const std::function<void()> &answer : m_relay->take())
        answer();
}

bool QuilloDeviceObserver::isPresent() const
{
    QMutexLocker locker(&m_lock);
    return m_present;
}
