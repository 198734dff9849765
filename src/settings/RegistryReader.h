// The read-only registry look-ups through which Windows drawing applications are found.
#pragma once

#include "settings/InstalledApp.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

/// On a 64-bit system the software of 32-bit programs is registered apart from that of
/// 64-bit programs; a 32-bit system has one view, which both name.
enum class RegistryView { Bits64, Bits32 };

struct RegistryValue
{
    QString name; ///< empty for the key's default value
    QString data; ///< text; a number as decimal digits
};

/// One key as read. Names keep their case; look-ups ignore it, as the registry does.
struct RegistryKey
{
    QStringList subkeys;
    QList<RegistryValue> values;

    /// The value of that name; nothing when the key has none.
    std::optional<QString> value(const QString &name) const;
    std::optional<QString> defaultValue() const { return value(QString()); }
};

class RegistryReader
{
public:
    virtual ~RegistryReader() = default;

    virtual bool is64BitSystem() const = 0;
    /// The key at path, its parts separated by "\"; nothing when it does not exist.
    virtual std::optional<RegistryKey> key(RegistryRoot root, const QString &path,
                                           RegistryView view) const = 0;
    /// The drives through which the registry's paths reach host files when it belongs to a
    /// Wine prefix; empty for the system's own registry, whose paths are host paths.
    virtual QList<WineDrive> drives() const = 0;
};
