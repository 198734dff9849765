// The device observer: arrival preparation and its order, removal within the pause, texts,
// volume announcements and the queries for the windows.
#include "device/QuilloDeviceObserver.h"

#include "DeviceTestSupport.h"
#include "TempDirectory.h"
#include "device/DeviceManager.h"
#include "device/ReceiverTexts.h"
#include "device/sim/SimulatedBackend.h"
#include "device/sim/SimulatedReceiver.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <mutex>
#include <thread>

using namespace std::chrono_literals;
using DeviceTest::feature;
using DeviceTest::RecordingDevice;

namespace {

class QuilloDeviceObserverTest : public ::testing::Test
{
protected:
    QuilloDeviceObserverTest() { m_observer.setArrivalDelay(20ms); }

    QuilloDeviceObserver m_observer;
    QSignalSpy m_plug {&m_observer, &QuilloDeviceObserver::HIDDevicePlugSgnl};
    QSignalSpy m_unplug {&m_observer, &QuilloDeviceObserver::HIDDeviceUnplugSgnl};
};

} // namespace

TEST_F(QuilloDeviceObserverTest, ArrivalSetsTheRestingModeReadsAndClearsTheEventChecksTheLink)
{
    RecordingDevice device;
    device.answers = {feature({0x80, 1, 0x0B, 1, 4}), feature({0x80, 1, 0x02, 1, 1})};
    // The order of the two signals is part of the contract: the window sees the event first.
    QStringList order;
    QObject::connect(&m_observer, &QuilloDeviceObserver::sendLastErrorMsgSgnl,
                     [&](const QString &text) { order << text; });
    QObject::connect(&m_observer, &QuilloDeviceObserver::HIDDevicePlugSgnl,
                     [&](const QString &text) { order << text; });
    m_observer.deviceArrived(&device);
    EXPECT_TRUE(m_observer.isPresent());
    EXPECT_TRUE(device.exchanges.empty()) << "nothing before the pause";
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return m_plug.count() == 1; }));

    EXPECT_EQ(
        order,
        QStringList({"battery exhausted", "QuilloDeviceObserver::handleDeviceInsertedSlot()"}));
    EXPECT_EQ(device.writes,
              std::vector<FeatureReport>({feature({0x80, 1, 0x03, 1, 1}),          // resting mode
                                          feature({0x80, 1, 0x0A, 1, 1, 0x0B, 1}), // event
                                          feature({0x80, 1, 0x0B, 1, 0}),          // cleared
                                          feature({0x80, 1, 0x02, 1, 1}),          // link check
                                          feature({0x80, 1, 0x0A, 1, 1, 0x02, 1})}));
    // The timer fires once only.
    QTest::qWait(100);
    EXPECT_EQ(m_plug.count(), 1);

    // An event that cannot be read still ends in the plug signal.
    RecordingDevice unreadable;
    unreadable.failReads = true;
    m_observer.deviceArrived(&unreadable);
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return m_plug.count() == 2; }));
    EXPECT_EQ(order.size(), 3);
    EXPECT_EQ(unreadable.writes.size(), 5u);
}

TEST_F(QuilloDeviceObserverTest, RemovalWithinThePauseGivesOnlyTheUnplugSignal)
{
    RecordingDevice device;
    m_observer.setArrivalDelay(150ms);
    m_observer.deviceArrived(&device);
    m_observer.deviceRemoved(&device);
    EXPECT_FALSE(m_observer.isPresent());
    ASSERT_EQ(m_unplug.count(), 1);
    // Well past the pause: still no plug signal and not one report exchanged.
    QTest::qWait(600);
    EXPECT_EQ(m_plug.count(), 0);
    EXPECT_TRUE(device.exchanges.empty());
}

