// Diagnostic traces of the device layer, on standard error.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcDevice)

/// One trace line; silenced with QT_LOGGING_RULES="draftbay.device.debug=false".
void debugTrace(const char *text);
void debugTrace(const QString &text);
