// The receiver in the window, driven by the simulated receiver: tray, battery indicator and
// its warnings, the folder switches on mount and unmount, and the device messages.
#include "browser/ReceiverStatus.h"

#include "../device/DeviceTestSupport.h"
#include "BrowserTestSupport.h"
#include "browser/AboutDialog.h"
#include "browser/DirView.h"
#include "browser/MainWindow.h"
#include "browser/TrayController.h"
#include "device/DeviceManager.h"
#include "device/QuilloDeviceObserver.h"
#include "device/ReceiverTexts.h"
#include "device/sim/SimulatedBackend.h"
#include "device/sim/SimulatedReceiver.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QSignalSpy>
#include <QSystemTrayIcon>

#include <atomic>
#include <thread>

using namespace std::chrono_literals;
using namespace TestSupport;

namespace {

QImage picture(const QString &resource)
{
    return QPixmap(resource).toImage();
}

class ReceiverStatusTest : public BrowserFixture
{
protected:
    void SetUp() override
    {
        BrowserFixture::SetUp();
        initDraftbayResources();
        m_sketches = QDir::toNativeSeparators(folder("volume/My Sketches", 1));
        m_start = QDir::toNativeSeparators(folder("start"));
        ASSERT_TRUE(settings().setAttribute("startup_directory/directory", "path", m_start));
        m_receiver = DeviceTest::installSimulatedReceiver(folder("volume"));
        setDesktopServices(std::make_unique<RecordingDesktop>(&m_opened));
    }
    void TearDown() override
    {
        DeviceManager::instance().shutdown();
        setDesktopServices(nullptr);
    }

    /// Starts the window with the receiver as it is now; waits for a plugged one's arrival.
    void start(MainWindow &window)
    {
        window.receiverStatus()->observer()->setArrivalDelay(1ms);
        window.init(m_start, "user.xml");
        if (m_receiver->isPlugged()) {
            ASSERT_TRUE(waitUntil([&] { return window.receiverStatus()->isConnected(); }));
        }
    }

    QString m_sketches;
    QString m_start;
    std::shared_ptr<SimulatedReceiver> m_receiver;
    QList<QUrl> m_opened;
};

} // namespace

