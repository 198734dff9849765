// The registry and the drives of a Wine prefix, read from its files.
#pragma once

#include "settings/MemoryRegistry.h"

#include <memory>

/// system.reg holds HKEY_LOCAL_MACHINE, user.reg HKEY_CURRENT_USER; the drives are the
/// links "dosdevices/<letter>:" (C: is "drive_c" when there are none). The prefix is read
/// once, when it is opened; its files are never written. Lines that cannot be parsed are
/// skipped.
class WineRegistry : public MemoryRegistry
{
public:
    /// Nothing when the prefix holds no system.reg that reads as a Wine registry file.
    static std::unique_ptr<WineRegistry> open(const QString &prefix);
    /// The prefix Wine uses: $WINEPREFIX, else ~/.wine.
    static QString defaultPrefix();

private:
    WineRegistry() = default;
};
