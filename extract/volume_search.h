#pragma once

#include "toolkit/volumes.h"

#include <optional>
#include <string>
#include <vector>

// A desktop mounts each disc or stick of a set under its own label, so the
// next volume of an archive is often not where the library looks for it (the
// folder of the volume before it) but at the same place on another medium.

// A volume's path inside the medium that holds it: relative to the mount
// point of that medium among `volumes`.
std::string pathInsideMedium(const std::string &volumePath, const std::vector<MountRecord> &volumes);

// Where that volume is now: `insidePath` on each of `volumes` in turn, then its
// file name at the top of each. The first readable regular file whose path
// fits the library's name buffer; none when no medium holds one.
std::optional<std::string> findVolumeFile(const std::string &insidePath, const std::vector<MountRecord> &volumes);
