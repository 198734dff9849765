// The simulated receiver's state, its exchanges and its paced stream of live reports.
#include "device/sim/SimulatedReceiver.h"

#include "device/ProtocolHandler.h"

#include <QDateTime>
#include <QDir>
#include <QSettings>

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

const QString kKeyBattery = QStringLiteral("battery_state");
const QString kKeyEvent = QStringLiteral("last_event");
const QString kKeyThreshold = QStringLiteral("click_threshold");
const QString kKeyClock = QStringLiteral("clock");
const QString kKeyPlugged = QStringLiteral("plugged");
const QString kKeyMounted = QStringLiteral("volume_mounted");
const QString kKeyDenied = QStringLiteral("open_denied");

QString clockText(const std::optional<SimulatedFirmware::Clock> &clock)
{
    if (!clock)
        return QString();
    return QStringLiteral("%1-%2-%3T%4:%5:%6")
        .arg(clock->year, 4, 10, QLatin1Char('0'))
        .arg(clock->month, 2, 10, QLatin1Char('0'))
        .arg(clock->day, 2, 10, QLatin1Char('0'))
        .arg(clock->hour, 2, 10, QLatin1Char('0'))
        .arg(clock->minute, 2, 10, QLatin1Char('0'))
        .arg(clock->second, 2, 10, QLatin1Char('0'));
}

std::optional<SimulatedFirmware::Clock> clockFromText(const QString &text)
{
    const QDateTime when = QDateTime::fromString(text, Qt::ISODate);
    if (!when.isValid())
        return std::nullopt;
    return SimulatedFirmware::Clock {when.date().year(),   when.date().month(),
                                     when.date().day(),    when.time().hour(),
                                     when.time().minute(), when.time().second()};
}

} // namespace