TEST_F(ReceiverStatusTest, PlugBatteryStatesTheirWarningsOncePerChangeAndUnplugOfTheShownVolume)
{
    // Every pause of the receiver's exchanges (the report delays) is made off the window's
    // thread, through the plug, the preparation and the battery polls alike.
    std::atomic<int> pausesOnWindowThread {0};
    std::atomic<int> pauses {0};
    const std::thread::id windowThread = std::this_thread::get_id();
    DeviceManager::instance().setPauseHook([&](std::chrono::milliseconds) {
        ++pauses;
        if (std::this_thread::get_id() == windowThread)
            ++pausesOnWindowThread;
    });
    MainWindow window;
    QSignalSpy unplugRelayed(&window, &MainWindow::handleHIDDeviceUnplugSgnl);
    start(window);
    ReceiverStatus *status = window.receiverStatus();
    QSystemTrayIcon *tray = window.trayIcon();
    // The volume already there at the start is shown in a window brought up for it.
    EXPECT_TRUE(window.isReceiverVolumeMounted());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.currentFolder(), m_sketches);
    EXPECT_EQ(window.folderTree()->receiverFolder(), m_sketches);

    EXPECT_EQ(tray->toolTip(), "Quillo Draftbay is connected");
    EXPECT_EQ(tray->icon().pixmap(32).toImage(),
              QIcon(":/misc/Resources/USB/USB_32X32.png").pixmap(32).toImage());
    EXPECT_TRUE(status->batteryTimer().isActive());
    EXPECT_EQ(status->batteryTimer().interval(), 30000);
    {
        // The About box learns the receiver's firmware version once the receiver answers.
        AboutDialog about(QString {});
        auto *line = about.findChild<QLabel *>("firmware");
        ASSERT_NE(line, nullptr);
        status->showFirmwareVersion(&about);
        ASSERT_TRUE(waitUntil([&] { return !line->isHidden(); }));
        EXPECT_EQ(line->text(), "Firmware version: 100.201.004");
    }

    auto *trayController = window.findChild<TrayController *>();
    ASSERT_NE(trayController, nullptr);
    QSignalSpy warnings(trayController, &TrayController::warningShown);
    QSignalSpy shown(status, &ReceiverStatus::batteryStatusShown);
    const QString notCharging = "Warning! Your Quillo receiver is not charging.  If you wish to "
                                "charge the receiver, please reconnect to a powered USB port.";
    const QString broken = "Warning! Your Quillo receiver is not charging. Either battery is "
                           "malfunctioning or it is not properly connected.";
    const QString critical
        = "Battery level is critical, please charge the receiver for at least 30 minutes.";
    const struct
    {
        unsigned int state;
        const char *picture;
        QStringList warningsSoFar;
    } polls[] = {
        {4, "battery_full", {}},
        {5, "battery_not_charging", {notCharging}},
        {5, "battery_not_charging", {notCharging}},
        {1, "battery_not_charging", {notCharging, broken}},
        {2, "battery_critically_low", {notCharging, broken, critical}},
        {2, "battery_critically_low", {notCharging, broken, critical}},
        {3, "battery_in_charge", {notCharging, broken, critical}},
        {7, "battery_not_charging", {notCharging, broken, critical}},
        {2, "battery_critically_low", {notCharging, broken, critical, critical}},
    };
    for (const auto &poll : polls) {
        SCOPED_TRACE(poll.state);
        m_receiver->setBatteryState(poll.state);
        const int before = shown.count();
        status->shootBatteryStatusSlot();
        ASSERT_TRUE(waitUntil([&] { return shown.count() == before + 1; }));
        EXPECT_EQ(status->batteryIndicator()->pixmap().toImage(),
                  picture(QStringLiteral(":/misc/Resources/miscell/%1.png").arg(poll.picture)));
        EXPECT_EQ(status->batteryIndicator()->toolTip(), batteryStateText(poll.state));
        QStringList texts;
        for (const QList<QVariant> &warning : warnings)
            texts << warning.at(0).toString();
        EXPECT_EQ(texts, poll.warningsSoFar);
    }

    EXPECT_GT(pauses.load(), 10);
    EXPECT_EQ(pausesOnWindowThread.load(), 0);
    DeviceManager::instance().setPauseHook({});

    // A second observer (the settings dialog's) listens beside the window's: both hear the
    // removal below, and the window keeps polling meanwhile.
    QuilloDeviceObserver follower(nullptr, QuilloDeviceObserver::Role::Following);
    follower.adoptDevice(DeviceManager::instance().currentDevice());
    QSignalSpy followerUnplug(&follower, &QuilloDeviceObserver::HIDDeviceUnplugSgnl);
    status->shootBatteryStatusSlot();
    ASSERT_TRUE(waitUntil([&] { return shown.count() == std::ssize(polls) + 1; }));

    // The volume goes while its folder is shown: back to the start folder.
    m_receiver->unmountVolume();
    ASSERT_TRUE(waitUntil([&] { return !window.isReceiverVolumeMounted(); }));
    EXPECT_EQ(window.currentFolder(), m_start);
    EXPECT_TRUE(window.folderTree()->receiverFolder().isEmpty());

    // A poll still on its way when the receiver goes ends as a failure, not a shown state.
    status->shootBatteryStatusSlot();
    m_receiver->unplug();
    ASSERT_TRUE(waitUntil([&] { return !status->isConnected(); }));
    EXPECT_EQ(unplugRelayed.count(), 1);
    EXPECT_EQ(followerUnplug.count(), 1);
    EXPECT_FALSE(follower.isPresent());
    settle(50);
    EXPECT_EQ(tray->toolTip(), "Quillo Draftbay is disconnected");
    EXPECT_EQ(tray->icon().pixmap(32).toImage(),
              QIcon(":/misc/Resources/USB/USB_unplug_32X32.png").pixmap(32).toImage());
    EXPECT_FALSE(status->batteryTimer().isActive());
    const QImage empty = status->batteryIndicator()->pixmap().toImage();
    EXPECT_EQ(empty.size(), QSize(32, 24));
    EXPECT_EQ(empty.pixelColor(16, 12).alpha(), 0);
    EXPECT_TRUE(status->batteryIndicator()->toolTip().isEmpty());
    EXPECT_FALSE(actionNamed(window, "Back")->isEnabled());
    EXPECT_FALSE(actionNamed(window, "Forward")->isEnabled());
    EXPECT_FALSE(status->batteryIndicator()->accessibleName().isEmpty());
}

