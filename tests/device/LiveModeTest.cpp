// Live mode: decoding input reports, mode switching around the reading thread, stopping it
// and losing the receiver while it reads.
#include "DeviceTestSupport.h"
#include "SketchGenerator.h"
#include "TempDirectory.h"
#include "device/HidDevice.h"
#include "device/InputReportCodec.h"
#include "device/ProtocolHandler.h"
#include "device/sim/SimulatedConnection.h"
#include "device/sim/SimulatedReceiver.h"
#include "ink/QpeParser.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cmath>
#include <future>
#include <thread>

using namespace std::chrono_literals;
using DeviceTest::input;
using DeviceTest::RecordingObserver;

TEST(LiveReport, DecodesPositionPressureAndTilt)
{
    const auto point = decodeLiveReport(
        input({0x04, 0x00, 0x01, 0x2C, 0x00, 0x02, 0x58, 0x00, 0xE8, 0x03, 0x05, 0xFB}));
    ASSERT_TRUE(point);
    EXPECT_EQ(point->x.value(), 30.0);
    EXPECT_EQ(point->y.value(), 60.0);
    EXPECT_EQ(point->pressure.value(), 1000u);
    EXPECT_EQ(point->xtilt.value(), 5);
    EXPECT_EQ(point->ytilt.value(), 251);
    EXPECT_EQ(point->z.value(), 0.0);
    EXPECT_EQ(point->timestamp.value(), 0u);
}

TEST(LiveReport, EachCoordinateComesOnlyFromItsOwnBytes)
{
    InputReport report = input({0x04, 0, 0, 0, 0x12, 0x34, 0x56, 0, 0, 0, 0, 0});
    for (unsigned char value : {0x00, 0x7F, 0xFF}) {
        report.bytes[1] = report.bytes[2] = report.bytes[3] = value;
        report.bytes[7] = value;
        const auto point = decodeLiveReport(report);
        ASSERT_TRUE(point);
        EXPECT_EQ(point->y.value(), 0x123456 / 10.0);
        EXPECT_EQ(point->x.value(), ((value << 16) | (value << 8) | value) / 10.0);
    }
}

TEST(LiveReport, RejectsOtherIdsAndSizes)
{
    EXPECT_FALSE(decodeLiveReport(input({0x03, 0, 1, 0x2C, 0, 2, 0x58, 0, 0xE8, 3, 5, 0xFB})));
    EXPECT_FALSE(decodeLiveReport(input({0x04, 0, 1, 0x2C, 0, 2, 0x58, 0, 0xE8, 3, 5})));
    EXPECT_FALSE(decodeLiveReport(input({0x04, 0, 1, 0x2C, 0, 2, 0x58, 0, 0xE8, 3, 5, 0xFB, 0})));
    EXPECT_FALSE(decodeLiveReport(InputReport()));
}

namespace {

class LiveModeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(QString::fromStdString(m_folder.file("My Sketches")));
        m_receiver = std::make_shared<SimulatedReceiver>(QString::fromStdString(m_folder.path()));
        m_receiver->setReplayEnabled(false);
    }
    std::unique_ptr<HidDevice> makeDevice()
    {
        return std::make_unique<HidDevice>(
            std::make_unique<SimulatedConnection>(m_receiver, OpenStatus::Open),
            m_receiver->interfacePath(), 1, 0ms, HidDevice::VolumeFinder());
    }
    void setMode(Device &device, unsigned char mode)
    {
        ASSERT_TRUE(ProtocolHandler(&device).setMode(mode));
    }

    TestSupport::TempDirectory m_folder;
    std::shared_ptr<SimulatedReceiver> m_receiver;
    RecordingObserver m_observer;
};

} // namespace

TEST_F(LiveModeTest, StreamsDecodedPointsAndSkipsForeignReports)
{
    auto device = makeDevice();
    setMode(*device, 2);
    device->startOnlineMode(&m_observer);
    EXPECT_TRUE(device->isReadingLive());
    EXPECT_EQ(m_receiver->state().mode, 4u);
    m_receiver->queueInputReport(
        input({0x04, 0x00, 0x01, 0x2C, 0x00, 0x02, 0x58, 0x00, 0xE8, 0x03, 0x05, 0xFB}));
    m_receiver->queueInputReport(
        input({0x03, 0x00, 0x00, 0x0A, 0x00, 0x00, 0x0A, 0x00, 0x01, 0x00, 0x00, 0x00}));
    m_receiver->queueInputReport(
        input({0x04, 0x00, 0x00, 0x0A, 0x00, 0x00, 0x14, 0x00, 0x01, 0x00, 0x00, 0x00}));
    ASSERT_TRUE(m_observer.waitForPoints(2));
    device->stopOnlineMode();
    const auto points = m_observer.points();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].x.value(), 30.0);
    EXPECT_EQ(points[1].x.value(), 1.0);
    EXPECT_EQ(points[1].y.value(), 2.0);
    // The mode the receiver had before live mode is the one it gets back.
    EXPECT_EQ(m_receiver->state().mode, 2u);
    EXPECT_EQ(device->restingMode(), 2u);
    EXPECT_FALSE(device->isReadingLive());
}

