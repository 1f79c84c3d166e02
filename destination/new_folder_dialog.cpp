#include "destination/new_folder_dialog.h"

#include "destination/folder_chooser.h"
#include "launcher/main_window.h"
#include "toolkit/io_error.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

TForm3 *Form3 = nullptr;

namespace {

const ComponentRow<TForm3> Components[] = {
    {.field = &TForm3::Image1, .name = "Image1", .bounds = {1, 1, 252, 122},
     .caption = ":/assets/newfolder.png"},
    {.field = &TForm3::Label2, .name = "Label2", .bounds = {53, 94, 14, 14}, .caption = "ok",
     .font = {"Arial", 11, true, clBlack}, .onClick = &TForm3::Label2Click},
    {.field = &TForm3::Label3, .name = "Label3", .bounds = {177, 94, 35, 14}, .caption = "cancel",
     .font = {"Arial", 11, true, clBlack}, .onClick = &TForm3::Label3Click},
    {.field = &TForm3::Label1, .name = "Label1", .bounds = {7, 9, 95, 14}, .caption = "Choose a name...",
     .font = {"Arial", 11, true, clBlack}},
    {.field = &TForm3::Edit1, .name = "Edit1", .bounds = {15, 59, 225, 21}, .caption = "NAME",
     .font = {"MS Sans Serif", 11, false, clWindowText}, .tabOrder = 0},
};

} // namespace

const FormDesign<TForm3> &TForm3::Design()
{
    static const FormDesign<TForm3> design{"Form3", 252, 122, clWhite, bsNone, Components,
                                           &TForm3::FormCreate, &TForm3::FormCloseRequest};
    return design;
}

void TForm3::FormCreate(TObject *)
{
    Edit1->SetText(Form1->Label7->Caption());
}

std::string RightChars(const std::string &s, int n)
{
    const std::size_t count = std::size_t(std::clamp(n, 0, int(s.size())));
    return s.substr(s.size() - count);
}

std::string newFolderPath(const std::string &folder, const std::string &name)
{
    return RightChars(folder, 1) == "/" ? folder + name : folder + "/" + name;
}

void makeFolder(const std::string &path)
{
    if (::mkdir(path.c_str(), 0777) == 0)
        return;
    const int reason = errno;
    // Something there already, a folder or a file, is the folder list's to
    // open or to pass over; what was not made and is not there is reported
    // by the make-directory call's own reason ("Disk full", not the
    // "File not found" of opening what is missing).
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0)
        raiseIoError(reason);
}

void TForm3::Label2Click(TObject *)
{
    const std::string &folder = Form2->DirectoryListBox1->Directory();
    // A chooser that lost its start-up folder shows none: the new folder
    // would otherwise land at the top of the file system.
    if (folder.empty())
        raiseIoError(ENOENT);
    const std::string path = newFolderPath(folder, Edit1->Text());
    makeFolder(path);
    Form2->DirectoryListBox1->SetDirectory(path);
    Hide();
    Form2->SetVisible(true);
}

void TForm3::Label3Click(TObject *)
{
    Hide();
    Form2->SetVisible(true);
}

// A close request is the way back that "cancel" offers.
void TForm3::FormCloseRequest(TObject *Sender)
{
    Label3Click(Sender);
}
