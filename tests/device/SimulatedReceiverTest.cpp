// The simulated receiver: firmware answers byte for byte, refusals, its memory across
// runs, and connections that die with an unplug.
#include "device/sim/SimulatedReceiver.h"

#include "DeviceTestSupport.h"
#include "SketchGenerator.h"
#include "TempDirectory.h"
#include "device/sim/PenReplay.h"
#include "device/sim/SimulatedBackend.h"
#include "device/sim/SimulatedFirmware.h"

#include <QDir>

#include <gtest/gtest.h>

using DeviceTest::feature;

namespace {

FeatureReport answerTo(SimulatedFirmware &firmware, unsigned char parameter)
{
    EXPECT_TRUE(firmware.setFeature(feature({0x80, 1, 0x0A, 1, 1, parameter, 1})));
    FeatureReport answer {};
    firmware.getFeature(answer);
    return answer;
}

} // namespace

TEST(SimulatedFirmware, AnswersInTheLayoutOfAWrite)
{
    SimulatedFirmware firmware;
    FeatureReport before {};
    firmware.getFeature(before);
    EXPECT_EQ(before, feature({0x80}));

    EXPECT_EQ(answerTo(firmware, 0x01), feature({0x80, 1, 0x01, 1, 0x04, 0x10, 0x20, 0x00, 0x01}));
    EXPECT_EQ(answerTo(firmware, 0x03), feature({0x80, 1, 0x03, 1, 1}));
    EXPECT_EQ(answerTo(firmware, 0x0E), feature({0x80, 1, 0x0E, 1, 4}));
    EXPECT_EQ(answerTo(firmware, 0x13), feature({0x80, 1, 0x13, 1, 0x20, 0x03}));

    EXPECT_TRUE(firmware.setFeature(feature({0x80, 1, 0x13, 1, 0x84, 0x03})));
    EXPECT_EQ(firmware.state().clickThreshold, 900u);
    EXPECT_TRUE(firmware.setFeature(feature({0x80, 1, 0x03, 1, 4})));
    EXPECT_EQ(answerTo(firmware, 0x03), feature({0x80, 1, 0x03, 1, 4}));

    // The link parameter echoes every value byte written to it.
    FeatureReport link = feature({0x80, 1, 0x02, 1, 1});
    link[32] = 0x5A;
    EXPECT_TRUE(firmware.setFeature(link));
    EXPECT_EQ(answerTo(firmware, 0x02), link);
}

TEST(SimulatedFirmware, TheLastEventIsReadAndClearedButNeverWritten)
{
    SimulatedFirmware firmware;
    firmware.state().lastEvent = 2;
    EXPECT_EQ(answerTo(firmware, 0x0B)[4], 2);
    EXPECT_FALSE(firmware.setFeature(feature({0x80, 1, 0x0B, 1, 5})));
    EXPECT_EQ(firmware.state().lastEvent, 2u);
    EXPECT_TRUE(firmware.setFeature(feature({0x80, 1, 0x0B, 1, 0})));
    EXPECT_EQ(answerTo(firmware, 0x0B)[4], 0);
}

TEST(SimulatedFirmware, RefusesWhatARealReceiverWouldStall)
{
    SimulatedFirmware firmware;
    const FeatureReport refused[] = {
        feature({0x81, 1, 0x03, 1, 1}),                   // report id
        feature({0x80, 0, 0x03, 1, 1}),                   // byte 1
        feature({0x80, 1, 0x03, 0, 1}),                   // byte 3
        feature({0x80, 1, 0x03, 1, 3}),                   // no such mode
        feature({0x80, 1, 0x0E, 1, 1}),                   // battery is read-only
        feature({0x80, 1, 0x01, 1, 1}),                   // so is the version
        feature({0x80, 1, 0x0A, 1, 1, 0x08, 1}),          // the clock cannot be queried
        feature({0x80, 1, 0x0A, 1, 0, 0x03, 1}),          // malformed query
        feature({0x80, 1, 0x08, 1, 10, 2, 30, 0, 0, 0}),  // 30 February
        feature({0x80, 1, 0x08, 1, 10, 5, 17, 60, 0, 0}), // 60 seconds
        feature({0x80, 1, 0x55, 1, 1}),
    };
    for (const FeatureReport &report : refused)
        EXPECT_FALSE(firmware.setFeature(report)) << int(report[2]) << " " << int(report[4]);
    EXPECT_EQ(firmware.state().mode, 1u);
    EXPECT_FALSE(firmware.state().clock);

    EXPECT_TRUE(firmware.setFeature(feature({0x80, 1, 0x08, 1, 10, 5, 17, 9, 3, 14})));
    ASSERT_TRUE(firmware.state().clock);
    const SimulatedFirmware::Clock clock = *firmware.state().clock;
    EXPECT_EQ(std::vector<int>(
                  {clock.year, clock.month, clock.day, clock.hour, clock.minute, clock.second}),
              std::vector<int>({2010, 5, 17, 14, 3, 9}));
}

