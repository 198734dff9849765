// receiver status|set-clock|threshold|event|live: the receiver without a window.
#include "Commands.h"
#include "Json.h"
#include "device/Device.h"
#include "device/DeviceManager.h"
#include "device/DeviceObserverInterface.h"
#include "device/HidDevice.h"
#include "device/ProtocolHandler.h"
#include "device/ReceiverIdentity.h"
#include "device/ReceiverTexts.h"
#include "ink/Point.h"
#include "ink/TextCodec.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <QTimer>

#include <charconv>
#include <csignal>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace Cli {

namespace {

const char kReceiverUsage[] = "receiver status | set-clock [ISO-DATETIME] | threshold [VALUE] | "
                              "event | live [--seconds N]";

// What the device manager reports while a command runs. Points arrive on the live-mode
// thread and are printed there, one JSON line each.
class CliObserver : public DeviceObserverInterface
{
public:
    void deviceArrived(Device *arrived) override { device = arrived; }
    void deviceRemoved(Device *) override
    {
        device = nullptr;
        removed = true;
        QCoreApplication::quit();
    }
    void pointReceived(const Nivo::Point &point) override
    {
        std::string line = "{\"x\": ";
        Nivo::appendExactDouble(line, point.x.value());
        line += ", \"y\": ";
        Nivo::appendExactDouble(line, point.y.value());
        line += ", \"pressure\": ";
        Nivo::appendInteger(line, point.pressure.value());
        line += ", \"xtilt\": ";
        Nivo::appendInteger(line, point.xtilt.value());
        line += ", \"ytilt\": ";
        Nivo::appendInteger(line, point.ytilt.value());
        line += "}\n";
        std::fputs(line.c_str(), stdout);
        std::fflush(stdout);
        ++points;
    }
    void volumeMounted(const std::string &) override { }
    void volumeCheck() override { }

    Device *device = nullptr;
    bool removed = false;
    long points = 0;
};

// One command's view of the receiver: opened on construction, let go on destruction.
class Session
{
public:
    Session()
    {
        // The device layer's traces are for debugging the program, not for its users;
        // QT_LOGGING_RULES can bring them back.
        QLoggingCategory::setFilterRules(QStringLiteral("draftbay.device.debug=false"));
        DeviceManager &manager = DeviceManager::instance();
        ReceiverIdentity::factoryDefaults().applyTo(manager);
        manager.setObserver(&m_observer);
        manager.start();
    }
    ~Session()
    {
        DeviceManager &manager = DeviceManager::instance();
        manager.setObserver(nullptr);
        manager.shutdown();
    }

