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
using Events = std::vector<std::string>;

TEST(AcceptedId, BuiltFromHexadecimalAttributesWithFourDigits)
{
    EXPECT_EQ(acceptedIdFor("0x123", "0x4B0"), QString("VID_0123&PID_04B0"));
    EXPECT_EQ(acceptedIdFor("0x123", "0x00F"), QString("VID_0123&PID_000F"));
    EXPECT_EQ(acceptedIdFor("0x1209", "0xD3B0"), QString("VID_1209&PID_D3B0"));
    EXPECT_EQ(acceptedIdFor("0x1209", "0xd3b0"), QString("VID_1209&PID_D3B0"));
    EXPECT_EQ(acceptedIdFor("0x0001209", "0x1"), QString("VID_1209&PID_0001"));
}

TEST(AcceptedId, NoneWithoutThePrefixOrForNonNumbers)
{
    for (const auto &[vid, pid] : std::vector<std::pair<QString, QString>> {{"1209", "0xD3B0"},
                                                                            {"0x1209", "D3B0"},
                                                                            {"0X1209", "0xD3B0"},
                                                                            {"0x", "0x1"},
                                                                            {"0x12G9", "0x1"},
                                                                            {"0x10000", "0x1"},
                                                                            {"0x1209 ", "0x1"},
                                                                            {"0x-1", "0x1"},
                                                                            {"0x0x12", "0x1"},
                                                                            {"", ""}}) {
        EXPECT_FALSE(acceptedIdFor(vid, pid)) << vid.toStdString() << " " << pid.toStdString();
    }
}

TEST(AcceptedId, MatchesAsASubstringWithoutRegardToCase)
{
    const QStringList ids {"VID_0123&PID_04B0"};
    EXPECT_TRUE(matchesAcceptedId("\\\\?\\hid#vid_0123&pid_04b0#7&1a2b", ids));
    EXPECT_TRUE(matchesAcceptedId("VID_0123&PID_04B0 /dev/hidraw2", ids));
    EXPECT_FALSE(matchesAcceptedId("VID_0123&PID_04B1 /dev/hidraw2", ids));
    EXPECT_FALSE(matchesAcceptedId("VID_0123&PID_04B0", {}));
    EXPECT_FALSE(matchesAcceptedId("anything", {""}));
}

namespace {

// A platform whose interfaces and volumes the test lays out.
class FakeBackend : public ReceiverBackend
{
public:
    class Connection : public HidConnection
    {
    public:
        OpenStatus status() const override { return OpenStatus::Open; }
        bool sendFeatureReport(const FeatureReport &) override { return true; }
        bool getFeatureReport(FeatureReport &) override { return true; }
        ReadResult readInputReport(InputReport &, int) override { return ReadResult::Failed; }
    };

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
        return std::make_unique<Connection>();
    }
    std::vector<VolumeRecord> removableVolumes() override { return volumes; }
    bool isVolumeMounted(const std::string &) override { return false; }
    std::string name() const override { return "fake"; }

    std::vector<HidInterfaceInfo> interfaces;
    std::vector<VolumeRecord> volumes;
    std::vector<std::string> opened;
    BackendListener *listener = nullptr;
};

DeviceManager &manager()
{
    return DeviceManager::instance();
}

class DeviceManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(m_folder.file("My Sketches"))));
        m_receiver = std::make_shared<SimulatedReceiver>(QString::fromStdString(m_folder.path()));
        m_receiver->setReplayEnabled(false);
        auto backend = std::make_unique<SimulatedBackend>(m_receiver);
        m_backend = backend.get();
        manager().setBackend(std::move(backend));
        manager().setReportDelay(0ms);
        ReceiverIdentity::factoryDefaults().applyTo(manager());
        manager().setObserver(&m_observer);
    }
    void TearDown() override
    {
        manager().setObserver(nullptr);
        manager().shutdown();
        manager().setReportDelay(100ms);
    }
    void settle()
    {
        DeviceTest::waitUntil([] { return false; }, 50);
    }

    TestSupport::TempDirectory m_folder;
    std::shared_ptr<SimulatedReceiver> m_receiver;
    SimulatedBackend *m_backend = nullptr;
    RecordingObserver m_observer;
};

} // namespace

TEST_F(DeviceManagerTest, StartReportsTheVolumeThenOpensThePluggedReceiver)
{
    EXPECT_TRUE(manager().start());
    EXPECT_EQ(m_observer.events, Events({"volume " + m_receiver->volumeRoot(), "arrived"}));
    ASSERT_NE(manager().currentDevice(), nullptr);
    EXPECT_EQ(manager().currentDevice()->openStatus(), OpenStatus::Open);
    EXPECT_EQ(manager().currentDevice()->drivePath(), m_receiver->volumeRoot());
    EXPECT_EQ(manager().findReceiverVolume(), m_receiver->volumeRoot());
}

