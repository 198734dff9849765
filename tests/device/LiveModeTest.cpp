// Live mode: decoding input reports, mode switching around the reading thread, stopping it,
// and the simulated receiver replaying a pen file.
#include "DeviceTestSupport.h"
#include "SketchGenerator.h"
#include "TempDirectory.h"
#include "device/HidDevice.h"
#include "device/ProtocolHandler.h"
#include "device/sim/SimulatedConnection.h"
#include "device/sim/SimulatedReceiver.h"
#include "ink/QpeParser.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cmath>
#include <future>

using namespace std::chrono_literals;
using DeviceTest::input;
using DeviceTest::RecordingObserver;

namespace {

class LiveModeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(QString::fromStdString(m_folder.file("My Sketches")));
        m_receiver = std::make_shared<SimulatedReceiver>(QString::fromStdString(m_folder.path()));
        m_receiver->setReplayEnabled(false);
        m_device = std::make_unique<HidDevice>(
            std::make_unique<SimulatedConnection>(m_receiver, OpenStatus::Open),
            m_receiver->interfacePath(), 1, 0ms, HidDevice::VolumeFinder());
    }

    TestSupport::TempDirectory m_folder;
    std::shared_ptr<SimulatedReceiver> m_receiver;
    RecordingObserver m_observer;
    std::unique_ptr<HidDevice> m_device;
};

} // namespace

TEST_F(LiveModeTest, StreamsDecodedPointsAndStartingAgainWhileLiveKeepsTheTrueRestingMode)
{
    ASSERT_TRUE(ProtocolHandler(m_device.get()).setMode(2));
    m_device->startOnlineMode(&m_observer);
    m_device->startOnlineMode(&m_observer);
    EXPECT_TRUE(m_device->isReadingLive());
    EXPECT_EQ(m_receiver->state().mode, 4u);
    // Positions in tenths, 24 bits big-endian; byte 7 is not used. Other report ids and
    // sizes give no point.
    m_receiver->queueInputReport(input({0x04, 1, 0, 0x2C, 0, 2, 0x58, 0xFF, 0xE8, 3, 5, 0xFB}));
    m_receiver->queueInputReport(input({0x03, 0, 0, 0x0A, 0, 0, 0x0A, 0, 1, 0, 0, 0}));
    m_receiver->queueInputReport(input({0x04, 0, 0, 0x0A, 0, 0, 0x0A, 0, 1, 0, 0}));
    m_receiver->queueInputReport(input({0x04, 0, 0, 0x0A, 0, 0, 0x0A, 0, 1, 0, 0, 0, 0}));
    m_receiver->queueInputReport(input({0x04, 0, 0, 0x0A, 0, 0, 0x14, 0, 1, 0, 0, 0}));
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return m_observer.points().size() >= 2; }));
    m_device->stopOnlineMode();
    const auto points = m_observer.points();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].x.value(), 0x01002C / 10.0);
    EXPECT_EQ(points[0].y.value(), 60.0);
    EXPECT_EQ(points[0].pressure.value(), 1000u);
    EXPECT_EQ(points[0].xtilt.value(), 5);
    EXPECT_EQ(points[0].ytilt.value(), 251);
    EXPECT_EQ(points[1].x.value(), 1.0);
    EXPECT_EQ(points[1].y.value(), 2.0);
    // The mode the receiver had before live mode is the one it gets back.
    EXPECT_EQ(m_receiver->state().mode, 2u);
}

TEST_F(LiveModeTest, StopFromAnotherThreadEndsAWaitingReadPromptly)
{
    m_device->startOnlineMode(&m_observer);
    ASSERT_TRUE(m_device->isReadingLive());
    auto stopped = std::async(std::launch::async, [&] { m_device->stopOnlineMode(); });
    ASSERT_EQ(stopped.wait_for(std::chrono::milliseconds(DeviceTest::kPatienceMs)),
              std::future_status::ready);
    EXPECT_FALSE(m_device->isReadingLive());
    EXPECT_TRUE(m_observer.points().empty());
    EXPECT_EQ(m_receiver->state().mode, 1u);
}

