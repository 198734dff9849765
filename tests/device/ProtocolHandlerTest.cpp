// The receiver protocol: the exact bytes of every exchange and what is read from answers.
#include "device/ProtocolHandler.h"

#include "DeviceTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

using DeviceTest::feature;
using DeviceTest::RecordingDevice;

TEST(ProtocolHandler, EveryWriteSendsOneReportWithTheseBytesAndReadsNothing)
{
    RecordingDevice device;
    ProtocolHandler handler(&device);
    EXPECT_TRUE(handler.setMode(2));
    EXPECT_TRUE(handler.clearEvent());
    EXPECT_TRUE(handler.setClickThreshold(800));
    // The clock sends year - 2000 in one byte, then month, day, second, minute, hour.
    EXPECT_TRUE(handler.setClock(2000, 1, 2, 3, 4, 5));
    EXPECT_TRUE(handler.setClock(2255, 12, 31, 23, 59, 58));
    EXPECT_TRUE(handler.setClock(2256, 6, 7, 8, 9, 10));
    EXPECT_EQ(device.exchanges.size(), 6u);
    EXPECT_EQ(
        device.writes,
        std::vector<FeatureReport>({
            feature({0x80, 1, 0x03, 1, 2}), feature({0x80, 1, 0x0B, 1, 0}),
            feature({0x80, 1, 0x13, 1, 0x20, 0x03}), feature({0x80, 1, 0x08, 1, 0, 1, 2, 5, 4, 3}),
            feature({0x80, 1, 0x08, 1, 255, 12, 31, 58, 59, 23}),
            feature({0x80, 1, 0x08, 1, 0, 6, 7, 10, 9, 8}), // wraps
        }));
}

TEST(ProtocolHandler, QueriesSendTheQueryReportThenTakeTheValueFromBytesFourAndFive)
{
    // Every answer has a foreign header but for the parameter it names: only that and the
    // value bytes count.
    RecordingDevice device;
    for (unsigned char parameter : {0x01, 0x03, 0x0B, 0x0E, 0x13})
        device.answers.push_back(feature({0x80, 9, parameter, 9, 0x07, 0x50, 0x34, 0x02, 0x01}));
    ProtocolHandler handler(&device);
    std::string firmware;
    unsigned int mode = 0, code = 0, state = 0;
    std::uint16_t threshold = 0;
    EXPECT_TRUE(handler.getFirmwareVersion(firmware) && handler.getMode(mode)
                && handler.getEvent(code) && handler.getBatteryState(state)
                && handler.getClickThreshold(threshold));
    EXPECT_EQ(firmware, "102.345.007");
    EXPECT_EQ(std::vector<unsigned int>({mode, code, state, threshold}),
              std::vector<unsigned int>({7, 7, 7, 0x5007}));
    ASSERT_EQ(device.exchanges.size(), 10u);
    const unsigned char parameters[] = {0x01, 0x03, 0x0B, 0x0E, 0x13};
    for (std::size_t i = 0; i < std::size(parameters); ++i) {
        EXPECT_EQ(device.exchanges[2 * i].report, feature({0x80, 1, 0x0A, 1, 1, parameters[i], 1}));
        EXPECT_FALSE(device.exchanges[2 * i + 1].isWrite);
        EXPECT_EQ(device.exchanges[2 * i + 1].report, feature({0x80})) << "a fresh buffer";
    }
}

TEST(ProtocolHandler, LinkCheckComparesTheWholeAnswerWithTheWrite)
{
    const FeatureReport written = feature({0x80, 1, 0x02, 1, 1});
    RecordingDevice device;
    device.answers.push_back(written);
    EXPECT_TRUE(ProtocolHandler(&device).checkLink());
    EXPECT_EQ(device.exchanges.size(), 3u);
    EXPECT_EQ(device.writes,
              std::vector<FeatureReport>({written, feature({0x80, 1, 0x0A, 1, 1, 0x02, 1})}));
    // A difference anywhere fails, also in the header and in the bytes after the value.
    for (std::size_t index : {1, 3, 4, 5, 32}) {
        FeatureReport answer = written;
        answer[index] ^= 0x40;
        device.answers.push_back(answer);
        EXPECT_FALSE(ProtocolHandler(&device).checkLink()) << "byte " << index;
    }
}

TEST(ProtocolHandler, AFailedWriteNeverReadsAndFailedExchangesLeaveOutValuesAlone)
{
    RecordingDevice device;
    device.failWrites = true;
    device.answers.push_back(feature({0x80, 1, 0x0E, 1, 3}));
    ProtocolHandler handler(&device);
    unsigned int state = 77;
    EXPECT_FALSE(handler.getBatteryState(state));
    EXPECT_FALSE(handler.checkLink());
    EXPECT_EQ(device.exchanges.size(), device.writes.size()) << "nothing read";
    EXPECT_EQ(state, 77u);

    device.failWrites = false;
    device.failReads = true;
    std::uint16_t threshold = 77;
    EXPECT_FALSE(handler.getClickThreshold(threshold));
    EXPECT_FALSE(handler.checkLink());
    EXPECT_EQ(threshold, 77u);

    // An answer about another parameter (a stale battery answer) is no threshold.
    device.failReads = false;
    device.answers.push_back(feature({0x80, 1, 0x0E, 1, 3}));
    EXPECT_FALSE(handler.getClickThreshold(threshold));
    EXPECT_EQ(threshold, 77u);
}