TEST_F(DeviceManagerTest, TheFactorySettingsRecogniseTheSimulatedReceiverAndItsVolume)
{
    TestSupport::ScopedDialogs dialogs;
    const QString user = QString::fromStdString(m_folder.file("draftbayuser.xml"));
    const QString factory
        = QStringLiteral(DRAFTBAY_SOURCE_DIR "/resources/support/draftbayfactory.xml");
    ASSERT_TRUE(QFile::copy(factory, user));
    ApplSettings settings;
    ASSERT_TRUE(settings.load(user, factory));
    const auto identity = ReceiverIdentity::fromSettings(settings);
    ASSERT_TRUE(identity);
    const ReceiverIdentity defaults = ReceiverIdentity::factoryDefaults();
    EXPECT_EQ(identity->vid, defaults.vid);
    EXPECT_EQ(identity->pid, defaults.pid);
    EXPECT_EQ(identity->vendorName, defaults.vendorName);
    EXPECT_EQ(identity->modelName, defaults.modelName);

    manager().setAcceptedIds({});
    identity->applyTo(manager());
    manager().start();
    EXPECT_NE(manager().currentDevice(), nullptr);
    EXPECT_EQ(manager().findReceiverVolume(), m_receiver->volumeRoot());
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(DeviceManagerTest, WithoutAnAcceptedIdNoReceiverIsOpened)
{
    ReceiverIdentity identity = ReceiverIdentity::factoryDefaults();
    identity.vid = "1209";
    identity.applyTo(manager());
    manager().start();
    EXPECT_EQ(manager().currentDevice(), nullptr);
    m_receiver->unplug();
    m_receiver->plug();
    settle();
    EXPECT_EQ(m_observer.events, Events({"volume " + m_receiver->volumeRoot()}));
}

TEST_F(DeviceManagerTest, HotPlugIsReportedOnceEachWay)
{
    manager().start();
    m_observer.events.clear();
    m_receiver->unplug();
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return manager().currentDevice() == nullptr; }));
    m_receiver->plug();
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return manager().currentDevice() != nullptr; }));
    settle();
    EXPECT_EQ(m_observer.events, Events({"removed", "arrived"}));
    EXPECT_EQ(manager().currentDevice(), m_observer.current);
}

TEST_F(DeviceManagerTest, SuspendReleasesAndResumeFindsTheReceiverAgain)
{
    manager().start();
    m_observer.events.clear();
    m_backend->simulateSuspend();
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return manager().currentDevice() == nullptr; }));
    m_backend->simulateResume();
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return manager().currentDevice() != nullptr; }));
    // The volume announced at the restart is the start's own report.
    EXPECT_EQ(m_observer.events,
              Events({"removed", "volume " + m_receiver->volumeRoot(), "arrived"}));
    // Notifications still arrive after the restart.
    m_receiver->unplug();
    EXPECT_TRUE(DeviceTest::waitUntil([&] { return manager().currentDevice() == nullptr; }));
}

TEST_F(DeviceManagerTest, VolumeNotificationsAskTheObserver)
{
    manager().start();
    m_observer.events.clear();
    m_receiver->unmountVolume();
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return !m_observer.events.empty(); }));
    EXPECT_EQ(m_observer.events, Events({"check"}));
    EXPECT_EQ(manager().currentDevice()->drivePath(), "");
    m_receiver->mountVolume();
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return m_observer.events.size() == 2; }));
    EXPECT_EQ(m_observer.events[1], "volume " + m_receiver->volumeRoot());
    EXPECT_EQ(manager().currentDevice()->drivePath(), m_receiver->volumeRoot());
}

TEST_F(DeviceManagerTest, AVolumeArrivingWithoutAReceiverIsNotAnnounced)
{
    m_receiver->unplug();
    m_receiver->unmountVolume();
    manager().start();
    m_receiver->mountVolume();
    settle();
    EXPECT_TRUE(m_observer.events.empty());
}

TEST_F(DeviceManagerTest, PulledOutBetweenWriteAndReadFailsTheExchangeAndIsReportedOnce)
{
    manager().start();
    m_observer.events.clear();
    m_receiver->unplugAfterFeatureWrites(1);
    unsigned int state = 99;
    EXPECT_FALSE(ProtocolHandler(manager().currentDevice()).getBatteryState(state));
    EXPECT_EQ(state, 99u);
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return manager().currentDevice() == nullptr; }));
    settle();
    EXPECT_EQ(m_observer.events, Events({"removed"}));
}

