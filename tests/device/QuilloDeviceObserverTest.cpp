// The device observer: arrival preparation and its order, removal within the pause, texts,
// volume announcements and the queries for the windows.
#include "device/QuilloDeviceObserver.h"

#include "DeviceTestSupport.h"
#include "TempDirectory.h"
#include "device/DeviceManager.h"
#include "device/ReceiverTexts.h"
#include "device/sim/SimulatedBackend.h"
#include "device/sim/SimulatedReceiver.h"

#include <QDir>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using DeviceTest::feature;
using DeviceTest::RecordingDevice;

namespace {

class QuilloDeviceObserverTest : public ::testing::Test
{
protected:
    QuilloDeviceObserverTest()
        : m_plug(&m_observer, &QuilloDeviceObserver::HIDDevicePlugSgnl)
        , m_unplug(&m_observer, &QuilloDeviceObserver::HIDDeviceUnplugSgnl)
        , m_lastError(&m_observer, &QuilloDeviceObserver::sendLastErrorMsgSgnl)
        , m_mounted(&m_observer, &QuilloDeviceObserver::DiscVolumeMountedSgnl)
        , m_unmounted(&m_observer, &QuilloDeviceObserver::DiscVolumeUnMountedSgnl)
    {
        m_observer.setArrivalDelay(20ms);
    }

    QuilloDeviceObserver m_observer;
    QSignalSpy m_plug;
    QSignalSpy m_unplug;
    QSignalSpy m_lastError;
    QSignalSpy m_mounted;
    QSignalSpy m_unmounted;
};

} // namespace

TEST_F(QuilloDeviceObserverTest, ArrivalPreparesTheReceiverBeforeAnnouncingIt)
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
    EXPECT_TRUE(device.exchanges.empty());
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return m_plug.count() == 1; }));

    EXPECT_EQ(
        order,
        QStringList({"battery exhausted", "QuilloDeviceObserver::handleDeviceInsertedSlot()"}));
    const auto writes = device.writes();
    ASSERT_EQ(writes.size(), 5u);
    EXPECT_EQ(writes[0], feature({0x80, 1, 0x03, 1, 1}));          // resting mode
    EXPECT_EQ(writes[1], feature({0x80, 1, 0x0A, 1, 1, 0x0B, 1})); // last event query
    EXPECT_EQ(writes[2], feature({0x80, 1, 0x0B, 1, 0}));          // cleared
    EXPECT_EQ(writes[3], feature({0x80, 1, 0x02, 1, 1}));          // link check
    EXPECT_EQ(writes[4], feature({0x80, 1, 0x0A, 1, 1, 0x02, 1}));
    // The timer fires once only.
    DeviceTest::waitUntil([] { return false; }, 100);
    EXPECT_EQ(m_plug.count(), 1);
}

TEST_F(QuilloDeviceObserverTest, AnUnreadableEventStillEndsInThePlugSignal)
{
    RecordingDevice device;
    device.failReads = true;
    m_observer.deviceArrived(&device);
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return m_plug.count() == 1; }));
    EXPECT_EQ(m_lastError.count(), 0);
    EXPECT_EQ(device.writes().size(), 5u);
}

TEST_F(QuilloDeviceObserverTest, RemovalWithinThePauseGivesOnlyTheUnplugSignal)
{
    RecordingDevice device;
    m_observer.setArrivalDelay(150ms);
    m_observer.deviceArrived(&device);
    m_observer.deviceRemoved(&device);
    EXPECT_FALSE(m_observer.isPresent());
    ASSERT_EQ(m_unplug.count(), 1);
    EXPECT_EQ(m_unplug.at(0).at(0).toString(), "QuilloDeviceObserver::handleDeviceRemoved");
    // Well past the pause: still no plug signal and not one report exchanged.
    DeviceTest::waitUntil([] { return false; }, 600);
    EXPECT_EQ(m_plug.count(), 0);
    EXPECT_TRUE(device.exchanges.empty());
}

TEST_F(QuilloDeviceObserverTest, QueriesNeedAReceiver)
{
    unsigned int state = 42;
    EXPECT_TRUE(m_observer.batteryStatus(state).isEmpty());
    EXPECT_EQ(state, 42u);
    std::uint16_t threshold = 7;
    EXPECT_FALSE(m_observer.getClickThreshold(threshold));
    EXPECT_FALSE(m_observer.setClickThreshold(500));
    EXPECT_FALSE(m_observer.setReceiverClock(QDateTime::currentDateTime()));
    std::string version;
    EXPECT_FALSE(m_observer.firmwareVersion(version));
    EXPECT_EQ(threshold, 7u);
}

