// The device manager: accepted ids, arrival and removal, suspend and resume, volumes, and
// a receiver pulled out in the middle of an exchange or of live mode.
#include "device/DeviceManager.h"

#include "DeviceTestSupport.h"
#include "RecordingDialogService.h"
#include "TempDirectory.h"
#include "device/HidDevice.h"
#include "device/ProtocolHandler.h"
#include "device/QuilloDeviceObserver.h"
#include "device/ReceiverIdentity.h"
#include "device/sim/SimulatedBackend.h"
#include "device/sim/SimulatedReceiver.h"
#include "settings/ApplSettings.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <thread>

using namespace std::chrono_literals;
using DeviceTest::RecordingObserver;
using DeviceTest::waitUntil;
using Events = std::vector<std::string>;

TEST(AcceptedId, BuiltFromHexadecimalAttributesWithFourDigitsAndMatchedInAnyCase)
{
    EXPECT_EQ(acceptedIdFor("0x123", "0x4B0"), QString("VID_0123&PID_04B0"));
    EXPECT_EQ(acceptedIdFor("0x1209", "0xd3b0"), QString("VID_1209&PID_D3B0"));
    EXPECT_EQ(acceptedIdFor("0x0001209", "0x1"), QString("VID_1209&PID_0001"));
    // Without the "0x" prefix, or not a number below 0x10000: no id.
    for (const char *text :
         {"1209 0xD3B0", "0X1209 0xD3B0", "0x 0x1", "0x12G9 0x1", "0x10000 0x1", "0x-1 0x1"}) {
        const QStringList pair = QString(text).split(' ');
        EXPECT_FALSE(acceptedIdFor(pair[0], pair[1])) << text;
    }

    const QStringList ids {"VID_0123&PID_04B0"};
    EXPECT_TRUE(matchesAcceptedId("\\\\?\\hid#vid_0123&pid_04b0#7&1a2b", ids));
    EXPECT_FALSE(matchesAcceptedId("VID_0123&PID_04B1 /dev/hidraw2", ids));
    EXPECT_FALSE(matchesAcceptedId("anything", {""}));
}

namespace {

DeviceManager &manager()
{
    return DeviceManager::instance();
}

class DeviceManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_receiver = DeviceTest::installSimulatedReceiver(QString::fromStdString(m_folder.path()));
        ReceiverIdentity::factoryDefaults().applyTo(manager());
        manager().setObserver(&m_observer);
    }
    void TearDown() override
    {
        manager().setObserver(nullptr);
        manager().shutdown();
        manager().setReportDelay(100ms);
    }
    // Waits for the receiver to be gone, then gives anything that should not come its chance.
    static bool waitForRemoval()
    {
        const bool removed = waitUntil([] { return manager().currentDevice() == nullptr; });
        QTest::qWait(50);
        return removed;
    }

    TestSupport::TempDirectory m_folder;
    std::shared_ptr<SimulatedReceiver> m_receiver;
    RecordingObserver m_observer;
};

} // namespace

TEST_F(DeviceManagerTest, TheFactorySettingsRecogniseTheSimulatedReceiverAndItsVolume)
{
    TestSupport::ScopedDialogs dialogs;
    const QString user = QString::fromStdString(m_folder.file("draftbayuser.xml"));
    const QString factory = DRAFTBAY_SOURCE_DIR "/resources/support/draftbayfactory.xml";
    ASSERT_TRUE(QFile::copy(factory, user));
    ApplSettings settings;
    ASSERT_TRUE(settings.load(user, factory));
    const auto identity = ReceiverIdentity::fromSettings(settings);
    ASSERT_TRUE(identity);
    manager().setAcceptedIds({});
    manager().setVendorName("");
    identity->applyTo(manager());
    manager().start();
    EXPECT_NE(manager().currentDevice(), nullptr);
    EXPECT_EQ(manager().findReceiverVolume(), m_receiver->volumeRoot());
}

TEST_F(DeviceManagerTest, StartHotPlugSuspendResumeAndADeniedReceiverAreReportedOnceEachWay)
{
    EXPECT_TRUE(manager().start());
    ASSERT_NE(manager().currentDevice(), nullptr);
    EXPECT_EQ(manager().currentDevice()->openStatus(), OpenStatus::Open);
    m_receiver->unplug();
    ASSERT_TRUE(waitForRemoval());
    m_receiver->plug();
    ASSERT_TRUE(waitUntil([&] { return manager().currentDevice() != nullptr; }));
    EXPECT_EQ(manager().currentDevice(), m_observer.current);
    static_cast<SimulatedBackend *>(manager().backend())->simulateSuspend();
    ASSERT_TRUE(waitForRemoval());
    static_cast<SimulatedBackend *>(manager().backend())->simulateResume();
    ASSERT_TRUE(waitUntil([&] { return manager().currentDevice() != nullptr; }));
    // Notifications still arrive after the restart.
    m_receiver->unplug();
    ASSERT_TRUE(waitForRemoval());
    // A receiver the user may not open still comes, fails every exchange, and goes.
    m_receiver->setOpenDenied(true);
    m_receiver->plug();
    ASSERT_TRUE(waitUntil([&] { return manager().currentDevice() != nullptr; }));
    EXPECT_EQ(manager().currentDevice()->openStatus(), OpenStatus::PermissionDenied);
    unsigned int state = 0;
    EXPECT_FALSE(ProtocolHandler(manager().currentDevice()).getBatteryState(state));
    m_receiver->unplug();
    ASSERT_TRUE(waitForRemoval());
    // A start, and so the restart after a resume, reports the volume before the receiver.
    const std::string volume = "volume " + m_receiver->volumeRoot();
    EXPECT_EQ(m_observer.events,
              Events({volume, "arrived", "removed", "arrived", "removed", volume, "arrived",
                      "removed", "arrived", "removed"}));
}