TEST_F(DeviceManagerTest, PulledOutInLiveModeEndsTheThreadAndIsReportedOnce)
{
    manager().start();
    m_observer.events.clear();
    auto *device = dynamic_cast<HidDevice *>(manager().currentDevice());
    ASSERT_NE(device, nullptr);
    device->startOnlineMode(&m_observer);
    ASSERT_TRUE(device->isReadingLive());
    std::thread([&] { m_receiver->unplug(); }).join();
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return manager().currentDevice() == nullptr; }));
    settle();
    EXPECT_EQ(m_observer.events, Events({"removed"}));
}

TEST_F(DeviceManagerTest, AReceiverThatCannotBeOpenedStillComesAndGoes)
{
    m_receiver->setOpenDenied(true);
    manager().start();
    Device *device = manager().currentDevice();
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->openStatus(), OpenStatus::PermissionDenied);
    EXPECT_EQ(manager().devicePath(), m_receiver->interfacePath());
    FeatureReport report {0x80, 0x55};
    EXPECT_FALSE(device->readPacket(report));
    EXPECT_FALSE(device->writePacket(report));
    EXPECT_EQ(report[1], 0x55);
    m_receiver->unplug();
    ASSERT_TRUE(DeviceTest::waitUntil([&] { return manager().currentDevice() == nullptr; }));
    EXPECT_EQ(m_observer.events.back(), "removed");
}

TEST_F(DeviceManagerTest, ADestroyedObserverIsNoLongerCalled)
{
    auto observer = std::make_unique<QuilloDeviceObserver>();
    manager().setObserver(observer.get());
    manager().start();
    auto *device = dynamic_cast<HidDevice *>(manager().currentDevice());
    device->startOnlineMode(observer.get());
    ASSERT_TRUE(device->isReadingLive());
    observer.reset();
    EXPECT_EQ(manager().observer(), nullptr);
    EXPECT_FALSE(device->isReadingLive());
    EXPECT_EQ(m_receiver->state().mode, 1u);
    m_receiver->unplug();
    EXPECT_TRUE(DeviceTest::waitUntil([&] { return manager().currentDevice() == nullptr; }));
}

namespace {

class FakePlatformTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto backend = std::make_unique<FakeBackend>();
        m_backend = backend.get();
        manager().setBackend(std::move(backend));
        ReceiverIdentity::factoryDefaults().applyTo(manager());
        manager().setObserver(&m_observer);
    }
    void TearDown() override
    {
        manager().setObserver(nullptr);
        manager().shutdown();
    }

    FakeBackend *m_backend = nullptr;
    RecordingObserver m_observer;
};

} // namespace

TEST_F(FakePlatformTest, TheFirstOfTwoReceiversWinsAndOnlyItsRemovalCounts)
{
    m_backend->interfaces = {{"/dev/hidraw0", "VID_046D&PID_C52B /dev/hidraw0"},
                             {"/dev/hidraw3", "vid_1209&pid_d3b0 /dev/hidraw3"},
                             {"/dev/hidraw5", "VID_1209&PID_D3B0 /dev/hidraw5"}};
    manager().start();
    EXPECT_EQ(m_backend->opened, std::vector<std::string>({"/dev/hidraw3"}));
    m_backend->listener->interfaceArrived({"/dev/hidraw7", "VID_1209&PID_D3B0 /dev/hidraw7"});
    EXPECT_EQ(m_backend->opened.size(), 1u);
    m_backend->listener->interfaceRemoved("/dev/hidraw5");
    EXPECT_NE(manager().currentDevice(), nullptr);
    m_backend->listener->interfaceRemoved("/dev/hidraw3");
    m_backend->listener->interfaceRemoved("/dev/hidraw3");
    EXPECT_EQ(manager().currentDevice(), nullptr);
    EXPECT_EQ(m_observer.events, Events({"arrived", "removed"}));
}

TEST_F(FakePlatformTest, ReceiverVolumeMatchesNamesWithoutRegardToCaseButWithBlanks)
{
    m_backend->volumes = {{"QUILLO", "DRAFTBAY RECEIVR", "", "/media/a/"},
                          {"QUILLO  ", "DRAFTBAY RECEIVER", "", "/media/b/"},
                          {"quillo  ", "draftbay receivr", "", "/media/c/"},
                          {"QUILLO  ", "DRAFTBAY RECEIVR", "", "/media/d/"}};
    EXPECT_EQ(manager().findReceiverVolume(), "/media/c/");
    m_backend->volumes.resize(2);
    EXPECT_EQ(manager().findReceiverVolume(), "");
}

TEST_F(FakePlatformTest, StartAnnouncesOnlyAFoundVolume)
{
    manager().start();
    EXPECT_TRUE(m_observer.events.empty());
    m_backend->volumes = {{"QUILLO  ", "DRAFTBAY RECEIVR", "", "/media/q/"}};
    manager().start();
    EXPECT_EQ(m_observer.events, Events({"volume /media/q/"}));
}