TEST_F(QuilloDeviceObserverTest, QueriesRunOffTheCallersThreadAndAlwaysAnswer)
{
    QSignalSpy battery(&m_observer, &QuilloDeviceObserver::batteryStatusRead);
    QSignalSpy clock(&m_observer, &QuilloDeviceObserver::receiverClockWritten);
    QSignalSpy threshold(&m_observer, &QuilloDeviceObserver::clickThresholdRead);
    // Without a receiver: failures, through the event loop.
    m_observer.requestBatteryStatus();
    m_observer.requestReceiverClock(QDateTime::currentDateTime());
    EXPECT_EQ(battery.count(), 0) << "answers never come from within the request";
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return clock.count() == 1; }));
    EXPECT_EQ(battery.takeFirst(), QVariantList({false, 0u, QString()}));
    EXPECT_FALSE(clock.takeFirst().at(0).toBool());

    RecordingDevice device;
    m_observer.setArrivalDelay(10min);
    m_observer.deviceArrived(&device);
    std::thread::id exchangeThread;
    device.onExchange = [&] { exchangeThread = std::this_thread::get_id(); };
    device.answers.push_back(feature({0x80, 1, 0x0E, 1, 3}));
    m_observer.requestBatteryStatus();
    // A failed query (no answer left) empties the text.
    m_observer.requestBatteryStatus();
    m_observer.requestReceiverClock(QDateTime());
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return clock.count() == 1; }));
    m_observer.requestReceiverClock(QDateTime(QDate(2010, 5, 17), QTime(14, 3, 9)));
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return clock.count() == 2; }));
    EXPECT_NE(exchangeThread, std::this_thread::get_id());
    ASSERT_EQ(battery.count(), 2);
    EXPECT_EQ(battery.at(0), QVariantList({true, 3u, QString("Battery charging")}));
    EXPECT_EQ(battery.at(1), QVariantList({false, 0u, QString()}));
    EXPECT_TRUE(m_observer.lastBatteryText().isEmpty());
    EXPECT_FALSE(clock.at(0).at(0).toBool()) << "an invalid date and time";
    EXPECT_TRUE(clock.at(1).at(0).toBool());
    EXPECT_EQ(device.writes.back(), feature({0x80, 1, 8, 1, 10, 5, 17, 9, 3, 14}));

    // A receiver pulled while its query waits: the answer is a failure, also when the
    // exchange itself went through, and no plug signal follows a pending preparation.
    device.answers.push_back(feature({0x80, 1, 0x13, 1, 0x20, 0x03}));
    std::mutex gate;
    std::unique_lock hold(gate);
    device.onExchange = [&] { std::scoped_lock wait(gate); };
    m_observer.requestClickThreshold();
    m_observer.initDeviceAfterTimeout();
    m_observer.deviceRemoved(&device);
    hold.unlock();
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return threshold.count() == 1; }));
    EXPECT_EQ(threshold.takeFirst(), QVariantList({false, quint16(0)}));
    device.finishWork();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_plug.count(), 0);
}

TEST_F(QuilloDeviceObserverTest, AFollowingObserverTakesTheReceiverWithoutPreparingIt)
{
    QuilloDeviceObserver follower(nullptr, QuilloDeviceObserver::Role::Following);
    QSignalSpy followerPlug(&follower, &QuilloDeviceObserver::HIDDevicePlugSgnl);
    QSignalSpy followerUnplug(&follower, &QuilloDeviceObserver::HIDDeviceUnplugSgnl);
    follower.setArrivalDelay(1ms);
    RecordingDevice device;
    follower.deviceArrived(&device);
    EXPECT_TRUE(follower.isPresent());
    QTest::qWait(50);
    EXPECT_EQ(followerPlug.count(), 0);
    EXPECT_TRUE(device.exchanges.empty());
    follower.deviceRemoved(&device);
    EXPECT_EQ(followerUnplug.count(), 1);
    EXPECT_FALSE(follower.isPresent());
}

TEST(ReceiverTexts, BatteryStatesAndEventCodes)
{
    EXPECT_EQ(batteryStateText(0), "Invalid battery state");
    EXPECT_EQ(batteryStateText(4), "Battery full");
    EXPECT_EQ(batteryStateText(7),
              "Warning! Your Quillo receiver is not charging. Receiver temperature is too high");
    EXPECT_EQ(batteryStateText(8),
              "Warning! Your Quillo receiver is not charging. Receiver temperature is too low");
    EXPECT_EQ(batteryStateText(9), "Invalid battery state");
    EXPECT_EQ(eventText(0), "no event");
    EXPECT_EQ(eventText(7), "MAX_NUMBER_OF_NIVO_EVENTS");
    EXPECT_EQ(eventText(8), "invalid event type");
    EXPECT_EQ(eventText(4000000000u), "invalid event type");
}

TEST_F(QuilloDeviceObserverTest, TheFirstVolumeAnnouncementWinsUntilItIsGone)
{
    TestSupport::TempDirectory folder;
    auto receiver = std::make_shared<SimulatedReceiver>(QString::fromStdString(folder.path()));
    DeviceManager::instance().setBackend(std::make_unique<SimulatedBackend>(receiver));
    QSignalSpy mounted(&m_observer, &QuilloDeviceObserver::DiscVolumeMountedSgnl);
    QSignalSpy unmounted(&m_observer, &QuilloDeviceObserver::DiscVolumeUnMountedSgnl);
    const QString root = QString::fromStdString(receiver->volumeRoot());
    // An empty root is announced but not kept.
    m_observer.volumeMounted("");
    m_observer.volumeMounted(root.toStdString());
    m_observer.volumeMounted("/elsewhere/");
    m_observer.volumeCheck();
    EXPECT_EQ(unmounted.count(), 0) << "still mounted";
    receiver->unmountVolume();
    m_observer.volumeCheck();
    m_observer.volumeCheck();
    m_observer.volumeMounted("/elsewhere/");
    DeviceManager::instance().shutdown();

    ASSERT_EQ(mounted.count(), 3);
    EXPECT_EQ(mounted.at(0).at(0).toString(), "");
    EXPECT_EQ(mounted.at(1).at(0).toString(), root);
    EXPECT_EQ(mounted.at(2).at(0).toString(), "/elsewhere/");
    ASSERT_EQ(unmounted.count(), 1);
    EXPECT_EQ(unmounted.at(0).at(0).toString(), root);
}