TEST_F(LiveModeTest, StopFromAnotherThreadEndsAWaitingReadWithoutAPoint)
{
    auto device = makeDevice();
    device->startOnlineMode(&m_observer);
    ASSERT_TRUE(device->isReadingLive());
    auto stopped = std::async(std::launch::async, [&] { device->stopOnlineMode(); });
    ASSERT_EQ(stopped.wait_for(std::chrono::milliseconds(DeviceTest::kPatienceMs)),
              std::future_status::ready);
    EXPECT_FALSE(device->isReadingLive());
    EXPECT_TRUE(m_observer.points().empty());
    EXPECT_EQ(m_receiver->state().mode, 1u);
}

TEST_F(LiveModeTest, NoThreadWhenTheModeQueryIsNotAnswered)
{
    auto device = makeDevice();
    setMode(*device, 2);
    m_receiver->setFault(SimulatedReceiver::Fault::FeatureReads);
    device->startOnlineMode(&m_observer);
    EXPECT_FALSE(device->isReadingLive());
    EXPECT_EQ(m_receiver->state().mode, 2u);
    // The later stop only writes the resting mode the device already had.
    device->stopOnlineMode();
    EXPECT_EQ(m_receiver->state().mode, 1u);
}

TEST_F(LiveModeTest, NoThreadWhenLiveModeIsRefused)
{
    auto device = makeDevice();
    m_receiver->setFault(SimulatedReceiver::Fault::FeatureWrites);
    device->startOnlineMode(&m_observer);
    EXPECT_FALSE(device->isReadingLive());
    EXPECT_EQ(m_receiver->state().mode, 1u);
}

TEST_F(LiveModeTest, StartingAgainWhileLiveKeepsTheTrueRestingMode)
{
    auto device = makeDevice();
    setMode(*device, 2);
    device->startOnlineMode(&m_observer);
    device->startOnlineMode(&m_observer);
    EXPECT_TRUE(device->isReadingLive());
    device->stopOnlineMode();
    EXPECT_EQ(m_receiver->state().mode, 2u);
}

TEST_F(LiveModeTest, UnplugEndsTheReadingThreadByItself)
{
    auto device = makeDevice();
    device->startOnlineMode(&m_observer);
    std::thread([&] { m_receiver->unplug(); }).join();
    EXPECT_TRUE(DeviceTest::waitUntil([&] { return !device->isReadingLive(); }));
    // Stopping a device that is gone fails its exchange quietly and does not hang.
    device->stopOnlineMode();
    device.reset();
}

TEST_F(LiveModeTest, ReplaysThePenFileFromTheSketchCornerWithCappedPauses)
{
    Synth::SketchOptions options;
    options.seed = 1;
    options.points = 300;
    options.layers = 2;
    options.kind = Synth::SketchKind::Handwriting;
    Synth::SynthSketch sketch = Synth::generateSketch(options);
    ASSERT_EQ(sketch.layers.size(), 2u);
    // A minute's pause before the second layer: without the cap this test would time out.
    for (Synth::SynthStroke &stroke : sketch.layers[1].strokes) {
        for (Synth::Sample &sample : stroke.samples)
            sample.timeMs = (sample.timeMs + 60000) & 0xFFFFFF;
    }
    const std::string path = m_folder.file("My Sketches/a.qpe");
    ASSERT_TRUE(Synth::writeBytes(path, Synth::encodePenFile(sketch)));
    Nivo::QpeParser parser(std::wstring(path.begin(), path.end()));
    ASSERT_TRUE(parser.load());
    const Nivo::Document &document = *parser.document();

    std::vector<Nivo::Point> expected;
    const Nivo::Point origin = document.topLeft().value();
    for (const Nivo::Layer &layer : document.elements()) {
        for (const Nivo::Stroke &stroke : layer.elements()) {
            for (const Nivo::Point &p : stroke.elements())
                expected.push_back(p);
            Nivo::Point lifted = stroke.elements().back();
            lifted.pressure = 0u;
            expected.push_back(lifted);
        }
    }
    m_receiver->setReplayEnabled(true);
    m_receiver->setReplayGapCap(5ms);
    auto device = makeDevice();
    device->startOnlineMode(&m_observer);
    ASSERT_TRUE(m_observer.waitForPoints(expected.size()));
    device->stopOnlineMode();

    const auto points = m_observer.points();
    ASSERT_GE(points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Nivo::Point &want = expected[i];
        EXPECT_EQ(points[i].x.value(), std::round((want.x.value() - origin.x.value()) * 10) / 10)
            << i;
        EXPECT_EQ(points[i].y.value(), std::round((want.y.value() - origin.y.value()) * 10) / 10)
            << i;
        EXPECT_EQ(points[i].pressure.value(), want.pressure.value()) << i;
        EXPECT_EQ(points[i].xtilt.value(), want.xtilt.value() & 0xFF) << i;
        EXPECT_EQ(points[i].ytilt.value(), want.ytilt.value() & 0xFF) << i;
    }
}
