#include "launcher/text_viewer.h"

#include "launcher/main_window.h"
#include "toolkit/text_file.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <sys/stat.h>

TForm5 *Form5 = nullptr;

namespace {

const ComponentRow<TForm5> Components[] = {
    {.field = &TForm5::Memo1, .name = "Memo1", .bounds = {0, 0, 651, 330},
     .font = {"Terminal", 12, false, clWhite, TFontCharset::Oem}, .color = 923798, .tabOrder = 0},
};

// A file is there unless nothing or a folder is at the path. A link that
// leads nowhere is there: opening it fails and says why.
bool fileIsThere(const std::string &path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) == 0)
        return !S_ISDIR(info.st_mode);
    return ::lstat(path.c_str(), &info) == 0;
}

// Every line up to the end of the text. What was read before a failure is
// shown all the same, as if appended line by line.
void loadLines(TTextFile &file, TMemo *memo)
{
    std::vector<std::string> lines;
    try {
        while (!file.Eof())
            lines.push_back(file.ReadLn());
        file.Close();
    } catch (...) {
        memo->AddLines(lines);
        throw;
    }
    memo->AddLines(lines);
}

} // namespace

const FormDesign<TForm5> &TForm5::Design()
{
    static const FormDesign<TForm5> design{"Form5", 652, 330, clBlack, bsToolWindow, Components};
    return design;
}

void ShowTextFile(TLabel *link)
{
    Form5->Memo1->Clear();
    const std::string path = Form1->Label9->Caption() + link->Caption();
    if (!fileIsThere(path))
        return;
    Form5->SetCaption("Showing " + link->Caption());
    TTextFile file(path);
    file.Reset();
    loadLines(file, Form5->Memo1);
    // Readers start at the top of an information file, not at its end.
    Form5->Memo1->Editor()->moveCursor(QTextCursor::Start);
    Form5->Show();
}
