// The texts the user sees for the receiver's battery states and event codes.
#pragma once

#include <QString>

/// The battery state's text, translated in the context "QuilloDeviceObserver"; states
/// outside 1 to 8 give "Invalid battery state".
QString batteryStateText(unsigned int state);
/// The event code's text (never translated); codes above 7 give "invalid event type".
QString eventText(unsigned int code);