TEST_F(QuilloDeviceObserverTest, QueriesGoToThePresentReceiver)
{
    RecordingDevice device;
    m_observer.setArrivalDelay(10min);
    m_observer.deviceArrived(&device);
    unsigned int state = 0;
    device.answers.push_back(feature({0x80, 1, 0x0E, 1, 3}));
    EXPECT_EQ(m_observer.batteryStatus(state), "Battery charging");
    EXPECT_EQ(state, 3u);
    EXPECT_EQ(m_observer.lastBatteryText(), "Battery charging");
    // A failed query empties the text but keeps the state last written.
    device.failReads = true;
    EXPECT_TRUE(m_observer.batteryStatus(state).isEmpty());
    EXPECT_EQ(state, 3u);
    device.failReads = false;

    device.exchanges.clear();
    EXPECT_TRUE(m_observer.setReceiverClock(QDateTime(QDate(2010, 5, 17), QTime(14, 3, 9))));
    EXPECT_TRUE(m_observer.setClickThreshold(800));
    ASSERT_EQ(device.writes().size(), 2u);
    EXPECT_EQ(device.writes()[0], feature({0x80, 1, 8, 1, 10, 5, 17, 9, 3, 14}));
    EXPECT_EQ(device.writes()[1], feature({0x80, 1, 0x13, 1, 0x20, 0x03}));
    EXPECT_FALSE(m_observer.setReceiverClock(QDateTime()));
}

TEST(ReceiverTexts, BatteryStates)
{
    const char *expected[] = {
        "Invalid battery state",
        "Battery not operational",
        "Battery is critically low",
        "Battery charging",
        "Battery full",
        "Not charging low current",
        "Warning! Your Quillo receiver is not charging. Receiver temperature is too high",
        "Warning! Your Quillo receiver is not charging. Receiver temperature is too high",
        "Warning! Your Quillo receiver is not charging. Receiver temperature is too low",
        "Invalid battery state",
    };
    for (unsigned int state = 0; state < std::size(expected); ++state)
        EXPECT_EQ(batteryStateText(state), expected[state]) << state;
    EXPECT_EQ(batteryStateText(255), "Invalid battery state");
}

TEST(ReceiverTexts, EventCodes)
{
    const char *expected[] = {
        "no event",
        "Not enough space",
        "Space filled during work",
        "Shut down on time IR out",
        "battery exhausted",
        "too many files",
        "failed to startup - battery low",
        "MAX_NUMBER_OF_NIVO_EVENTS",
        "invalid event type",
    };
    for (unsigned int code = 0; code < std::size(expected); ++code)
        EXPECT_EQ(eventText(code), expected[code]) << code;
    EXPECT_EQ(eventText(4000000000u), "invalid event type");
}

namespace {

// Volumes are checked through the process-wide manager, here with a simulated receiver.
class ObserverVolumeTest : public QuilloDeviceObserverTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(m_folder.file("My Sketches"))));
        m_receiver = std::make_shared<SimulatedReceiver>(QString::fromStdString(m_folder.path()));
        DeviceManager::instance().setBackend(std::make_unique<SimulatedBackend>(m_receiver));
    }
    void TearDown() override { DeviceManager::instance().shutdown(); }

    TestSupport::TempDirectory m_folder;
    std::shared_ptr<SimulatedReceiver> m_receiver;
};

} // namespace

TEST_F(ObserverVolumeTest, TheFirstAnnouncementWinsUntilItsVolumeIsGone)
{
    const std::string root = m_receiver->volumeRoot();
    m_observer.volumeMounted(root);
    m_observer.volumeMounted("/elsewhere/");
    ASSERT_EQ(m_mounted.count(), 1);
    EXPECT_EQ(m_mounted.at(0).at(0).toString().toStdString(), root);

    // Still mounted and holding nothing but an empty folder: nothing to announce.
    m_observer.volumeCheck();
    EXPECT_EQ(m_unmounted.count(), 0);

    m_receiver->unmountVolume();
    m_observer.volumeCheck();
    m_observer.volumeCheck();
    ASSERT_EQ(m_unmounted.count(), 1);
    EXPECT_EQ(m_unmounted.at(0).at(0).toString().toStdString(), root);
    EXPECT_TRUE(m_observer.drive().isEmpty());

    m_observer.volumeMounted("/elsewhere/");
    EXPECT_EQ(m_mounted.count(), 2);
}

TEST_F(ObserverVolumeTest, AnEmptyRootIsAnnouncedButNotKept)
{
    m_observer.volumeMounted("");
    ASSERT_EQ(m_mounted.count(), 1);
    EXPECT_TRUE(m_mounted.at(0).at(0).toString().isEmpty());
    m_observer.volumeMounted(m_receiver->volumeRoot());
    EXPECT_EQ(m_mounted.count(), 2);
    EXPECT_EQ(m_observer.drive().toStdString(), m_receiver->volumeRoot());
}
