// The receiver's feature-report protocol: every report layout the program sends and reads.
#pragma once

#include <cstdint>
#include <string>

class Device;

/// Made on the spot around an open device for one or a few exchanges; holds no other
/// state. Every operation is true only when each report of its exchange was sent and, for
/// queries, fetched; out values change only then. An answer counts only when it names the
/// queried parameter; nothing else in it is validated.
/// Exchanges block the calling thread for the device's report delays.
class ProtocolHandler
{
public:
    /// Parameters of the feature reports.
    enum Parameter : unsigned char {
        FirmwareVersion = 0x01,
        LinkCheck = 0x02,
        Mode = 0x03,
        RealTimeClock = 0x08,
        Query = 0x0A,
        LastEvent = 0x0B,
        BatteryState = 0x0E,
        ClickThreshold = 0x13,
    };
    /// Receiver modes: 1 and 2 are resting modes, 4 streams live points.
    static constexpr unsigned char kLiveMode = 4;

    explicit ProtocolHandler(Device *device);

    virtual bool setMode(unsigned char mode);
    virtual bool getMode(unsigned int &mode);
    virtual ~ProtocolHandler();

    /// The version as the receiver's answer spells it, for example "102.345.007".
    bool getFirmwareVersion(std::string &text);
    /// Writes 1 to the link parameter and reads it back; true only when the whole answer
    /// equals the whole write.
    bool checkLink();
    /// The year is sent modulo 256 after taking 2000 off.
    bool setClock(std::uint16_t year, unsigned char month, unsigned char day, unsigned char hour,
                  unsigned char minute, unsigned char second);
    bool getEvent(unsigned int &code);
    bool clearEvent();
    bool getBatteryState(unsigned int &state);
    bool setClickThreshold(std::uint16_t value);
    bool getClickThreshold(std::uint16_t &value);

    /// The version text of a firmware answer's bytes 4 to 8.
    static std::string firmwareText(const unsigned char *answerBytes4To8);

private:
    Device *m_device;
};
