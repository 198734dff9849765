// Building accepted ids from the settings and matching interfaces against them.
#include "device/ReceiverIdentity.h"

#include "device/DeviceManager.h"
#include "settings/ApplSettings.h"

#include <cstdio>

namespace {

// Only hexadecimal digits after the prefix; no sign, blanks or second prefix slip through.
std::optional<unsigned int> parseHexAttribute(const QString &text)
{
    if (!text.startsWith(QLatin1String("0x")) || text.size() == 2)
        return std::nullopt;
    unsigned int value = 0;
    for (const QChar c : QStringView(text).mid(2)) {
        const int digit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<unsigned int>(digit);
        if (value > 0xFFFF)
            return std::nullopt;
    }
    return value;
}

} // namespace

ReceiverIdentity ReceiverIdentity::factoryDefaults()
{
    return {QStringLiteral("0x1209"), QStringLiteral("0xD3B0"), "QUILLO  ", "DRAFTBAY RECEIVR"};
}

std::optional<ReceiverIdentity> ReceiverIdentity::fromSettings(ApplSettings &settings)
{
    const QString entry = QStringLiteral("hardware/device");
    ReceiverIdentity identity;
    QString vendor;
    QString model;
    if (!settings.getAttribute(entry, QStringLiteral("vid"), identity.vid)
        || !settings.getAttribute(entry, QStringLiteral("pid"), identity.pid)
        || !settings.getAttribute(entry, QStringLiteral("vendor_name"), vendor)
        || !settings.getAttribute(entry, QStringLiteral("model_name"), model))
        return std::nullopt;
    identity.vendorName = vendor.toStdString();
    identity.modelName = model.toStdString();
    return identity;
}

void ReceiverIdentity::applyTo(DeviceManager &manager) const
{
    const auto id = acceptedIdFor(vid, pid);
    manager.setAcceptedIds(id ? QStringList {*id} : QStringList());
    manager.setVendorName(vendorName);
    manager.setModelName(modelName);
}

std::optional<QString> acceptedIdFor(const QString &vid, const QString &pid)
{
    const auto vendorId = parseHexAttribute(vid);
    const auto productId = parseHexAttribute(pid);
    if (!vendorId || !productId)
        return std::nullopt;
    return QString::fromStdString(deviceIdText(*vendorId, *productId));
}

std::string deviceIdText(unsigned int vendorId, unsigned int productId)
{
    char text[32];
    std::snprintf(text, sizeof text, "VID_%04X&PID_%04X", vendorId & 0xFFFF, productId & 0xFFFF);
    return text;
}

bool matchesAcceptedId(const std::string &text, const QStringList &acceptedIds)
{
    const QString haystack = QString::fromStdString(text);
    for (const QString &id : acceptedIds) {
        if (!id.isEmpty() && haystack.contains(id, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