TEST_F(DeviceManagerTest, VolumesAreAnnouncedOnlyWhenFoundAndWithAReceiver)
{
    m_receiver->unmountVolume();
    manager().start();
    EXPECT_EQ(m_observer.events, Events({"arrived"}));
    m_receiver->mountVolume();
    ASSERT_TRUE(waitUntil([&] { return m_observer.events.size() == 2; }));
    EXPECT_EQ(manager().currentDevice()->drivePath(), m_receiver->volumeRoot());
    // A volume that goes asks the observer to check its own.
    m_receiver->unmountVolume();
    ASSERT_TRUE(waitUntil([&] { return m_observer.events.size() == 3; }));
    EXPECT_EQ(manager().currentDevice()->drivePath(), "");
    m_receiver->unplug();
    ASSERT_TRUE(waitForRemoval());
    m_receiver->mountVolume();
    QTest::qWait(50);
    EXPECT_EQ(m_observer.events,
              Events({"arrived", "volume " + m_receiver->volumeRoot(), "check", "removed"}));
}

TEST_F(DeviceManagerTest, PulledOutDuringAnExchangeOrLiveModeEndsItAndIsReportedOnce)
{
    manager().start();
    m_observer.events.clear();
    // Between the write of a query and the read of its answer.
    m_receiver->unplugAfterFeatureWrites(1);
    unsigned int state = 99;
    EXPECT_FALSE(ProtocolHandler(manager().currentDevice()).getBatteryState(state));
    EXPECT_EQ(state, 99u);
    ASSERT_TRUE(waitForRemoval());

    // While the live thread waits for a report.
    m_receiver->plug();
    ASSERT_TRUE(waitUntil([&] { return manager().currentDevice() != nullptr; }));
    auto *device = dynamic_cast<HidDevice *>(manager().currentDevice());
    ASSERT_NE(device, nullptr);
    device->startOnlineMode(&m_observer);
    ASSERT_TRUE(device->isReadingLive());
    std::thread([&] { m_receiver->unplug(); }).join();
    ASSERT_TRUE(waitForRemoval());
    EXPECT_EQ(m_observer.events, Events({"removed", "arrived", "removed"}));
}

TEST_F(DeviceManagerTest, ADestroyedObserverIsNoLongerCalledAndItsLiveModeEnds)
{
    auto observer = std::make_unique<QuilloDeviceObserver>();
    manager().setObserver(observer.get());
    manager().start();
    auto *device = dynamic_cast<HidDevice *>(manager().currentDevice());
    ASSERT_NE(device, nullptr);
    device->startOnlineMode(observer.get());
    ASSERT_TRUE(device->isReadingLive());
    observer.reset();
    EXPECT_TRUE(manager().observers().empty());
    // Live mode ends on the receiver's worker, not on the thread that destroyed the observer.
    EXPECT_TRUE(waitUntil([&] { return !device->isReadingLive(); }));
    device->finishWork();
    EXPECT_EQ(m_receiver->state().mode, 1u);
    m_receiver->unplug();
    EXPECT_TRUE(waitForRemoval());
}

namespace {

// A platform whose interfaces the test lays out; nothing it opens answers.
class FakeBackend : public ReceiverBackend
{
public:
    bool startWatching(BackendListener &l) override
    {
        listener = &l;
        return true;
    }
    void stopWatching() override { listener = nullptr; }
    std::vector<HidInterfaceInfo> enumerate() override { return interfaces; }
    std::unique_ptr<HidConnection> open(const std::string &path) override
    {
        opened.push_back(path);
        return nullptr;
    }
    std::vector<VolumeRecord> removableVolumes() override { return {}; }
    bool isVolumeMounted(const std::string &) override { return false; }
    std::string name() const override { return "fake"; }

    std::vector<HidInterfaceInfo> interfaces;
    std::vector<std::string> opened;
    BackendListener *listener = nullptr;
};

} // namespace

TEST(FakePlatform, TheFirstOfTwoReceiversWinsAndOnlyItsRemovalCounts)
{
    auto backend = std::make_unique<FakeBackend>();
    FakeBackend &fake = *backend;
    fake.interfaces = {{"/dev/hidraw0", "VID_046D&PID_C52B /dev/hidraw0"},
                       {"/dev/hidraw3", "vid_1209&pid_d3b0 /dev/hidraw3"},
                       {"/dev/hidraw5", "VID_1209&PID_D3B0 /dev/hidraw5"}};
    manager().setBackend(std::move(backend));
    ReceiverIdentity::factoryDefaults().applyTo(manager());
    RecordingObserver observer;
    manager().setObserver(&observer);
    manager().start();
    EXPECT_EQ(fake.opened, std::vector<std::string>({"/dev/hidraw3"}));
    fake.listener->interfaceArrived({"/dev/hidraw7", "VID_1209&PID_D3B0 /dev/hidraw7"});
    EXPECT_EQ(fake.opened.size(), 1u);
    // Only the open receiver's own removal counts, once.
    fake.listener->interfaceRemoved("/dev/hidraw5");
    EXPECT_NE(manager().currentDevice(), nullptr);
    fake.listener->interfaceRemoved("/dev/hidraw3");
    fake.listener->interfaceRemoved("/dev/hidraw3");
    EXPECT_EQ(manager().currentDevice(), nullptr);
    EXPECT_EQ(observer.events, Events({"arrived", "removed"}));

    manager().setObserver(nullptr);
    manager().shutdown();
}
