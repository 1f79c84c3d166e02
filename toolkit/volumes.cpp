#include "toolkit/volumes.h"

#include <QFile>
#include <QStorageInfo>
#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <mntent.h>
#include <string_view>
#include <sys/stat.h>

namespace {

bool startsWithComponent(std::string_view path, std::string_view folder)
{
    if (folder == "/")
        return path.starts_with('/');
    return path.starts_with(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

bool isNetworkFileSystem(std::string_view type)
{
    constexpr std::array<std::string_view, 14> network{"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs",
                                                       "9p", "ceph", "glusterfs", "fuse.sshfs", "sshfs",
                                                       "fuse.davfs", "davfs"};
    return std::find(network.begin(), network.end(), type) != network.end();
}

// /sys/block/<disk>/removable, for a partition's parent disk too.
bool blockDeviceIsRemovable(const std::string &device)
{
    if (!device.starts_with("/dev/"))
        return false;
    std::string name = device.substr(5);
    for (int tries = 0; tries < 2; ++tries) {
        QFile flag(QString::fromStdString("/sys/block/" + name + "/removable"));
        if (flag.open(QIODevice::ReadOnly))
            return flag.readAll().trimmed() == "1";
        // sdb1 -> sdb, mmcblk0p1 -> mmcblk0
        while (!name.empty() && std::isdigit(static_cast<unsigned char>(name.back())))
            name.pop_back();
        if (!name.empty() && name.back() == 'p' && name.starts_with("mmcblk"))
            name.pop_back();
    }
    return false;
}

} // namespace

std::vector<MountRecord> systemVolumes()
{
    // Labels by device, as Qt finds them.
    std::map<std::string, std::string> labels;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes())
        labels[storage.device().toStdString()] = storage.name().toStdString();

    // The mount table itself, not Qt's reading of it: mount points are bytes,
    // and Qt turns those that are not UTF-8 into other names.
    std::vector<MountRecord> volumes;
    FILE *table = ::setmntent("/proc/self/mounts", "r");
    if (!table)
        return volumes;
    while (const mntent *entry = ::getmntent(table)) {
        // Containers bind-mount single files (/etc/hosts and the like): only a
        // folder can be opened as a volume.
        struct stat info;
        if (::stat(entry->mnt_dir, &info) != 0 || !S_ISDIR(info.st_mode))
            continue;
        MountRecord volume{entry->mnt_dir, entry->mnt_type, entry->mnt_fsname, {}, false};
        if (const auto label = labels.find(volume.device); label != labels.end())
            volume.label = label->second;
        volume.removableDevice = blockDeviceIsRemovable(volume.device);
        // A later mount on the same folder hides the earlier one.
        std::erase_if(volumes, [&](const MountRecord &known) { return known.mountPoint == volume.mountPoint; });
        volumes.push_back(volume);
    }
    ::endmntent(table);
    return volumes;
}

std::function<std::vector<MountRecord>()> volumeSource = systemVolumes;

VolumeKind volumeKindOf(const MountRecord &volume)
{
    const std::string_view type = volume.fileSystem;
    if (isNetworkFileSystem(type))
        return VolumeKind::Network;
    if (type == "iso9660" || type == "udf")
        return VolumeKind::CD;
    if (type == "tmpfs" || type == "ramfs")
        return VolumeKind::Ram;
    const std::string &mount = volume.mountPoint;
    if (volume.removableDevice || startsWithComponent(mount, "/media") || startsWithComponent(mount, "/run/media")
        || startsWithComponent(mount, "/mnt"))
        return VolumeKind::Removable;
    return VolumeKind::Fixed;
}

std::string volumeLineOf(const MountRecord &volume)
{
    switch (volumeKindOf(volume)) {
    case VolumeKind::Network:
        return volume.mountPoint + "  " + volume.device;
    case VolumeKind::Removable:
        return volume.mountPoint;
    default:
        return volume.label.empty() ? volume.mountPoint : volume.mountPoint + "  [" + volume.label + "]";
    }
}

bool isOfferedVolume(const MountRecord &volume)
{
    const std::string &mount = volume.mountPoint;
    if (mount.empty() || mount.front() != '/')
        return false;
    for (const char *system : {"/proc", "/sys", "/dev", "/snap", "/boot/efi"})
        if (startsWithComponent(mount, system))
            return false;
    if (startsWithComponent(mount, "/run") && !startsWithComponent(mount, "/run/media"))
        return false;
    // Snap images and container layers are read-only system mounts; the root stays whatever it is.
    return mount == "/" || (volume.fileSystem != "squashfs" && volume.fileSystem != "overlay");
}

std::string volumeOf(const std::string &path, const std::vector<MountRecord> &volumes)
{
    std::string best;
    for (const MountRecord &volume : volumes)
        if (startsWithComponent(path, volume.mountPoint) && volume.mountPoint.size() > best.size())
            best = volume.mountPoint;
    return best.empty() ? "/" : best;
}

std::vector<MountRecord> offeredVolumes()
{
    std::vector<MountRecord> volumes;
    for (const MountRecord &volume : volumeSource())
        if (isOfferedVolume(volume))
            volumes.push_back(volume);
    std::sort(volumes.begin(), volumes.end(),
              [](const MountRecord &a, const MountRecord &b) { return a.mountPoint < b.mountPoint; });
    return volumes;
}
