#include "extract/archive_end.h"

#include <cstdint>
#include <fstream>
#include <optional>
#include <string_view>

namespace {

using Offset = std::uint64_t;

constexpr std::string_view SignatureStart{"Rar!\x1A\x07", 6};
constexpr std::string_view Rar5Signature{"Rar!\x1A\x07\x01\x00", 8};
constexpr std::string_view Rar4Signature{"Rar!\x1A\x07\x00", 7}; // RAR 1.5 to 4
// Behind a self-extracting stub the library looks for the signature in the
// file's first 2 MiB only (measured with unrar 6.2); beyond, it does not open.
constexpr std::size_t SignatureSearchBytes = 2 << 20;

// RAR 5: CRC32, then header size, type, flags, extra area size and data size
// as variable-length integers of at most 10 bytes each.
constexpr std::size_t Rar5HeadBytes = 4 + 5 * 10;
constexpr std::uint64_t Rar5EncryptionHeader = 4;
constexpr std::uint64_t Rar5EndOfArchive = 5;
constexpr std::uint64_t Rar5HasExtraArea = 0x0001;
constexpr std::uint64_t Rar5HasDataArea = 0x0002;

// RAR 4: CRC16, type, flags and size; ADD_SIZE follows at 7 in long blocks,
// where file and service headers keep their packed size; HIGH_PACK_SIZE at 32
// in those headers when the file is large.
constexpr std::size_t Rar4ShortHead = 7;
constexpr std::size_t Rar4AddSizeEnd = 11;
constexpr std::size_t Rar4HighPackSizeAt = 32;
constexpr std::size_t Rar4HeadBytes = Rar4HighPackSizeAt + 4;
constexpr std::uint8_t Rar4MainHeader = 0x73;
constexpr std::uint8_t Rar4FileHeader = 0x74;
constexpr std::uint8_t Rar4ServiceHeader = 0x7A;
constexpr std::uint8_t Rar4EndOfArchive = 0x7B;
constexpr unsigned Rar4EncryptedHeaders = 0x0080; // a main header flag
constexpr unsigned Rar4LargeFile = 0x0100;        // a file and service header flag
constexpr unsigned Rar4LongBlock = 0x8000;

class Volume {
public:
    explicit Volume(const std::string &path)
        : file_(path, std::ios::binary | std::ios::ate)
        , size_(file_ ? Offset(file_.tellg()) : 0)
    {
    }

    Offset size() const { return size_; }
    Offset bytesAfter(Offset offset) const { return size_ - offset; }