TEST_F(ReceiverStatusTest, FullMemoryOpensTheSketchesOnceOnTheNextMountAndOtherFoldersStay)
{
    m_receiver->setLastEvent(2); // "Space filled during work"
    MainWindow window;
    start(window);
    ReceiverStatus *status = window.receiverStatus();
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages[0].icon, DialogService::Icon::Critical);
    EXPECT_EQ(m_dialogs->messages[0].title, "Quillo Draftbay");
    EXPECT_EQ(m_dialogs->messages[0].text,
              "The Quillo receiver has shutdown.  Please free up receiver memory.");
    EXPECT_TRUE(m_opened.isEmpty()) << "the volume was shown before the message came";

    // A mount without a drive changes nothing.
    const QString elsewhere = QDir::toNativeSeparators(folder("elsewhere"));
    window.folderTree()->selectPath(elsewhere);
    status->handleStorageDevicePlugSlot(QString());
    EXPECT_EQ(window.currentFolder(), elsewhere);

    // The volume goes while another folder is shown: that folder stays.
    m_receiver->unmountVolume();
    ASSERT_TRUE(waitUntil([&] { return !window.isReceiverVolumeMounted(); }));
    EXPECT_EQ(window.currentFolder(), elsewhere);

    for (int mount = 0; mount < 2; ++mount) {
        m_receiver->mountVolume();
        ASSERT_TRUE(waitUntil([&] { return window.isReceiverVolumeMounted(); }));
        EXPECT_EQ(window.currentFolder(), m_sketches);
        m_receiver->unmountVolume();
        ASSERT_TRUE(waitUntil([&] { return !window.isReceiverVolumeMounted(); }));
    }
    ASSERT_EQ(m_opened.size(), 1);
    EXPECT_EQ(QDir::toNativeSeparators(m_opened[0].toLocalFile()), m_sketches);

    // A receiver that shut down on a flat battery says so when it comes back.
    auto *tray = window.findChild<TrayController *>();
    QSignalSpy warnings(tray, &TrayController::warningShown);
    m_receiver->unplug();
    ASSERT_TRUE(waitUntil([&] { return !status->isConnected(); }));
    m_receiver->setLastEvent(4); // "battery exhausted"
    m_receiver->plug();
    ASSERT_TRUE(waitUntil([&] { return status->isConnected(); }));
    EXPECT_EQ(status->lastDeviceMessage(), "battery exhausted");
    ASSERT_EQ(warnings.count(), 1);
    EXPECT_EQ(warnings.at(0).at(0).toString(), "Unit was shut down due to low battery.");
    EXPECT_EQ(m_dialogs->messages.size(), 1);
}

TEST_F(ReceiverStatusTest, AReceiverPulledWhileItsArrivalMessageIsUpStaysGone)
{
    m_receiver->setLastEvent(1); // "Not enough space"
    bool removedMeanwhile = false;
    m_dialogs->whileMessageShown = [&] {
        m_receiver->unplug();
        removedMeanwhile
            = waitUntil([] { return DeviceManager::instance().currentDevice() == nullptr; });
    };
    MainWindow window;
    window.receiverStatus()->observer()->setArrivalDelay(1ms);
    window.init(m_start, "user.xml");
    ASSERT_TRUE(waitUntil([&] { return m_dialogs->messages.size() == 1; }));
    EXPECT_TRUE(removedMeanwhile);
    settle(50);
    // The announcement that would have followed the message is not made for a gone receiver.
    EXPECT_FALSE(window.receiverStatus()->isConnected());
    EXPECT_EQ(window.trayIcon()->toolTip(), "Quillo Draftbay is disconnected");
    EXPECT_FALSE(window.receiverStatus()->batteryTimer().isActive());
}
