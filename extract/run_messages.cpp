#include "extract/run_messages.h"

#include "extract/rar_unit.h"

#include <algorithm>
#include <cmath>

namespace {

// What the library's code means, for codes the run's tables leave without a text.
std::string libraryMeaning(int code)
{
    switch (code) {
    case RarUnit::NoMemory: return "Not enough memory";
    case RarUnit::UnknownFormat: return "Unknown archive format";
    case RarUnit::SmallBuffer: return "Buffer too small";
    case RarUnit::UnknownError: return "Unknown error";
    case RarUnit::MissingPassword: return "Password required";
    case RarUnit::BadPassword: return "Wrong password";
    default: return "Error " + std::to_string(code);
    }
}

bool isBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

std::string openErrorMessage(int code, const std::string &archivePath)
{
    switch (code) {
    case RarUnit::NoMemory: return "Not enough memory";
    case RarUnit::BadData: return "Archive header broken:" + archivePath;
    case RarUnit::BadArchive: return "Is not RAR archive:" + archivePath;
    case RarUnit::OpenError: return "Cannot open " + archivePath;
    default: return libraryMeaning(code);
    }
}

std::string entryErrorMessage(int code)
{
    switch (code) {
    case RarUnit::BadData: return "CRC error";
    case RarUnit::BadArchive: return "Bad volume";
    case RarUnit::UnknownFormat: return "Unknown archive format";
    case RarUnit::OpenError: return "Volume open error";
    case RarUnit::CreateError: return "File create error";
    case RarUnit::CloseError: return "File close error";
    case RarUnit::ReadError: return "Read error";
    case RarUnit::WriteError: return "Write error";
    default: return libraryMeaning(code);
    }
}

std::string headerErrorMessage(int code)
{
    return code == RarUnit::BadData ? "File header broken" : entryErrorMessage(code);
}

std::string entryNameOf(const std::string &storedName)
{
    const std::string name = storedName.substr(0, storedName.find('\0'));
    const auto first = std::find_if_not(name.begin(), name.end(), isBlankOrControl);
    const auto last = std::find_if_not(name.rbegin(), name.rend(), isBlankOrControl).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string volumeFileName(const std::string &volumePath)
{
    const auto slash = volumePath.rfind('/');
    return slash == std::string::npos ? volumePath : volumePath.substr(slash + 1);
}

int barPosition(double percent)
{
    // nearbyint rounds half to even under the default rounding mode.
    return int(std::clamp(std::nearbyint(percent), 0.0, 100.0));
}
