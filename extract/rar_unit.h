#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The binding to the UnRAR library: the one place that sees its header. The
// extraction run is its only caller.
namespace RarUnit {

using Handle = void *;
using ChangeVolumeProc = int (*)(char *volumeName, int mode);
using ProcessDataProc = int (*)(unsigned char *data, int size);

// The library's published result codes that the run tells apart.
inline constexpr int Success = 0;
inline constexpr int EndArchive = 10;
inline constexpr int NoMemory = 11;
inline constexpr int BadData = 12;
inline constexpr int BadArchive = 13;
inline constexpr int UnknownFormat = 14;
inline constexpr int OpenError = 15;
inline constexpr int CreateError = 16;
inline constexpr int CloseError = 17;
inline constexpr int ReadError = 18;
inline constexpr int WriteError = 19;
inline constexpr int SmallBuffer = 20;
inline constexpr int UnknownError = 21;
inline constexpr int MissingPassword = 22;
inline constexpr int BadPassword = 24;

inline constexpr int VolumeAsk = 0;    // the next volume is missing
inline constexpr int VolumeNotify = 1; // the next volume was opened

// Room in the volume callback's name buffer for a name handed back, its
// terminating zero included. The library's manual allows up to 1024
// characters; this release reads the name back from a 2048-byte buffer.
inline constexpr std::size_t VolumeNameCapacity = 1024;

inline constexpr unsigned CommentComplete = 1;

struct OpenedArchive {
    Handle handle = nullptr; // none after a failed open: nothing to close
    unsigned openResult = 0;
    unsigned commentState = 0;
};

struct EntryHeader {
    std::string fileName;  // as the library gives it, in the locale's encoding
    std::uint64_t unpackedSize = 0;
};

// Opens for extraction, with the caller's comment buffer.
OpenedArchive RAROpenArchive(const std::string &archivePath, char *commentBuffer, unsigned commentBufferSize);
void RARSetChangeVolProc(Handle archive, ChangeVolumeProc proc);
void RARSetProcessDataProc(Handle archive, ProcessDataProc proc);
// Reads the next entry's header into `header`; asks for no entry comment.
int RARReadHeader(Handle archive, EntryHeader &header);
// Unpacks the entry read last under its stored name, relative to the current directory.
int RARProcessFile(Handle archive);
void RARCloseArchive(Handle archive);

} // namespace RarUnit