    /// The usable receiver, or null after saying on standard error why there is none.
    Device *receiver() const
    {
        const DeviceManager &manager = DeviceManager::instance();
        Device *device = m_observer.device;
        const std::string backend = manager.backend() ? manager.backend()->name() : "no";
        if (!device) {
            const ReceiverIdentity identity = ReceiverIdentity::factoryDefaults();
            const QString id = acceptedIdFor(identity.vid, identity.pid).value_or(QString());
            printError("no Quillo receiver found: no HID interface with " + id.toStdString() + " ("
                       + backend + " backend). Is it plugged in?");
            return nullptr;
        }
        if (device->openStatus() == OpenStatus::PermissionDenied) {
            printError("no permission to open the receiver's interface " + manager.devicePath()
                       + ".\nInstall the udev rule that gives the logged-in user access:\n"
                         "  sudo cp packaging/70-quillo-receiver.rules /etc/udev/rules.d/\n"
                         "  sudo udevadm control --reload && sudo udevadm trigger\n"
                         "then plug the receiver in again.");
            return nullptr;
        }
        if (device->openStatus() != OpenStatus::Open) {
            printError("the receiver's interface " + manager.devicePath() + " could not be opened");
            return nullptr;
        }
        return device;
    }
    CliObserver &observer() { return m_observer; }

private:
    CliObserver m_observer;
};

// A value only when its query was answered; null otherwise.
void appendIntegerIf(std::string &out, bool answered, long value)
{
    if (answered)
        Nivo::appendInteger(out, value);
    else
        out += "null";
}

void appendStringIf(std::string &out, bool answered, const std::string &text)
{
    if (answered)
        appendJsonString(out, text);
    else
        out += "null";
}

bool printLine(const std::string &line)
{
    return std::fputs(line.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
}

int runStatus(Session &session)
{
    Device *device = session.receiver();
    if (!device) {
        printLine("{\"present\": false}\n");
        return ExitFailed;
    }
    ProtocolHandler handler(device);
    std::string firmware;
    unsigned int battery = 0, mode = 0;
    std::uint16_t threshold = 0;
    const bool hasFirmware = handler.getFirmwareVersion(firmware);
    const bool hasBattery = handler.getBatteryState(battery);
    const bool hasMode = handler.getMode(mode);
    const bool hasThreshold = handler.getClickThreshold(threshold);
    const std::string volume = DeviceManager::instance().findReceiverVolume();

    std::string line = "{\"present\": true, \"firmware\": ";
    appendStringIf(line, hasFirmware, firmware);
    line += ", \"battery_state\": ";
    appendIntegerIf(line, hasBattery, battery);
    line += ", \"battery_text\": ";
    appendStringIf(line, hasBattery, batteryStateText(battery).toStdString());
    line += ", \"mode\": ";
    appendIntegerIf(line, hasMode, mode);
    line += ", \"click_threshold\": ";
    appendIntegerIf(line, hasThreshold, threshold);
    line += ", \"volume_root\": ";
    appendStringIf(line, !volume.empty(), volume);
    line += "}\n";
    if (!printLine(line))
        return ExitFailed;
    if (!hasFirmware || !hasBattery || !hasMode || !hasThreshold) {
        printError("the receiver did not answer every query (null values above)");
        return ExitFailed;
    }
    return ExitOk;
}

int runSetClock(Session &session, const QDateTime &when)
{
    Device *device = session.receiver();
    if (!device)
        return ExitFailed;
    const QDate date = when.date();
    const QTime time = when.time();
    if (!ProtocolHandler(device).setClock(
            static_cast<std::uint16_t>(date.year()), static_cast<unsigned char>(date.month()),
            static_cast<unsigned char>(date.day()), static_cast<unsigned char>(time.hour()),
            static_cast<unsigned char>(time.minute()), static_cast<unsigned char>(time.second()))) {
        printError("the receiver did not take the clock setting");
        return ExitFailed;
    }
    std::string line = "{\"clock\": ";
    appendJsonString(line, when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toStdString());
    line += "}\n";
    return printLine(line) ? ExitOk : ExitFailed;
}

int runThreshold(Session &session, std::optional<std::uint16_t> newValue)
{
    Device *device = session.receiver();
    if (!device)
        return ExitFailed;
    ProtocolHandler handler(device);
    if (newValue && !handler.setClickThreshold(*newValue)) {
        printError("the receiver did not take the click threshold");
        return ExitFailed;
    }
    std::uint16_t value = 0;
    if (!handler.getClickThreshold(value)) {
        printError("the receiver did not report its click threshold");
        return ExitFailed;
    }
    std::string line = "{\"click_threshold\": ";
    Nivo::appendInteger(line, static_cast<unsigned int>(value));
    line += "}\n";
    if (!printLine(line))
        return ExitFailed;
    if (newValue && value != *newValue) {
        printError("the receiver kept a different click threshold than the one sent");
        return ExitFailed;
    }
    return ExitOk;
}

int runEvent(Session &session)
{
    Device *device = session.receiver();
    if (!device)
        return ExitFailed;
    ProtocolHandler handler(device);
    unsigned int code = 0;
    if (!handler.getEvent(code)) {
        printError("the receiver did not report its last event");
        return ExitFailed;
    }
    const bool cleared = handler.clearEvent();
    std::string line = "{\"event\": ";
    Nivo::appendInteger(line, code);
    line += ", \"text\": ";
    appendJsonString(line, eventText(code).toStdString());
    line += cleared ? ", \"cleared\": true}\n" : ", \"cleared\": false}\n";
    if (!printLine(line))
        return ExitFailed;
    if (!cleared)
        printError("the receiver did not clear its last event");
    return cleared ? ExitOk : ExitFailed;
}

int g_signalPipe[2] = {-1, -1};

void handleStopSignal(int)
{
    const char byte = 1;
    (void)!::write(g_signalPipe[1], &byte, 1);
}

int runLive(Session &session, int seconds)
{
    Device *device = session.receiver();
    if (!device)
        return ExitFailed;
    auto *hidDevice = dynamic_cast<HidDevice *>(device);
    device->startOnlineMode(&session.observer());
    if (!hidDevice || !hidDevice->isReadingLive()) {
        printError("the receiver did not switch to live mode");
        device->stopOnlineMode();
        return ExitFailed;
    }
    // Ctrl-C ends the stream like the time limit does, so the receiver gets its resting
    // mode back.
    std::optional<QSocketNotifier> stopRequests;
    if (::pipe(g_signalPipe) == 0) {
        stopRequests.emplace(g_signalPipe[0], QSocketNotifier::Read);
        QObject::connect(&*stopRequests, &QSocketNotifier::activated,
                         [] { QCoreApplication::quit(); });
        std::signal(SIGINT, handleStopSignal);
        std::signal(SIGTERM, handleStopSignal);
    }
    QTimer::singleShot(seconds * 1000, [] { QCoreApplication::quit(); });
    // The reading ends by itself when the interface fails; no point in waiting then.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [hidDevice] {
        if (!hidDevice->isReadingLive())
            QCoreApplication::quit();
    });
    watch.start(200);
    QCoreApplication::exec();
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    if (session.observer().removed) {
        printError("the receiver was unplugged");
        return ExitFailed;
    }
    const bool endedEarly = !hidDevice->isReadingLive();
    device->stopOnlineMode();
    printError(std::to_string(session.observer().points) + " points");
    if (endedEarly) {
        printError("the receiver stopped sending");
        return ExitFailed;
    }
    return ExitOk;
}

