// How the receiver is recognised: its HID vendor and product numbers and its disc's names.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class ApplSettings;
class DeviceManager;

/// The "hardware/device" settings entry.
struct ReceiverIdentity
{
    QString vid;
    QString pid;
    std::string vendorName;
    std::string modelName;

    /// The values of the factory settings file.
    static ReceiverIdentity factoryDefaults();
    /// Reads the entry; nothing when one of its attributes cannot be read (the store has
    /// then told the user).
    static std::optional<ReceiverIdentity> fromSettings(ApplSettings &settings);

    /// Gives the manager the accepted id (none when vid or pid is unusable) and the names.
    void applyTo(DeviceManager &manager) const;
};

/// The accepted id for "vid" and "pid" attributes such as "0x123" and "0x4B0":
/// "VID_0123&PID_04B0", four upper-case hexadecimal digits each. Nothing when either lacks
/// the "0x" prefix (case-sensitive) or is not a hexadecimal number below 0x10000.
std::optional<QString> acceptedIdFor(const QString &vid, const QString &pid);

/// The id text of an interface with these numbers, in the form accepted ids take.
std::string deviceIdText(unsigned int vendorId, unsigned int productId);

/// Whether text contains one of the ids, compared without regard to case.
bool matchesAcceptedId(const std::string &text, const QStringList &acceptedIds);
