// Mount-table parsing and the sysfs attributes of the disks behind mounted volumes.
#include "device/linux/RemovableVolumes.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string readWhole(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// sysfs ends each attribute with one newline; the blanks before it are the disc's own.
std::string attribute(const fs::path &path)
{
    std::string text = readWhole(path);
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

std::string unescape(const std::string &field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' && field[i + 1] <= '3'
            && field[i + 2] >= '0' && field[i + 2] <= '7' && field[i + 3] >= '0'
            && field[i + 3] <= '7') {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8
                                     + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::string withoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

std::vector<MountEntry> parseMountInfo(const std::string &text)
{
    std::vector<MountEntry> entries;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string id, parent, device, root, mountPoint;
        if (fields >> id >> parent >> device >> root >> mountPoint)
            entries.push_back({device, unescape(root), unescape(mountPoint)});
    }
    return entries;
}

RemovableVolumes::RemovableVolumes(std::string sysfsRoot, std::string mountInfoPath)
    : m_sysfsRoot(std::move(sysfsRoot))
    , m_mountInfoPath(std::move(mountInfoPath))
{ }

std::vector<MountEntry> RemovableVolumes::readTable() const
{
    return parseMountInfo(readWhole(m_mountInfoPath));
}

std::vector<VolumeRecord> RemovableVolumes::scan() const
{
    std::vector<VolumeRecord> volumes;
    for (const MountEntry &entry : readTable()) {
        if (entry.root != "/")
            continue;
        std::error_code error;
        const fs::path node
            = fs::canonical(fs::path(m_sysfsRoot) / "dev/block" / entry.device, error);
        if (error)
            continue;
        // A partition's attributes of interest belong to the disk it is part of.
        const fs::path disk = fs::exists(node / "partition", error) ? node.parent_path() : node;
        if (attribute(disk / "removable") != "1" || !fs::is_directory(entry.mountPoint, error))
            continue;
        std::string root = withoutTrailingSlash(entry.mountPoint);
        if (root != "/")
            root += '/';
        volumes.push_back({attribute(disk / "device/vendor"), attribute(disk / "device/model"),
                           attribute(disk / "device/rev"), root});
    }
    return volumes;
}

bool RemovableVolumes::isMounted(const std::string &root) const
{
    const std::string wanted = withoutTrailingSlash(root);
    for (const MountEntry &entry : readTable()) {
        if (withoutTrailingSlash(entry.mountPoint) == wanted) {
            std::error_code error;
            fs::directory_iterator listing(wanted, error);
            return !error;
        }
    }
    return false;
}

std::vector<std::string> RemovableVolumes::mountPoints() const
{
    std::vector<std::string> points;
    for (const MountEntry &entry : readTable())
        points.push_back(entry.mountPoint);
    return points;
}