SimulatedReceiver::SimulatedReceiver(const QString &volumeDir)
    : m_volumeDir(QDir(volumeDir).absolutePath())
    , m_wakeEvent(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{ }

SimulatedReceiver::~SimulatedReceiver()
{
    if (m_wakeEvent >= 0)
        ::close(m_wakeEvent);
}

void SimulatedReceiver::persistIn(const QString &stateFile)
{
    std::scoped_lock locker(m_lock);
    m_store = std::make_unique<QSettings>(stateFile, QSettings::IniFormat);
    load();
}

void SimulatedReceiver::load()
{
    SimulatedFirmware::State &state = m_firmware.state();
    state.batteryState = m_store->value(kKeyBattery, state.batteryState).toUInt();
    state.lastEvent = m_store->value(kKeyEvent, state.lastEvent).toUInt();
    state.clickThreshold
        = static_cast<std::uint16_t>(m_store->value(kKeyThreshold, state.clickThreshold).toUInt());
    state.clock = clockFromText(m_store->value(kKeyClock).toString());
    m_plugged = m_store->value(kKeyPlugged, m_plugged).toBool();
    m_volumeMounted = m_store->value(kKeyMounted, m_volumeMounted).toBool();
    m_openDenied = m_store->value(kKeyDenied, m_openDenied).toBool();
}

void SimulatedReceiver::save()
{
    if (!m_store)
        return;
    const SimulatedFirmware::State &state = m_firmware.state();
    m_store->setValue(kKeyBattery, state.batteryState);
    m_store->setValue(kKeyEvent, state.lastEvent);
    m_store->setValue(kKeyThreshold, state.clickThreshold);
    m_store->setValue(kKeyClock, clockText(state.clock));
    m_store->setValue(kKeyPlugged, m_plugged);
    m_store->setValue(kKeyMounted, m_volumeMounted);
    m_store->setValue(kKeyDenied, m_openDenied);
    m_store->sync();
}

void SimulatedReceiver::setListener(Listener listener)
{
    std::scoped_lock locker(m_lock);
    m_listener = std::move(listener);
}

void SimulatedReceiver::notify(Event event)
{
    // The listener only posts the event to its own thread, so calling it under the lock
    // cannot come back here.
    if (m_listener)
        m_listener(event);
}

void SimulatedReceiver::wake()
{
    const std::uint64_t one = 1;
    if (m_wakeEvent >= 0)
        (void)!::write(m_wakeEvent, &one, sizeof one);
}

void SimulatedReceiver::plug()
{
    std::scoped_lock locker(m_lock);
    if (m_plugged)
        return;
    m_plugged = true;
    ++m_generation;
    m_firmware.powerOn();
    m_lastMode = m_firmware.state().mode;
    save();
    notify(Event::Plugged);
}

void SimulatedReceiver::unplug()
{
    std::scoped_lock locker(m_lock);
    disconnect();
}

void SimulatedReceiver::disconnect()
{
    if (!m_plugged)
        return;
    m_plugged = false;
    m_writesBeforeUnplug = 0;
    save();
    wake();
    notify(Event::Unplugged);
}

bool SimulatedReceiver::isPlugged() const
{
    std::scoped_lock locker(m_lock);
    return m_plugged;
}

void SimulatedReceiver::mountVolume()
{
    std::scoped_lock locker(m_lock);
    if (m_volumeMounted)
        return;
    m_volumeMounted = true;
    save();
    notify(Event::VolumeMounted);
}

void SimulatedReceiver::unmountVolume()
{
    std::scoped_lock locker(m_lock);
    if (!m_volumeMounted)
        return;
    m_volumeMounted = false;
    save();
    notify(Event::VolumeUnmounted);
}

bool SimulatedReceiver::isVolumeMounted() const
{
    std::scoped_lock locker(m_lock);
    return m_volumeMounted;
}

std::string SimulatedReceiver::volumeRoot() const
{
    return (m_volumeDir.endsWith(QLatin1Char('/')) ? m_volumeDir : m_volumeDir + QLatin1Char('/'))
        .toStdString();
}

std::string SimulatedReceiver::interfacePath() const
{
    return "simulated:" + m_volumeDir.toStdString();
}

void SimulatedReceiver::setBatteryState(unsigned int state)
{
    std::scoped_lock locker(m_lock);
    m_firmware.state().batteryState = state;
    save();
}

void SimulatedReceiver::setLastEvent(unsigned int code)
{
    std::scoped_lock locker(m_lock);
    m_firmware.state().lastEvent = code;
    save();
}

void SimulatedReceiver::setFault(Fault fault)
{
    std::scoped_lock locker(m_lock);
    m_fault = fault;
}

void SimulatedReceiver::unplugAfterFeatureWrites(int count)
{
    std::scoped_lock locker(m_lock);
    m_writesBeforeUnplug = count;
}

void SimulatedReceiver::setOpenDenied(bool denied)
{
    std::scoped_lock locker(m_lock);
    m_openDenied = denied;
    save();
}

bool SimulatedReceiver::isOpenDenied() const
{
    std::scoped_lock locker(m_lock);
    return m_openDenied;
}

SimulatedFirmware::State SimulatedReceiver::state() const
{
    std::scoped_lock locker(m_lock);
    return m_firmware.state();
}

void SimulatedReceiver::queueInputReport(const InputReport &report)
{
    std::scoped_lock locker(m_lock);
    m_queued.push_back(report);
    wake();
}

void SimulatedReceiver::setReplayEnabled(bool enabled)
{
    std::scoped_lock locker(m_lock);
    m_replayEnabled = enabled;
    wake();
}

void SimulatedReceiver::setReplayGapCap(std::chrono::milliseconds cap)
{
    std::scoped_lock locker(m_lock);
    m_replayGapCap = cap;
}

unsigned int SimulatedReceiver::generation() const
{
    std::scoped_lock locker(m_lock);
    return m_generation;
}

bool SimulatedReceiver::isConnected(unsigned int generation) const
{
    std::scoped_lock locker(m_lock);
    return m_plugged && generation == m_generation;
}

bool SimulatedReceiver::setFeature(unsigned int generation, const FeatureReport &report)
{
    std::scoped_lock locker(m_lock);
    if (!m_plugged || generation != m_generation || m_fault == Fault::FeatureWrites
        || m_fault == Fault::All)
        return false;
    if (!m_firmware.setFeature(report))
        return false;
    const unsigned int mode = m_firmware.state().mode;
    if (mode == ProtocolHandler::kLiveMode && m_lastMode != mode) {
        // Each time live mode begins, the replay starts from the sketch's first point.
        m_replayPosition = 0;
        m_nextReplayDue = std::chrono::steady_clock::now();
    }
    if (mode != m_lastMode)
        wake();
    m_lastMode = mode;
    if (report[2] != ProtocolHandler::Query)
        save();
    if (m_writesBeforeUnplug > 0 && --m_writesBeforeUnplug == 0)
        disconnect();
    return true;
}

bool SimulatedReceiver::getFeature(unsigned int generation, FeatureReport &report)
{
    std::scoped_lock locker(m_lock);
    if (!m_plugged || generation != m_generation || m_fault == Fault::FeatureReads
        || m_fault == Fault::All)
        return false;
    m_firmware.getFeature(report);
    return true;
}

std::optional<InputReport> SimulatedReceiver::nextLiveReport(std::chrono::milliseconds &wait,
                                                             bool &needReplay)
{
    using namespace std::chrono;
    wait = milliseconds(-1);
    if (m_firmware.state().mode != ProtocolHandler::kLiveMode)
        return std::nullopt;
    if (!m_queued.empty()) {
        const InputReport report = m_queued.front();
        m_queued.pop_front();
        return report;
    }
    if (!m_replayEnabled)
        return std::nullopt;
    if (!m_replay) {
        needReplay = true;
        return std::nullopt;
    }
    const std::vector<PenReplay::Step> &steps = m_replay->steps();
    if (steps.empty())
        return std::nullopt;
    const auto now = steady_clock::now();
    if (now < m_nextReplayDue) {
        wait = ceil<milliseconds>(m_nextReplayDue - now);
        return std::nullopt;
    }
    const PenReplay::Step &step = steps[m_replayPosition];
    // After the last point the sketch starts over, following the longest pause.
    const bool last = m_replayPosition + 1 == steps.size();
    const milliseconds delay
        = last ? m_replayGapCap : std::min(milliseconds(step.delayMs), m_replayGapCap);
    m_replayPosition = last ? 0 : m_replayPosition + 1;
    // Keeps the pen file's pace; a reader that fell far behind starts afresh instead of
    // receiving a burst.
    m_nextReplayDue = std::max(m_nextReplayDue + delay, now - m_replayGapCap);
    return step.report;
}

HidConnection::ReadResult SimulatedReceiver::readInput(unsigned int generation, InputReport &report,
                                                       int stopFd)
{
    for (;;) {
        std::chrono::milliseconds wait {-1};
        bool needReplay = false;
        {
            std::scoped_lock locker(m_lock);
            if (!m_plugged || generation != m_generation)
                return HidConnection::ReadResult::Failed;
            if (auto next = nextLiveReport(wait, needReplay)) {
                report = *next;
                return HidConnection::ReadResult::Report;
            }
        }
        if (needReplay) {
            // Read outside the lock: a large sketch must not hold up feature exchanges.
            PenReplay replay;
            if (!replay.load(m_volumeDir))
                replay = PenReplay();
            std::scoped_lock locker(m_lock);
            if (!m_replay)
                m_replay = std::move(replay);
            continue;
        }
        pollfd fds[2] = {{stopFd, POLLIN, 0}, {m_wakeEvent, POLLIN, 0}};
        const int timeout
            = wait.count() < 0 ? -1 : static_cast<int>(std::min<long long>(wait.count(), 60000));
        if (::poll(fds, 2, timeout) < 0 && errno != EINTR)
            return HidConnection::ReadResult::Failed;
        if (fds[0].revents != 0)
            return HidConnection::ReadResult::Stopped;
        if (fds[1].revents & POLLIN) {
            std::uint64_t count = 0;
            (void)!::read(m_wakeEvent, &count, sizeof count);
        }
    }
}
