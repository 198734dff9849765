// The device layer's logging category.
#include "device/DeviceLog.h"

Q_LOGGING_CATEGORY(lcDevice, "draftbay.device")

void debugTrace(const char *text)
{
    qCDebug(lcDevice).noquote() << text;
}

void debugTrace(const QString &text)
{
    qCDebug(lcDevice).noquote() << text;
}
