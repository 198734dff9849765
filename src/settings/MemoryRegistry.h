// A registry held in memory: a Wine prefix's registry files are read into one, tests build one.
#pragma once

#include "settings/RegistryReader.h"

#include <QHash>

/// Keys of HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER. HKEY_CLASSES_ROOT is their merged
/// "Software\Classes" keys, the user's values first. On a 64-bit system the 32-bit view of
/// "Software\X" under HKEY_LOCAL_MACHINE is "Software\Wow6432Node\X", and that of a classes
/// key "X" is "Wow6432Node\X".
class MemoryRegistry : public RegistryReader
{
public:
    bool is64BitSystem() const override { return m_is64BitSystem; }
    std::optional<RegistryKey> key(RegistryRoot root, const QString &path,
                                   RegistryView view) const override;
    QList<WineDrive> drives() const override { return m_drives; }

    void set64BitSystem(bool is64Bit) { m_is64BitSystem = is64Bit; }
    void setDrives(const QList<WineDrive> &drives) { m_drives = drives; }
    /// Makes the key and every key above it. Classes go where a machine-wide installation
    /// registers them, under HKEY_LOCAL_MACHINE.
    void addKey(RegistryRoot root, const QString &path);
    /// Sets a value of the key, made when missing; an empty name sets its default value.
    void setValue(RegistryRoot root, const QString &path, const QString &name, const QString &data);

private:
    struct Node
    {
        QStringList subkeys;
        QList<RegistryValue> values;
    };
    /// The stored key of a root (LocalMachine or CurrentUser) and a path, as a look-up key.
    static QString storedPath(RegistryRoot root, const QString &path);
    Node &node(RegistryRoot root, const QString &path);
    std::optional<RegistryKey> storedKey(RegistryRoot root, const QString &path) const;

    QHash<QString, Node> m_nodes;
    QList<WineDrive> m_drives;
    bool m_is64BitSystem = true;
};