std::optional<long> parseNumber(const std::string &text, long low, long high)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

int runReceiver(const Arguments &arguments)
{
    if (arguments.empty())
        return usageError(std::string("usage: draftbay-cli ") + kReceiverUsage);
    const std::string &command = arguments[0];
    const Arguments rest(arguments.begin() + 1, arguments.end());

    // Arguments are checked before the receiver is touched.
    static char name[] = "draftbay-cli";
    static char *argv[] = {name, nullptr};
    int argc = 1;
    if (command == "status" && rest.empty()) {
        QCoreApplication application(argc, argv);
        Session session;
        return runStatus(session);
    }
    if (command == "set-clock" && rest.size() <= 1) {
        QDateTime when = QDateTime::currentDateTime();
        if (!rest.empty()) {
            when
                = QDateTime::fromString(QString::fromStdString(rest[0]), Qt::ISODate).toLocalTime();
            // The receiver keeps the year as an offset from 2000 in one byte.
            if (!when.isValid() || when.date().year() < 2000 || when.date().year() > 2255)
                return usageError("set-clock: give a date and time from 2000 to 2255 as "
                                  "YYYY-MM-DDTHH:MM:SS, not \""
                                  + rest[0] + "\"");
        }
        QCoreApplication application(argc, argv);
        Session session;
        return runSetClock(session, when);
    }
    if (command == "threshold" && rest.size() <= 1) {
        std::optional<std::uint16_t> value;
        if (!rest.empty()) {
            const auto number = parseNumber(rest[0], 0, 65535);
            if (!number)
                return usageError("threshold: VALUE must be a whole number from 0 to 65535");
            value = static_cast<std::uint16_t>(*number);
        }
        QCoreApplication application(argc, argv);
        Session session;
        return runThreshold(session, value);
    }
    if (command == "event" && rest.empty()) {
        QCoreApplication application(argc, argv);
        Session session;
        return runEvent(session);
    }
    if (command == "live" && (rest.empty() || rest.size() == 2)) {
        int seconds = 10;
        if (!rest.empty()) {
            const auto number
                = rest[0] == "--seconds" ? parseNumber(rest[1], 1, 86400) : std::nullopt;
            if (!number)
                return usageError("live: use --seconds N with N from 1 to 86400");
            seconds = static_cast<int>(*number);
        }
        QCoreApplication application(argc, argv);
        Session session;
        return runLive(session, seconds);
    }
    return usageError(std::string("usage: draftbay-cli ") + kReceiverUsage);
}

} // namespace Cli
