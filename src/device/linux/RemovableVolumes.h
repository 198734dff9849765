// The removable disc volumes of this machine, from the mount table and sysfs.
#pragma once

#include "device/ReceiverBackend.h"

#include <string>
#include <vector>

/// One line of a mountinfo file.
struct MountEntry
{
    /// "major:minor" of the mounted device.
    std::string device;
    /// The folder of the filesystem that is mounted; "/" for a whole volume.
    std::string root;
    std::string mountPoint;
};

/// The entries of mountinfo text, in order, with octal escapes ("\040") decoded.
std::vector<MountEntry> parseMountInfo(const std::string &text);

class RemovableVolumes
{
public:
    /// Both paths can point into a fake tree for tests.
    explicit RemovableVolumes(std::string sysfsRoot = "/sys",
                              std::string mountInfoPath = "/proc/self/mountinfo");

    /// Whole volumes mounted from disks that report removable media, in mount-table order;
    /// vendor, model and revision exactly as the disc reports them (blanks kept).
    std::vector<VolumeRecord> scan() const;
    /// Whether root ("/media/x/" or "/media/x") is still a mount point and listable.
    bool isMounted(const std::string &root) const;
    /// Every mount point, for noticing what a change of the table added or removed.
    std::vector<std::string> mountPoints() const;

    const std::string &mountInfoPath() const { return m_mountInfoPath; }

private:
    std::vector<MountEntry> readTable() const;

    std::string m_sysfsRoot;
    std::string m_mountInfoPath;
};
