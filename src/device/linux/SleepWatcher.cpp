// Subscribing to logind's PrepareForSleep signal.
#include "device/linux/SleepWatcher.h"

#include <QDBusConnection>
#include <QFileInfo>

namespace {

// Asking Qt for a bus that is not there still starts its D-Bus thread; a look at the
// socket first spares that on machines without one (containers, build servers).
bool systemBusMayExist()
{
    return !qEnvironmentVariableIsEmpty("DBUS_SYSTEM_BUS_ADDRESS")
        || QFileInfo::exists(QStringLiteral("/run/dbus/system_bus_socket"))
        || QFileInfo::exists(QStringLiteral("/var/run/dbus/system_bus_socket"));
}

} // namespace

SleepWatcher::SleepWatcher(std::function<void(bool)> handler)
    : m_handler(std::move(handler))
{ }

bool SleepWatcher::connectToLogind()
{
    if (!systemBusMayExist())
        return false;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    // D-Bus signals can only be connected by the slot's name.
    return bus.connect(QStringLiteral("org.freedesktop.login1"),
                       QStringLiteral("/org/freedesktop/login1"),
                       QStringLiteral("org.freedesktop.login1.Manager"),
                       QStringLiteral("PrepareForSleep"), this, SLOT(handlePrepareForSleep(bool)));
}

void SleepWatcher::handlePrepareForSleep(bool sleeping)
{
    if (m_handler)
        m_handler(sleeping);
}