TEST_F(LiveModeTest, NoThreadWhenTheModeQueryOrLiveModeIsRefused)
{
    ASSERT_TRUE(ProtocolHandler(m_device.get()).setMode(2));
    m_receiver->setFault(SimulatedReceiver::Fault::FeatureReads);
    m_device->startOnlineMode(&m_observer);
    EXPECT_FALSE(m_device->isReadingLive());
    EXPECT_EQ(m_receiver->state().mode, 2u);
    // The later stop writes the resting mode the device already had.
    m_device->stopOnlineMode();
    EXPECT_EQ(m_receiver->state().mode, 1u);

    m_receiver->setFault(SimulatedReceiver::Fault::FeatureWrites);
    m_device->startOnlineMode(&m_observer);
    EXPECT_FALSE(m_device->isReadingLive());
    EXPECT_EQ(m_device->onlineObserver(), nullptr) << "a refused start delivers to no one";
}

TEST_F(LiveModeTest, AReceiverFoundInLiveModeIsNotRestoredToIt)
{
    // Left streaming by an earlier session: the stop returns it to the resting mode the
    // device was opened with, not to live mode.
    ASSERT_TRUE(ProtocolHandler(m_device.get()).setMode(ProtocolHandler::kLiveMode));
    m_device->startOnlineMode(&m_observer);
    ASSERT_TRUE(m_device->isReadingLive());
    m_device->stopOnlineMode();
    EXPECT_EQ(m_receiver->state().mode, 1u);
    EXPECT_EQ(m_device->restingMode(), 1u);
}

TEST_F(LiveModeTest, ReplaysTheFirstReadablePenFileFromTheSketchCornerWithCappedPauses)
{
    Synth::SketchOptions options;
    options.points = 300;
    options.layers = 2;
    options.kind = Synth::SketchKind::Handwriting;
    Synth::SynthSketch sketch = Synth::generateSketch(options);
    // A minute's pause before the second layer: without the cap this test would time out.
    for (Synth::SynthStroke &stroke : sketch.layers.at(1).strokes) {
        for (Synth::Sample &sample : stroke.samples)
            sample.timeMs = (sample.timeMs + 60000) & 0xFFFFFF;
    }
    const std::string path = m_folder.file("My Sketches/B.QPE");
    ASSERT_TRUE(Synth::writeBytes(path, Synth::encodePenFile(sketch)));
    // Sorts first but does not read, so the next one is taken.
    TestSupport::writeFile(m_folder.file("My Sketches/a.eli"), "not a pen file");
    Nivo::QpeParser parser(std::wstring(path.begin(), path.end()));
    ASSERT_TRUE(parser.load());
    const Nivo::Point origin = parser.document()->topLeft().value();
    // Each stroke's points, then the pen lifted where it ended.
    std::vector<Nivo::Point> expected;
    for (const Nivo::Layer &layer : parser.document()->elements()) {
        for (const Nivo::Stroke &stroke : layer.elements()) {
            expected.insert(expected.end(), stroke.elements().begin(), stroke.elements().end());
            expected.push_back(stroke.elements().back());
            expected.back().pressure = 0u;
        }
    }

    m_receiver->setReplayEnabled(true);
    m_receiver->setReplayGapCap(5ms);
    m_device->startOnlineMode(&m_observer);
    ASSERT_TRUE(
        DeviceTest::waitUntil([&] { return m_observer.points().size() >= expected.size(); }));
    m_device->stopOnlineMode();
    const auto points = m_observer.points();
    const auto tenths = [](double value) { return std::round(value * 10) / 10; };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Nivo::Point &want = expected[i];
        EXPECT_EQ(points[i].x.value(), tenths(want.x.value() - origin.x.value())) << i;
        EXPECT_EQ(points[i].y.value(), tenths(want.y.value() - origin.y.value())) << i;
        EXPECT_EQ(points[i].pressure.value(), want.pressure.value()) << i;
        EXPECT_EQ(points[i].xtilt.value(), want.xtilt.value() & 0xFF) << i;
        EXPECT_EQ(points[i].ytilt.value(), want.ytilt.value() & 0xFF) << i;
    }
}
