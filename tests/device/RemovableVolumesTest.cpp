// Finding the receiver's volume on Linux: fake sysfs and mount tables, and the mount-table
// watch of the hidraw backend.
#include "device/linux/RemovableVolumes.h"

#include "TempDirectory.h"
#include "device/DeviceManager.h"
#include "device/ReceiverIdentity.h"
#include "device/linux/HidapiBackend.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using TestSupport::writeFile;

namespace {

// Lays out sysfs disks, their block-device links and mount points under one folder.
class FakeSystem
{
public:
    std::string sysfs() const { return m_root.file("sys"); }
    std::string mountInfo() const { return m_root.file("mountinfo"); }
    std::string mountPoint(const std::string &name) const { return m_root.file("media/" + name); }

    /// A disk with its identity, and optionally a first partition.
    void addDisk(const std::string &disk, const std::string &majorMinor, bool removable,
                 const std::string &vendor, const std::string &model,
                 const std::string &partitionMajorMinor = {})
    {
        const fs::path dir = fs::path(sysfs()) / "block" / disk;
        fs::create_directories(dir / "device");
        writeFile((dir / "removable").string(), removable ? "1\n" : "0\n");
        writeFile((dir / "device/vendor").string(), vendor + "\n");
        writeFile((dir / "device/model").string(), model + "\n");
        link(majorMinor, "../../block/" + disk);
        if (!partitionMajorMinor.empty()) {
            fs::create_directories(dir / (disk + "1"));
            writeFile((dir / (disk + "1") / "partition").string(), "1\n");
            link(partitionMajorMinor, "../../block/" + disk + "/" + disk + "1");
        }
    }
    /// One mountinfo line; the mount point's blanks are escaped as the kernel does.
    std::string mountLine(const std::string &majorMinor, const std::string &name,
                          const std::string &root = "/")
    {
        fs::create_directories(mountPoint(name));
        std::string escaped;
        for (char c : mountPoint(name))
            escaped += c == ' ' ? std::string("\\040") : std::string(1, c);
        return "36 25 " + majorMinor + " " + root + " " + escaped
            + " rw,nosuid shared:1 - vfat /dev/x rw\n";
    }

private:
    void link(const std::string &majorMinor, const std::string &target)
    {
        fs::create_directories(fs::path(sysfs()) / "dev/block");
        fs::create_directory_symlink(target, fs::path(sysfs()) / "dev/block" / majorMinor);
    }

    TestSupport::TempDirectory m_root;
};

class RecordingListener : public BackendListener
{
public:
    void interfaceArrived(const HidInterfaceInfo &) override { }
    void interfaceRemoved(const std::string &) override { }
    void volumeArrived() override { events.push_back("volume arrived"); }
    void volumeRemoved() override { events.push_back("volume removed"); }
    void systemSuspending() override { }
    void systemResumed() override { }
    std::vector<std::string> events;
};

} // namespace

TEST(RemovableVolumes, TheFirstMountedDiscWithTheReceiversPaddedNamesInAnyCaseIsItsVolume)
{
    FakeSystem system;
    system.addDisk("sda", "8:0", false, "ATA     ", "INTERNAL DISK   ", "8:1");
    system.addDisk("sdb", "8:16", true, "QUILLO", "DRAFTBAY RECEIVR");
    system.addDisk("sdc", "8:32", true, "quillo  ", "Draftbay Receivr", "8:33");
    system.addDisk("sdd", "8:48", true, "QUILLO  ", "DRAFTBAY RECEIVR", "8:49");
    writeFile(system.mountInfo(),
              system.mountLine("8:1", "internal") + system.mountLine("0:45", "tmp")
                  + system.mountLine("8:16", "b") + system.mountLine("8:33", "QUILLO RX")
                  + system.mountLine("8:33", "bound", "/My") + system.mountLine("8:49", "d"));
    const RemovableVolumes volumes(system.sysfs(), system.mountInfo());
    auto found = volumes.scan();
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].vendor, "QUILLO");
    EXPECT_EQ(found[0].root, system.mountPoint("b") + "/");
    EXPECT_EQ(found[1].vendor, "quillo  ");
    EXPECT_EQ(found[1].model, "Draftbay Receivr");
    EXPECT_EQ(found[1].root, system.mountPoint("QUILLO RX") + "/");
    EXPECT_TRUE(volumes.isMounted(system.mountPoint("QUILLO RX") + "/"));
    EXPECT_TRUE(volumes.isMounted(system.mountPoint("QUILLO RX")));
    DeviceManager &manager = DeviceManager::instance();
    manager.setBackend(std::make_unique<HidapiBackend>(system.sysfs(), system.mountInfo()));
    ReceiverIdentity::factoryDefaults().applyTo(manager);
    EXPECT_EQ(manager.findReceiverVolume(), system.mountPoint("QUILLO RX") + "/");

    // A mount point that is gone, or a folder that is not in the table, is no volume.
    fs::remove(system.mountPoint("QUILLO RX"));
    EXPECT_EQ(volumes.scan().size(), 2u);
    EXPECT_FALSE(volumes.isMounted(system.mountPoint("QUILLO RX")));
    EXPECT_EQ(manager.findReceiverVolume(), system.mountPoint("d") + "/");
    fs::create_directories(system.mountPoint("loose"));
    EXPECT_FALSE(volumes.isMounted(system.mountPoint("loose")));
    manager.shutdown();
}

TEST(HidapiBackend, MountTableChangesBecomeVolumeNotificationsWhileWatching)
{
    FakeSystem system;
    system.addDisk("sdb", "8:16", true, "QUILLO  ", "DRAFTBAY RECEIVR", "8:17");
    const std::string root = system.mountLine("8:1", "root");
    const std::string withReceiver = root + system.mountLine("8:17", "rx");
    writeFile(system.mountInfo(), root);
    HidapiBackend backend(system.sysfs(), system.mountInfo());
    RecordingListener listener;
    backend.startWatching(listener);

    backend.handleMountTableChanged();
    writeFile(system.mountInfo(), withReceiver);
    backend.handleMountTableChanged();
    EXPECT_EQ(backend.removableVolumes().size(), 1u);
    writeFile(system.mountInfo(), root);
    backend.handleMountTableChanged();
    EXPECT_TRUE(backend.removableVolumes().empty());
    backend.stopWatching();
    writeFile(system.mountInfo(), withReceiver);
    backend.handleMountTableChanged();
    EXPECT_EQ(listener.events, std::vector<std::string>({"volume arrived", "volume removed"}));
}
