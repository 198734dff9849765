// The simulated receiver's firmware: answers feature reports from its state.
#pragma once

#include "device/Device.h"

#include <array>
#include <cstdint>
#include <optional>

/// Not thread-safe; the simulated receiver guards it.
class SimulatedFirmware
{
public:
    /// The clock as the last write set it: year, month, day, hour, minute, second.
    struct Clock
    {
        int year = 0;
        int month = 0;
        int day = 0;
        int hour = 0;
        int minute = 0;
        int second = 0;
    };

    struct State
    {
        unsigned int mode = 1;
        unsigned int lastEvent = 0;
        unsigned int batteryState = 4;
        std::uint16_t clickThreshold = 800;
        std::optional<Clock> clock;
        /// Bytes 4 to 8 of the version answer; this reads "100.201.004".
        std::array<unsigned char, 5> firmware {0x04, 0x10, 0x20, 0x00, 0x01};
        /// Value bytes last written to the link parameter, echoed by its query.
        std::array<unsigned char, kFeatureReportSize - 4> link {};
    };

    /// A report sent to the receiver. False, as a stalled request, for a report that is
    /// malformed, names a parameter that cannot be written or carries an invalid value.
    bool setFeature(const FeatureReport &report);
    /// The answer to the last query, in the layout of a write of the queried parameter;
    /// before any query, the report id and zeros.
    void getFeature(FeatureReport &report) const;

    State &state() { return m_state; }
    const State &state() const { return m_state; }
    /// Back to the power-on mode, as after being plugged in again.
    void powerOn();

private:
    bool prepareAnswer(unsigned char parameter);
    static bool isValidClock(const Clock &clock);

    State m_state;
    FeatureReport m_answer {kFeatureReportId};
};
