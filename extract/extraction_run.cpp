// The extraction run: every entry of the archive into the current directory.
#include "extract/archive_end.h"
#include "extract/progress_window.h"
#include "extract/rar_unit.h"
#include "extract/run_messages.h"
#include "launcher/main_window.h"

#include <vector>

namespace {
constexpr unsigned CommentBufferSize = 16384;
}

void TForm4::RunExtraction(const std::string &archivePath)
{
    std::vector<char> comment(CommentBufferSize, '\0');
    const RarUnit::OpenedArchive archive = RarUnit::RAROpenArchive(archivePath, comment.data(), CommentBufferSize);
    if (archive.openResult != RarUnit::Success) {
        ReportOpenError(int(archive.openResult), archivePath);
        return;
    }
    if (archive.commentState == RarUnit::CommentComplete)
        ShowArchiveComment(comment.data());
    OpenedVolume = archivePath;
    RarUnit::RARSetChangeVolProc(archive.handle, OnVolumeChange);
    RarUnit::RARSetProcessDataProc(archive.handle, OnDataProcessed);

    RarUnit::EntryHeader header;
    for (;;) {
        const int readResult = RarUnit::RARReadHeader(archive.handle, header);
        EntryPercent = 0;
        EntrySize = std::int64_t(header.unpackedSize);
        ProgressBar1->SetPosition(0);
        if (readResult == RarUnit::EndArchive)
            break;
        if (readResult != RarUnit::Success) {
            // A broken header or a volume that never came is a failure, not the end.
            ShowStatus(headerErrorMessage(readResult));
            RarUnit::RARCloseArchive(archive.handle);
            return;
        }
        ShowStatus("Extracting " + entryNameOf(header.fileName));
        const int processResult = RarUnit::RARProcessFile(archive.handle);
        // A failure on an entry that never had data (a folder, an empty file)
        // is passed over.
        if (processResult != RarUnit::Success && EntrySize != 0) {
            ReportEntryError(processResult);
            RarUnit::RARCloseArchive(archive.handle);
            return;
        }
    }
    RarUnit::RARCloseArchive(archive.handle);
    // The library reports a file cut between blocks or inside a header as the
    // archive's end; the last volume's own block chain tells whether it was.
    if (archiveEndOf(OpenedVolume) == ArchiveEnd::Cut) {
        ShowStatus(UnexpectedEndMessage);
        return;
    }
    Hide();
    Form1->SetEnabled(true);
}
