#include "extract/rar_unit.h"

#ifndef _UNIX
#define _UNIX // the header does not compile on Linux without it
#endif
#include <unrar/dll.hpp>

#include <cstring>

namespace RarUnit {

OpenedArchive RAROpenArchive(const std::string &archivePath, char *commentBuffer, unsigned commentBufferSize)
{
    RAROpenArchiveData data{};
    data.ArcName = const_cast<char *>(archivePath.c_str());
    data.OpenMode = RAR_OM_EXTRACT;
    data.CmtBuf = commentBuffer;
    data.CmtBufSize = commentBufferSize;
    OpenedArchive opened;
    opened.handle = ::RAROpenArchive(&data);
    opened.openResult = data.OpenResult;
    opened.commentState = data.CmtState;
    return opened;
}

void RARSetChangeVolProc(Handle archive, ChangeVolumeProc proc)
{
    ::RARSetChangeVolProc(archive, proc);
}

void RARSetProcessDataProc(Handle archive, ProcessDataProc proc)
{
    ::RARSetProcessDataProc(archive, proc);
}

int RARReadHeader(Handle archive, EntryHeader &header)
{
    // The extended record: its size fields hold all 64 bits and its name is
    // not cut at 260 bytes. CmtBuf stays null, so no entry comment is asked for.
    RARHeaderDataEx data{};
    const int result = ::RARReadHeaderEx(archive, &data);
    if (result == ERAR_SUCCESS) {
        header.fileName.assign(data.FileName, strnlen(data.FileName, sizeof data.FileName));
        header.unpackedSize = (std::uint64_t(data.UnpSizeHigh) << 32) | data.UnpSize;
    }
    return result;
}

int RARProcessFile(Handle archive)
{
    return ::RARProcessFile(archive, RAR_EXTRACT, nullptr, nullptr);
}

void RARCloseArchive(Handle archive)
{
    ::RARCloseArchive(archive);
}

} // namespace RarUnit