    // Up to `count` bytes from `offset`, fewer where the file ends first.
    std::string bytesAt(Offset offset, std::size_t count)
    {
        std::string bytes(count, '\0');
        file_.clear();
        file_.seekg(std::streamoff(offset));
        file_.read(bytes.data(), std::streamsize(count));
        bytes.resize(std::size_t(file_.gcount()));
        return bytes;
    }

private:
    std::ifstream file_;
    Offset size_;
};

// 7 bits a byte, low bits first; the high bit marks a byte that is not the last.
std::optional<Offset> readVint(std::string_view bytes, std::size_t &at)
{
    Offset value = 0;
    for (int shift = 0; at < bytes.size() && shift < 64; shift += 7) {
        const auto byte = std::uint8_t(bytes[at++]);
        value |= Offset(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return value;
    }
    return std::nullopt;
}

Offset readLittleEndian(std::string_view bytes, std::size_t at, std::size_t width)
{
    Offset value = 0;
    for (std::size_t i = width; i-- > 0;)
        value = value << 8 | std::uint8_t(bytes[at + i]);
    return value;
}

ArchiveEnd walkRar5(Volume &volume, Offset at)
{
    for (;;) {
        const std::string head = volume.bytesAt(at, Rar5HeadBytes);
        std::size_t pos = 4; // past the CRC32
        const auto headerSize = readVint(head, pos);
        const Offset headerStart = at + pos; // the size counts from the type on
        const auto type = readVint(head, pos);
        const auto flags = readVint(head, pos);
        if (!headerSize || !type || !flags)
            return ArchiveEnd::Cut;
        if ((*flags & Rar5HasExtraArea) && !readVint(head, pos))
            return ArchiveEnd::Cut;
        const auto dataSize = (*flags & Rar5HasDataArea) ? readVint(head, pos) : Offset(0);
        if (!dataSize || volume.bytesAfter(headerStart) < *headerSize)
            return ArchiveEnd::Cut;
        if (*type == Rar5EncryptionHeader)
            return ArchiveEnd::LeftToLibrary;
        // What follows the end block is not read, as by the library.
        if (*type == Rar5EndOfArchive)
            return ArchiveEnd::Complete;
        const Offset headerEnd = headerStart + *headerSize;
        if (volume.bytesAfter(headerEnd) < *dataSize)
            return ArchiveEnd::Cut;
        at = headerEnd + *dataSize;
    }
}

// The data after a RAR 4 header; none when the header is too short for the
// size fields that its type and flags call for.
std::optional<Offset> rar4DataSize(std::string_view head, std::uint8_t type, unsigned flags, Offset headerSize)
{
    const bool holdsFile = type == Rar4FileHeader || type == Rar4ServiceHeader;
    if (!holdsFile && !(flags & Rar4LongBlock))
        return Offset(0);
    const bool large = holdsFile && (flags & Rar4LargeFile);
    if (headerSize < (large ? Rar4HeadBytes : Rar4AddSizeEnd))
        return std::nullopt;
    const Offset low = readLittleEndian(head, Rar4ShortHead, 4);
    return large ? readLittleEndian(head, Rar4HighPackSizeAt, 4) << 32 | low : low;
}

ArchiveEnd walkRar4(Volume &volume, Offset at)
{
    while (at != volume.size()) {
        const std::string head = volume.bytesAt(at, Rar4HeadBytes);
        if (head.size() < Rar4ShortHead)
            return ArchiveEnd::Cut;
        const auto type = std::uint8_t(head[2]);
        const auto flags = unsigned(readLittleEndian(head, 3, 2));
        const Offset headerSize = readLittleEndian(head, 5, 2);
        if (headerSize < Rar4ShortHead || volume.bytesAfter(at) < headerSize)
            return ArchiveEnd::Cut;
        if (type == Rar4MainHeader && (flags & Rar4EncryptedHeaders))
            return ArchiveEnd::LeftToLibrary;
        if (type == Rar4EndOfArchive)
            return ArchiveEnd::Complete;
        const auto dataSize = rar4DataSize(head, type, flags, headerSize);
        if (!dataSize || volume.bytesAfter(at + headerSize) < *dataSize)
            return ArchiveEnd::Cut;
        at += headerSize + *dataSize;
    }
    // RAR 1.5 to 4 could end without the end block.
    return ArchiveEnd::Complete;
}

} // namespace

ArchiveEnd archiveEndOf(const std::string &volumePath)
{
    Volume volume(volumePath);
    // rar writes the signature first; only a self-extracting stub moves it.
    const std::size_t searched = volume.bytesAt(0, Rar5Signature.size()).starts_with(SignatureStart)
                                     ? Rar5Signature.size()
                                     : SignatureSearchBytes;
    const std::string start = volume.bytesAt(0, searched);
    for (auto at = start.find(SignatureStart); at != std::string::npos; at = start.find(SignatureStart, at + 1)) {
        const std::string_view signature = std::string_view(start).substr(at);
        if (signature.starts_with(Rar5Signature))
            return walkRar5(volume, at + Rar5Signature.size());
        if (signature.starts_with(Rar4Signature))
            return walkRar4(volume, at + Rar4Signature.size());
    }
    return ArchiveEnd::LeftToLibrary;
}