namespace {

class SimulatedReceiverTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(folder() + "/My Sketches")); }
    QString folder() const { return QString::fromStdString(m_folder.path()); }

    TestSupport::TempDirectory m_folder;
};

} // namespace

TEST_F(SimulatedReceiverTest, ConnectionsDieWithAnUnplugAndStayDead)
{
    auto receiver = std::make_shared<SimulatedReceiver>(folder());
    SimulatedBackend backend(receiver);
    auto connection = backend.open(receiver->interfacePath());
    ASSERT_EQ(connection->status(), OpenStatus::Open);
    EXPECT_TRUE(connection->sendFeatureReport(feature({0x80, 1, 0x03, 1, 2})));
    receiver->unplug();
    EXPECT_FALSE(connection->sendFeatureReport(feature({0x80, 1, 0x03, 1, 2})));
    EXPECT_TRUE(backend.enumerate().empty());
    EXPECT_EQ(backend.open(receiver->interfacePath())->status(), OpenStatus::Failed);
    receiver->plug();
    FeatureReport report = feature({0x80});
    EXPECT_FALSE(connection->getFeatureReport(report));
    EXPECT_EQ(backend.enumerate().size(), 1u);
    auto fresh = backend.open(receiver->interfacePath());
    EXPECT_TRUE(fresh->sendFeatureReport(feature({0x80, 1, 0x0A, 1, 1, 0x03, 1})));
    EXPECT_TRUE(fresh->getFeatureReport(report));
    // Plugged in again means powered on again: the resting mode of power-on.
    EXPECT_EQ(report[4], 1);
    EXPECT_EQ(backend.open("simulated:/other")->status(), OpenStatus::Failed);
}

TEST_F(SimulatedReceiverTest, RemembersItsMemoryAndSwitchesInItsStateFile)
{
    const QString stateFile = folder() + "/.draftbay-receiver.ini";
    {
        auto receiver = std::make_shared<SimulatedReceiver>(folder());
        receiver->persistIn(stateFile);
        SimulatedBackend backend(receiver);
        auto connection = backend.open(receiver->interfacePath());
        EXPECT_TRUE(connection->sendFeatureReport(feature({0x80, 1, 0x13, 1, 0x84, 0x03})));
        EXPECT_TRUE(connection->sendFeatureReport(feature({0x80, 1, 0x08, 1, 26, 2, 28, 7, 6, 5})));
        EXPECT_TRUE(connection->sendFeatureReport(feature({0x80, 1, 0x03, 1, 2})));
        receiver->setLastEvent(4);
        receiver->setBatteryState(2);
        receiver->unmountVolume();
    }
    auto again = std::make_shared<SimulatedReceiver>(folder());
    again->persistIn(stateFile);
    const SimulatedFirmware::State state = again->state();
    EXPECT_EQ(state.clickThreshold, 900u);
    EXPECT_EQ(state.lastEvent, 4u);
    EXPECT_EQ(state.batteryState, 2u);
    ASSERT_TRUE(state.clock);
    EXPECT_EQ(state.clock->year, 2026);
    EXPECT_EQ(state.clock->hour, 5);
    // The mode is not memory: every start is a power-on.
    EXPECT_EQ(state.mode, 1u);
    EXPECT_FALSE(again->isVolumeMounted());
    EXPECT_TRUE(again->isPlugged());
}

TEST_F(SimulatedReceiverTest, ReplayTakesTheFirstPenFileByNameAndLiftsThePenAfterEachStroke)
{
    Synth::SketchOptions options;
    options.points = 40;
    options.seed = 5;
    const Synth::SynthSketch sketch = Synth::generateSketch(options);
    std::size_t strokes = 0;
    for (const auto &layer : sketch.layers)
        strokes += layer.strokes.size();
    const auto bytes = Synth::encodePenFile(sketch);
    const std::string sketches = m_folder.file("My Sketches/");
    ASSERT_TRUE(Synth::writeBytes(sketches + "B.QPE", bytes));
    TestSupport::writeFile(sketches + "a.eli", "not a pen file");
    TestSupport::writeFile(sketches + "0.txt", "ignored");
    EXPECT_FALSE(PenReplay().load(folder() + "/My Sketches"));

    PenReplay replay;
    // "a.eli" sorts first but does not read, so the next one is taken.
    ASSERT_TRUE(replay.load(folder()));
    EXPECT_EQ(replay.fileName(), "B.QPE");
    ASSERT_EQ(replay.steps().size(), 40 + strokes);
    std::size_t lifts = 0;
    for (const PenReplay::Step &step : replay.steps()) {
        EXPECT_EQ(step.report.size, 12u);
        EXPECT_EQ(step.report.bytes[0], 4);
        lifts += step.report.bytes[8] == 0 && step.report.bytes[9] == 0;
    }
    EXPECT_GE(lifts, strokes);
    EXPECT_EQ(replay.steps().back().report.bytes[8], 0);
    EXPECT_EQ(replay.steps().back().delayMs, 0u);
}
