// The receiver protocol: the exact bytes of every exchange and what is read from answers.
#include "device/ProtocolHandler.h"

#include "DeviceTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using DeviceTest::feature;
using DeviceTest::RecordingDevice;

namespace {

const FeatureReport kQueryPrefix = feature({0x80, 1, 0x0A, 1, 1});

FeatureReport queryOf(unsigned char parameter)
{
    FeatureReport report = kQueryPrefix;
    report[5] = parameter;
    report[6] = 1;
    return report;
}

struct WriteCase
{
    const char *name;
    std::function<bool(ProtocolHandler &)> run;
    FeatureReport expected;
};

class ProtocolWrites : public ::testing::TestWithParam<WriteCase>
{ };

} // namespace

TEST_P(ProtocolWrites, SendsExactlyOneReportWithTheseBytes)
{
    RecordingDevice device;
    ProtocolHandler handler(&device);
    EXPECT_TRUE(GetParam().run(handler));
    ASSERT_EQ(device.exchanges.size(), 1u);
    EXPECT_TRUE(device.exchanges[0].isWrite);
    EXPECT_EQ(device.exchanges[0].report, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWrite, ProtocolWrites,
    ::testing::Values(
        WriteCase {"ModeTwo", [](ProtocolHandler &h) { return h.setMode(2); },
                   feature({0x80, 1, 0x03, 1, 2})},
        WriteCase {"ClearEvent", [](ProtocolHandler &h) { return h.clearEvent(); },
                   feature({0x80, 1, 0x0B, 1, 0})},
        WriteCase {"Threshold800", [](ProtocolHandler &h) { return h.setClickThreshold(800); },
                   feature({0x80, 1, 0x13, 1, 0x20, 0x03})},
        WriteCase {"Clock2010",
                   [](ProtocolHandler &h) { return h.setClock(2010, 5, 17, 14, 3, 9); },
                   feature({0x80, 1, 8, 1, 10, 5, 17, 9, 3, 14})},
        WriteCase {"Clock2000", [](ProtocolHandler &h) { return h.setClock(2000, 1, 2, 3, 4, 5); },
                   feature({0x80, 1, 8, 1, 0, 1, 2, 5, 4, 3})},
        WriteCase {"Clock2255",
                   [](ProtocolHandler &h) { return h.setClock(2255, 12, 31, 23, 59, 58); },
                   feature({0x80, 1, 8, 1, 255, 12, 31, 58, 59, 23})},
        WriteCase {"Clock2256WrapsToZero",
                   [](ProtocolHandler &h) { return h.setClock(2256, 6, 7, 8, 9, 10); },
                   feature({0x80, 1, 8, 1, 0, 6, 7, 10, 9, 8})}),
    [](const ::testing::TestParamInfo<WriteCase> &info) { return std::string(info.param.name); });

TEST(ProtocolHandler, QueriesSendTheQueryReportThenReadIntoAFreshBuffer)
{
    struct Query
    {
        unsigned char parameter;
        std::function<bool(ProtocolHandler &)> run;
    };
    const Query queries[] = {
        {0x01,
         [](ProtocolHandler &h) {
             std::string t;
             return h.getFirmwareVersion(t);
         }},
        {0x03,
         [](ProtocolHandler &h) {
             unsigned m = 0;
             return h.getMode(m);
         }},
        {0x0B,
         [](ProtocolHandler &h) {
             unsigned c = 0;
             return h.getEvent(c);
         }},
        {0x0E,
         [](ProtocolHandler &h) {
             unsigned s = 0;
             return h.getBatteryState(s);
         }},
        {0x13,
         [](ProtocolHandler &h) {
             std::uint16_t v = 0;
             return h.getClickThreshold(v);
         }},
    };
    for (const Query &query : queries) {
        RecordingDevice device;
        device.answers.push_back(feature({0x80, 1, query.parameter, 1}));
        ProtocolHandler handler(&device);
        EXPECT_TRUE(query.run(handler)) << int(query.parameter);
        ASSERT_EQ(device.exchanges.size(), 2u);
        EXPECT_EQ(device.exchanges[0].report, queryOf(query.parameter)) << int(query.parameter);
        EXPECT_FALSE(device.exchanges[1].isWrite);
        EXPECT_EQ(device.exchanges[1].report, feature({0x80})) << int(query.parameter);
    }
}

TEST(ProtocolHandler, BatteryQueryBytesAndAnswer)
{
    RecordingDevice device;
    device.answers.push_back(feature({0x80, 1, 0x0E, 1, 3}));
    unsigned int state = 0;
    EXPECT_TRUE(ProtocolHandler(&device).getBatteryState(state));
    EXPECT_EQ(state, 3u);
    EXPECT_EQ(device.exchanges[0].report, feature({0x80, 1, 0x0A, 1, 1, 0x0E, 1}));
}

TEST(ProtocolHandler, ValuesComeFromBytesFourAndFiveWhateverTheAnswerHeaderSays)
{
    RecordingDevice device;
    ProtocolHandler handler(&device);
    std::uint16_t threshold = 0;
    device.answers.push_back(feature({0x80, 9, 0x55, 9, 0x20, 0x03, 0x77}));
    EXPECT_TRUE(handler.getClickThreshold(threshold));
    EXPECT_EQ(threshold, 800u);

    unsigned int mode = 0, code = 0;
    device.answers.push_back(feature({0, 0, 0, 0, 2, 0xFF}));
    EXPECT_TRUE(handler.getMode(mode));
    EXPECT_EQ(mode, 2u);
    device.answers.push_back(feature({0x80, 1, 0x0B, 1, 4}));
    EXPECT_TRUE(handler.getEvent(code));
    EXPECT_EQ(code, 4u);
}

TEST(ProtocolHandler, FirmwareTextFollowsTheNibbleLayout)
{
    const unsigned char example[] = {0x07, 0x50, 0x34, 0x02, 0x01};
    EXPECT_EQ(ProtocolHandler::firmwareText(example), "102.345.007");
    const unsigned char twoDigitMajor[] = {0, 0, 0, 0, 0x12};
    EXPECT_EQ(ProtocolHandler::firmwareText(twoDigitMajor), "1200.000.000");
    const unsigned char allHigh[] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(ProtocolHandler::firmwareText(allHigh), "FFFF.FFF.FFF");

    RecordingDevice device;
    device.answers.push_back(feature({0x80, 1, 0x01, 1, 0x07, 0x50, 0x34, 0x02, 0x01}));
    std::string text;
    EXPECT_TRUE(ProtocolHandler(&device).getFirmwareVersion(text));
    EXPECT_EQ(text, "102.345.007");
}

TEST(ProtocolHandler, LinkCheckComparesTheWholeAnswerWithTheWrite)
{
    const FeatureReport written = feature({0x80, 1, 0x02, 1, 1});
    {
        RecordingDevice device;
        device.answers.push_back(written);
        EXPECT_TRUE(ProtocolHandler(&device).checkLink());
        ASSERT_EQ(device.exchanges.size(), 3u);
        EXPECT_EQ(device.exchanges[0].report, written);
        EXPECT_EQ(device.exchanges[1].report, queryOf(0x02));
    }
    // A difference anywhere fails, also in the bytes after the value and in the header.
    for (std::size_t index :
         {std::size_t(1), std::size_t(3), std::size_t(4), std::size_t(5), std::size_t(32)}) {
        RecordingDevice device;
        FeatureReport answer = written;
        answer[index] ^= 0x40;
        device.answers.push_back(answer);
        EXPECT_FALSE(ProtocolHandler(&device).checkLink()) << "byte " << index;
    }
}

TEST(ProtocolHandler, AFailedWriteNeverReadsAndLeavesOutValuesAlone)
{
    RecordingDevice device;
    device.failWrites = true;
    device.answers.push_back(feature({0x80, 1, 0x0E, 1, 3}));
    ProtocolHandler handler(&device);
    unsigned int state = 77;
    std::uint16_t threshold = 77;
    std::string text = "unchanged";
    EXPECT_FALSE(handler.getBatteryState(state));
    EXPECT_FALSE(handler.getClickThreshold(threshold));
    EXPECT_FALSE(handler.getFirmwareVersion(text));
    EXPECT_FALSE(handler.checkLink());
    for (const auto &exchange : device.exchanges)
        EXPECT_TRUE(exchange.isWrite);
    EXPECT_EQ(state, 77u);
    EXPECT_EQ(threshold, 77u);
    EXPECT_EQ(text, "unchanged");
}

TEST(ProtocolHandler, AFailedReadLeavesOutValuesAlone)
{
    RecordingDevice device;
    device.failReads = true;
    ProtocolHandler handler(&device);
    unsigned int mode = 9, code = 9;
    EXPECT_FALSE(handler.getMode(mode));
    EXPECT_FALSE(handler.getEvent(code));
    EXPECT_EQ(mode, 9u);
    EXPECT_EQ(code, 9u);
    EXPECT_FALSE(handler.checkLink());
}
