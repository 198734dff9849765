// libFuzzer target: any bytes as the receiver's feature-report answers to every query.
#include "FuzzSupport.h"
#include "device/Device.h"
#include "device/ProtocolHandler.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using FuzzSupport::require;

// A receiver whose answers are the fuzz bytes, one feature report after the other; reads
// fail once they run out. The first byte says which writes fail, one bit per write.
class ReplayingDevice : public Device
{
public:
    ReplayingDevice(const std::uint8_t *data, std::size_t size)
        : Device(1, OpenStatus::Open)
        , m_failedWrites(size > 0 ? data[0] : 0)
        , m_data(size > 0 ? data + 1 : data)
        , m_size(size > 0 ? size - 1 : 0)
    { }

    bool writePacket(const FeatureReport &report) override
    {
        lastWrite = report;
        return (m_failedWrites >> (m_writes++ % 8) & 1) == 0;
    }
    bool readPacket(FeatureReport &report) override
    {
        require(report[0] == kFeatureReportId, "protocol: a read without the report id");
        if (m_size - m_offset < kFeatureReportSize)
            return false;
        std::copy(m_data + m_offset, m_data + m_offset + kFeatureReportSize, report.begin());
        m_offset += kFeatureReportSize;
        lastAnswer = report;
        return true;
    }
    std::string drivePath() override { return {}; }
    void startOnlineMode(DeviceObserverInterface *) override { }
    void stopOnlineMode() override { }
    void resolveDrivePath() override { }
    void clearDrivePath() override { }
    void onlinePoint(const Nivo::Point &) override { }

    /// How many answers have been taken so far.
    std::size_t answersRead() const { return m_offset / kFeatureReportSize; }

    FeatureReport lastWrite {};
    FeatureReport lastAnswer {};

private:
    unsigned m_failedWrites;
    unsigned m_writes = 0;
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_offset = 0;
};

bool isVersionText(const std::string &text)
{
    // Three groups of hexadecimal digits: the first may be four long (a byte above 0x0F).
    const auto firstDot = text.find('.');
    const auto secondDot = text.find('.', firstDot + 1);
    if (firstDot == std::string::npos || secondDot != firstDot + 4 || text.size() != secondDot + 4
        || (firstDot != 3 && firstDot != 4))
        return false;
    return std::all_of(text.begin(), text.end(), [](char c) {
        return c == '.' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
    });
}

// Runs one query of parameter; out keeps its sentinel unless an answer about that parameter
// came, and then holds what the answer's value bytes say.
template<typename Value, typename Query, typename Expected>
void checkQuery(ReplayingDevice &device, unsigned char parameter, Value sentinel, Query query,
                Expected expected, const char *rule)
{
    const std::size_t before = device.answersRead();
    Value value = sentinel;
    const bool answered = query(value);
    const bool answerCame = device.answersRead() == before + 1;
    require(answered == (answerCame && device.lastAnswer[2] == parameter),
            "protocol: a query succeeded without its answer, or failed with one");
    require(answered ? value == expected(device.lastAnswer) : value == sentinel, rule);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ReplayingDevice device(data, size);
    ProtocolHandler handler(&device);

    checkQuery(
        device, ProtocolHandler::FirmwareVersion, std::string("unset"),
        [&](std::string &text) { return handler.getFirmwareVersion(text); },
        [](const FeatureReport &answer) {
            std::string text = ProtocolHandler::firmwareText(answer.data() + 4);
            require(isVersionText(text), "protocol: a firmware text not in the version layout");
            return text;
        },
        "protocol: the firmware text is not the answer's");
    const auto byteFour = [](const FeatureReport &answer) { return unsigned(answer[4]); };
    checkQuery(
        device, ProtocolHandler::Mode, 999u, [&](unsigned &mode) { return handler.getMode(mode); },
        byteFour, "protocol: the mode is not the answer's byte 4");
    checkQuery(
        device, ProtocolHandler::LastEvent, 999u,
        [&](unsigned &code) { return handler.getEvent(code); }, byteFour,
        "protocol: the event is not the answer's byte 4");
    checkQuery(
        device, ProtocolHandler::BatteryState, 999u,
        [&](unsigned &state) { return handler.getBatteryState(state); }, byteFour,
        "protocol: the battery state is not the answer's byte 4");
    checkQuery(
        device, ProtocolHandler::ClickThreshold, std::uint16_t(0xBEEF),
        [&](std::uint16_t &value) { return handler.getClickThreshold(value); },
        [](const FeatureReport &answer) {
            return static_cast<std::uint16_t>(answer[4] | answer[5] << 8);
        },
        "protocol: the click threshold is not the answer's bytes 4 and 5");

    // The link check passes only on an answer equal to the link write, byte for byte.
    const std::size_t before = device.answersRead();
    FeatureReport linkWrite {};
    linkWrite[0] = kFeatureReportId;
    linkWrite[1] = 1;
    linkWrite[2] = ProtocolHandler::LinkCheck;
    linkWrite[3] = 1;
    linkWrite[4] = 1;
    const bool linked = handler.checkLink();
    require(!linked || (device.answersRead() == before + 1 && device.lastAnswer == linkWrite),
            "protocol: the link check passed on an answer that differs from its write");
    require(linked || device.answersRead() == before || device.lastAnswer != linkWrite,
            "protocol: the link check failed on an answer equal to its write");
    return 0;
}
