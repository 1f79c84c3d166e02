#include "extract/volume_search.h"

#include "extract/rar_unit.h"

#include <filesystem>
#include <fstream>
#include <string_view>

namespace {

std::string joined(const std::string &mountPoint, const std::string &relative)
{
    return mountPoint.ends_with('/') ? mountPoint + relative : mountPoint + "/" + relative;
}

// Names are the library's bytes and are checked as it will open them. A
// folder or a pipe of the volume's name is no volume, and a file that cannot
// be opened would only bring the library back asking.
bool isReadableRegularFile(const std::string &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && std::ifstream(path, std::ios::binary).is_open();
}

} // namespace

std::string pathInsideMedium(const std::string &volumePath, const std::vector<MountRecord> &volumes)
{
    const std::string path = std::filesystem::path(volumePath).lexically_normal().string();
    const std::string mountPoint = volumeOf(path, volumes);
    std::string_view inside = path;
    if (inside.starts_with(mountPoint))
        inside.remove_prefix(mountPoint.size());
    while (inside.starts_with('/'))
        inside.remove_prefix(1);
    return std::string(inside);
}

std::optional<std::string> findVolumeFile(const std::string &insidePath, const std::vector<MountRecord> &volumes)
{
    const std::string fileName = std::filesystem::path(insidePath).filename().string();
    const std::vector<std::string> places =
        fileName == insidePath ? std::vector{insidePath} : std::vector{insidePath, fileName};
    for (const std::string &relative : places)
        for (const MountRecord &volume : volumes) {
            const std::string candidate = joined(volume.mountPoint, relative);
            if (candidate.size() < RarUnit::VolumeNameCapacity && isReadableRegularFile(candidate))
                return candidate;
        }
    return std::nullopt;
}
