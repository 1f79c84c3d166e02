#pragma once

#include "toolkit/layout.h"

#include <cstdint>
#include <string>

// The progress window: "extract" unpacks the archive into the current
// directory, with a status line, a volume line and a bar for the entry.
class TForm4 : public TForm {
public:
    TLabel *Label1 = nullptr; // status line
    TLabel *Label2 = nullptr; // "extract"
    TImage *Image1 = nullptr;
    TLabel *Label3 = nullptr; // volume line
    TProgressBar *ProgressBar1 = nullptr;

    // The current entry's progress, advanced by the library's data callback.
    double EntryPercent = 0;
    // The entry's full unpacked size; the data callback turns a 0 into 1.
    std::int64_t EntrySize = 0;
    // The volume the library opened last: the archive itself until it
    // announces the next one.
    std::string OpenedVolume;
    // True while the extraction runs.
    bool Running = false;

    void Label2Click(TObject *Sender);
    void FormCloseRequest(TObject *Sender);
    void ShowStatus(const std::string &text);
    void RunExtraction(const std::string &archivePath);
    void ShowArchiveComment(const char *commentBuffer);
    void ReportOpenError(int code, const std::string &archivePath);
    void ReportEntryError(int code);

    static const FormDesign<TForm4> &Design();
};

extern TForm4 *Form4;

// The library's callbacks; they reach the window through Form4.
int OnVolumeChange(char *volumeName, int mode);
int OnDataProcessed(unsigned char *data, int size);
