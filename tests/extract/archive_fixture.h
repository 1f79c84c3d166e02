#pragma once

#include "tests/support/fixtures.h"

#include <QByteArray>
#include <QStringList>
#include <sys/resource.h>
#include <map>
#include <memory>

// Files to pack: stored name -> content.
using Contents = std::map<std::string, QByteArray>;

QByteArray randomBytes(int size, unsigned seed);
QByteArray textBytes(int size);
QByteArray readBytes(const std::string &path);

// Packs the contents with the real rar command into the release folder;
// returns the archive's file name as rar wrote it (the first volume's for -v).
std::string packArchive(const ScratchFolder &release, const std::string &name, const Contents &contents,
                        const QStringList &rarOptions = {});
// Runs rar with the given arguments in the release folder.
void runRar(const ScratchFolder &release, const QStringList &arguments);
// An archive with no entries: rar removes an emptied archive, so the entries
// are cut out of a real one, leaving its main and end headers.
void stripEntries(const std::string &archivePath);

// A RAR 4 archive of stored files, written byte by byte: the rar here makes
// RAR 5 only, and `unrar t` accepts what this writes. Names may hold "/".
struct OldFormatOptions {
    bool endBlock = true;          // RAR 1.5 to 4 could leave it out
    bool encryptedHeaders = false; // the main header's flag only
    bool largeSizes = false;       // 64-bit size fields in every file header
    quint32 highPackSize = 0;      // the packed size's upper half in those
};
QByteArray oldFormatArchive(const Contents &contents, const OldFormatOptions &options = {});

// A release folder with install.ini naming the archive, the window set
// created there, and a destination folder that becomes the current directory
// as the folder chooser would make it.
class ExtractionFixture {
public:
    ExtractionFixture();
    ~ExtractionFixture();

    ScratchFolder release;
    std::string destination; // release/dest
    std::unique_ptr<WindowSet> windows;

    void createWindows(const std::string &archiveName);
    // Shows the progress window as the chooser's "ok" does and clicks "extract".
    void extract();
    // Empties the destination and sets the progress window back as first
    // shown, its link enabled, so one window set serves many runs.
    void prepareAnotherRun();
    // Every text the status line was drawn with, in order.
    QStringList statuses;
    std::string destinationFile(const std::string &name) const { return destination + "/" + name; }

private:
    std::unique_ptr<QObject> statusSpy_;
};

// The disk prompt's text for a missing volume.
std::string promptFor(const std::string &volumePath);

// Writes beyond the limit fail as on a full disk (for where no tmpfs can be
// mounted); SIGXFSZ is ignored so the write reports the failure instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit before_{};
    void (*previousHandler_)(int) = nullptr;
};
