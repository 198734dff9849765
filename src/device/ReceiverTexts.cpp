// Battery and event texts, looked up by the receiver's codes.
#include "device/ReceiverTexts.h"

#include <QCoreApplication>

#include <iterator>

namespace {

const char *const kBatteryTexts[] = {
    QT_TRANSLATE_NOOP("QuilloDeviceObserver", "Invalid battery state"),
    QT_TRANSLATE_NOOP("QuilloDeviceObserver", "Battery not operational"),
    QT_TRANSLATE_NOOP("QuilloDeviceObserver", "Battery is critically low"),
    QT_TRANSLATE_NOOP("QuilloDeviceObserver", "Battery charging"),
    QT_TRANSLATE_NOOP("QuilloDeviceObserver", "Battery full"),
    QT_TRANSLATE_NOOP("QuilloDeviceObserver", "Not charging low current"),
    QT_TRANSLATE_NOOP(
        "QuilloDeviceObserver",
        "Warning! Your Quillo receiver is not charging. Receiver temperature is too high"),
    QT_TRANSLATE_NOOP(
        "QuilloDeviceObserver",
        "Warning! Your Quillo receiver is not charging. Receiver temperature is too high"),
    QT_TRANSLATE_NOOP(
        "QuilloDeviceObserver",
        "Warning! Your Quillo receiver is not charging. Receiver temperature is too low"),
};

const char *const kEventTexts[] = {
    "no event",
    "Not enough space",
    "Space filled during work",
    "Shut down on time IR out",
    "battery exhausted",
    "too many files",
    "failed to startup - battery low",
    "MAX_NUMBER_OF_NIVO_EVENTS",
};

} // namespace

QString batteryStateText(unsigned int state)
{
    // Index 0 holds the text of every state outside the table.
    const unsigned int index = state < std::size(kBatteryTexts) ? state : 0;
    return QCoreApplication::translate("QuilloDeviceObserver", kBatteryTexts[index]);
}

QString eventText(unsigned int code)
{
    if (code >= std::size(kEventTexts))
        return QStringLiteral("invalid event type");
    return QString::fromLatin1(kEventTexts[code]);
}
