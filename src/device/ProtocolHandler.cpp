// Builds the 33-byte feature reports, sends them and takes the values out of the answers.
#include "device/ProtocolHandler.h"

#include "device/Device.h"

#include <cstdio>
#include <initializer_list>
#include <optional>

namespace {

FeatureReport writeReport(unsigned char parameter, std::initializer_list<unsigned char> value)
{
    FeatureReport report {};
    report[0] = kFeatureReportId;
    report[1] = 1;
    report[2] = parameter;
    report[3] = 1;
    std::size_t index = 4;
    for (unsigned char byte : value)
        report[index++] = byte;
    return report;
}

// A query is the write of the query parameter naming the wanted one; the answer comes in
// the layout of a write of the wanted parameter.
std::optional<FeatureReport> query(Device *device, unsigned char parameter)
{
    if (!device->writePacket(writeReport(ProtocolHandler::Query, {1, parameter, 1})))
        return std::nullopt;
    FeatureReport answer {};
    answer[0] = kFeatureReportId;
    if (!device->readPacket(answer))
        return std::nullopt;
    // An answer about another parameter is not this query's: a stale or garbled report.
    if (answer[2] != parameter)
        return std::nullopt;
    return answer;
}

} // namespace

ProtocolHandler::ProtocolHandler(Device *device)
    : m_device(device)
{ }

ProtocolHandler::~ProtocolHandler() = default;

bool ProtocolHandler::setMode(unsigned char mode)
{
    return m_device->writePacket(writeReport(Mode, {mode}));
}

bool ProtocolHandler::getMode(unsigned int &mode)
{
    const auto answer = query(m_device, Mode);
    if (!answer)
        return false;
    mode = (*answer)[4];
    return true;
}

std::string ProtocolHandler::firmwareText(const unsigned char *bytes)
{
    const unsigned r4 = bytes[0], r5 = bytes[1], r6 = bytes[2], r7 = bytes[3], r8 = bytes[4];
    char text[32];
    std::snprintf(text, sizeof text, "%X%X%X.%X%X%X.%X%02X", r8, r7 >> 4, r7 & 0x0F, r6 >> 4,
                  r6 & 0x0F, r5 >> 4, r5 & 0x0F, r4);
    return text;
}

bool ProtocolHandler::getFirmwareVersion(std::string &text)
{
    const auto answer = query(m_device, FirmwareVersion);
    if (!answer)
        return false;
    text = firmwareText(answer->data() + 4);
    return true;
}

bool ProtocolHandler::checkLink()
{
    const FeatureReport written = writeReport(LinkCheck, {1});
    if (!m_device->writePacket(written))
        return false;
    const auto answer = query(m_device, LinkCheck);
    return answer && *answer == written;
}

bool ProtocolHandler::setClock(std::uint16_t year, unsigned char month, unsigned char day,
                               unsigned char hour, unsigned char minute, unsigned char second)
{
    const auto yearByte = static_cast<unsigned char>((year - 2000) & 0xFF);
    return m_device->writePacket(
        writeReport(RealTimeClock, {yearByte, month, day, second, minute, hour}));
}

bool ProtocolHandler::getEvent(unsigned int &code)
{
    const auto answer = query(m_device, LastEvent);
    if (!answer)
        return false;
    code = (*answer)[4];
    return true;
}

bool ProtocolHandler::clearEvent()
{
    return m_device->writePacket(writeReport(LastEvent, {0}));
}

bool ProtocolHandler::getBatteryState(unsigned int &state)
{
    const auto answer = query(m_device, BatteryState);
    if (!answer)
        return false;
    state = (*answer)[4];
    return true;
}

bool ProtocolHandler::setClickThreshold(std::uint16_t value)
{
    return m_device->writePacket(writeReport(
        ClickThreshold,
        {static_cast<unsigned char>(value & 0xFF), static_cast<unsigned char>(value >> 8)}));
}

bool ProtocolHandler::getClickThreshold(std::uint16_t &value)
{
    const auto answer = query(m_device, ClickThreshold);
    if (!answer)
        return false;
    value = static_cast<std::uint16_t>((*answer)[4] + 256 * (*answer)[5]);
    return true;
}
