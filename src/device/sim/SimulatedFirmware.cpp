// Report by report, what the receiver's firmware does with each parameter.
#include "device/sim/SimulatedFirmware.h"

#include "device/ProtocolHandler.h"

#include <QDate>
#include <QTime>

#include <algorithm>

bool SimulatedFirmware::setFeature(const FeatureReport &report)
{
    if (report[0] != kFeatureReportId || report[1] != 1 || report[3] != 1)
        return false;
    const unsigned char *value = report.data() + 4;
    switch (report[2]) {
    case ProtocolHandler::Query:
        return value[0] == 1 && value[2] == 1 && prepareAnswer(value[1]);
    case ProtocolHandler::LinkCheck:
        std::copy(value, report.data() + report.size(), m_state.link.begin());
        return true;
    case ProtocolHandler::Mode:
        if (value[0] != 1 && value[0] != 2 && value[0] != ProtocolHandler::kLiveMode)
            return false;
        m_state.mode = value[0];
        return true;
    case ProtocolHandler::RealTimeClock: {
        const Clock clock {2000 + value[0], value[1], value[2], value[5], value[4], value[3]};
        if (!isValidClock(clock))
            return false;
        m_state.clock = clock;
        return true;
    }
    case ProtocolHandler::LastEvent:
        // Events can only be cleared, never made up by the host.
        if (value[0] != 0)
            return false;
        m_state.lastEvent = 0;
        return true;
    case ProtocolHandler::ClickThreshold:
        m_state.clickThreshold = static_cast<std::uint16_t>(value[0] + 256 * value[1]);
        return true;
    default:
        return false;
    }
}

bool SimulatedFirmware::prepareAnswer(unsigned char parameter)
{
    FeatureReport answer {};
    answer[0] = kFeatureReportId;
    answer[1] = 1;
    answer[2] = parameter;
    answer[3] = 1;
    unsigned char *value = answer.data() + 4;
    switch (parameter) {
    case ProtocolHandler::FirmwareVersion:
        std::copy(m_state.firmware.begin(), m_state.firmware.end(), value);
        break;
    case ProtocolHandler::LinkCheck:
        std::copy(m_state.link.begin(), m_state.link.end(), value);
        break;
    case ProtocolHandler::Mode:
        value[0] = static_cast<unsigned char>(m_state.mode);
        break;
    case ProtocolHandler::LastEvent:
        value[0] = static_cast<unsigned char>(m_state.lastEvent);
        break;
    case ProtocolHandler::BatteryState:
        value[0] = static_cast<unsigned char>(m_state.batteryState);
        break;
    case ProtocolHandler::ClickThreshold:
        value[0] = static_cast<unsigned char>(m_state.clickThreshold & 0xFF);
        value[1] = static_cast<unsigned char>(m_state.clickThreshold >> 8);
        break;
    default:
        return false;
    }
    m_answer = answer;
    return true;
}

void SimulatedFirmware::getFeature(FeatureReport &report) const
{
    report = m_answer;
}

void SimulatedFirmware::powerOn()
{
    m_state.mode = 1;
    m_answer = FeatureReport {kFeatureReportId};
}

bool SimulatedFirmware::isValidClock(const Clock &clock)
{
    return QDate::isValid(clock.year, clock.month, clock.day)
        && QTime::isValid(clock.hour, clock.minute, clock.second);
}
