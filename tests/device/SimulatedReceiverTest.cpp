// The simulated receiver: firmware answers byte for byte, refusals, and connections that die
// with an unplug.
#include "device/sim/SimulatedReceiver.h"

#include "DeviceTestSupport.h"
#include "TempDirectory.h"
#include "device/sim/SimulatedBackend.h"
#include "device/sim/SimulatedFirmware.h"

#include <gtest/gtest.h>

using DeviceTest::feature;

// What the simulated firmware answers shows in every test that talks to it; here what
// those do not show: the full link echo, and the reports a real receiver would refuse.
TEST(SimulatedFirmware, EchoesTheWholeLinkReportAndRefusesWhatARealReceiverWouldStall)
{
    SimulatedFirmware firmware;
    FeatureReport link = feature({0x80, 1, 0x02, 1, 1});
    link[32] = 0x5A;
    EXPECT_TRUE(firmware.setFeature(link));
    EXPECT_TRUE(firmware.setFeature(feature({0x80, 1, 0x0A, 1, 1, 0x02, 1})));
    FeatureReport answer {};
    firmware.getFeature(answer);
    EXPECT_EQ(answer, link);

    firmware.state().lastEvent = 2;
    const FeatureReport refused[] = {
        feature({0x81, 1, 0x03, 1, 1}),                  // report id
        feature({0x80, 1, 0x03, 1, 3}),                  // no such mode
        feature({0x80, 1, 0x0E, 1, 1}),                  // battery is read-only
        feature({0x80, 1, 0x0B, 1, 5}),                  // events are only cleared
        feature({0x80, 1, 0x08, 1, 10, 2, 30, 0, 0, 0}), // 30 February
        feature({0x80, 1, 0x55, 1, 1}),
    };
    for (const FeatureReport &report : refused)
        EXPECT_FALSE(firmware.setFeature(report)) << int(report[2]) << " " << int(report[4]);
    EXPECT_EQ(firmware.state().mode, 1u);
    EXPECT_EQ(firmware.state().lastEvent, 2u);
    EXPECT_FALSE(firmware.state().clock);
}

TEST(SimulatedReceiver, ConnectionsDieWithAnUnplugAndStayDead)
{
    TestSupport::TempDirectory folder;
    auto receiver = std::make_shared<SimulatedReceiver>(QString::fromStdString(folder.path()));
    SimulatedBackend backend(receiver);
    auto connection = backend.open(receiver->interfacePath());
    EXPECT_TRUE(connection->sendFeatureReport(feature({0x80, 1, 0x03, 1, 2})));
    receiver->unplug();
    EXPECT_TRUE(backend.enumerate().empty());
    EXPECT_EQ(backend.open(receiver->interfacePath())->status(), OpenStatus::Failed);
    receiver->plug();
    EXPECT_FALSE(connection->sendFeatureReport(feature({0x80, 1, 0x03, 1, 2})));
    // Plugged in again means powered on again: the resting mode of power-on.
    auto fresh = backend.open(receiver->interfacePath());
    FeatureReport report = feature({0x80});
    EXPECT_TRUE(fresh->sendFeatureReport(feature({0x80, 1, 0x0A, 1, 1, 0x03, 1})));
    EXPECT_TRUE(fresh->getFeatureReport(report));
    EXPECT_EQ(report[4], 1);
}
