#pragma once

#include <functional>
#include <string>
#include <vector>

// A mounted volume as the drive list shows it.
enum class VolumeKind { Removable, Fixed, Network, CD, Ram };

struct MountRecord {
    std::string mountPoint;
    std::string fileSystem;
    std::string device; // the mount source
    std::string label;
    bool removableDevice = false; // the block device's removable flag
};

VolumeKind volumeKindOf(const MountRecord &volume);

// The drive list's line: the mount point, then "[label]" for fixed, CD and
// RAM volumes that have one, or the mount source for network volumes.
std::string volumeLineOf(const MountRecord &volume);

// Pseudo and system mounts are no place to install to.
bool isOfferedVolume(const MountRecord &volume);

// The volume of a path: the mount point that is the longest leading run of
// whole components of it.
std::string volumeOf(const std::string &path, const std::vector<MountRecord> &volumes);

// The volumes the lists offer, in path order. Tests may put their own source
// in place of the system's mount table.
std::vector<MountRecord> offeredVolumes();
extern std::function<std::vector<MountRecord>()> volumeSource;
// The system's mount table, the source in the real program.
std::vector<MountRecord> systemVolumes();
