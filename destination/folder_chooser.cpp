#include "destination/folder_chooser.h"

#include "destination/new_folder_dialog.h"
#include "extract/progress_window.h"
#include "launcher/main_window.h"

TForm2 *Form2 = nullptr;

namespace {

const TFont ListFont{"MS Sans Serif", 11, false, clWindowText};

const ComponentRow<TForm2> Components[] = {
    {.field = &TForm2::Image1, .name = "Image1", .bounds = {-2, -2, 306, 356},
     .caption = ":/assets/chooser.png", .center = true},
    {.field = &TForm2::Label1, .name = "Label1", .bounds = {43, 324, 15, 16}, .caption = "ok",
     .font = {"Arial", 13, true, clBlack}, .onClick = &TForm2::Label1Click},
    {.field = &TForm2::Label2, .name = "Label2", .bounds = {228, 324, 42, 16}, .caption = "cancel",
     .font = {"Arial", 13, true, clBlack}, .onClick = &TForm2::Label2Click},
    {.field = &TForm2::Label3, .name = "Label3", .bounds = {127, 325, 47, 15}, .caption = "makedir",
     .font = {"Arial", 12, true, clBlack}, .onClick = &TForm2::Label3Click},
    {.field = &TForm2::Label4, .name = "Label4", .bounds = {168, 3, 105, 14},
     .caption = "Select a directory...", .font = {"Arial", 11, true, clBlack}},
    {.field = &TForm2::DriveComboBox1, .name = "DriveComboBox1", .bounds = {74, 87, 220, 19},
     .font = ListFont, .color = clGray, .tabOrder = 0, .onChange = &TForm2::DriveComboBox1Change},
    {.field = &TForm2::DirectoryListBox1, .name = "DirectoryListBox1", .bounds = {75, 110, 219, 203},
     .font = ListFont, .color = clGray, .itemHeight = 16, .tabOrder = 1,
     .onChange = &TForm2::DirectoryListBox1Change},
};

} // namespace

const FormDesign<TForm2> &TForm2::Design()
{
    static const FormDesign<TForm2> design{"Form2", 302, 352, clWhite, bsNone, Components,
                                           nullptr, &TForm2::FormCloseRequest};
    return design;
}

void TForm2::Label1Click(TObject *)
{
    Form4->SetVisible(true);
    Hide();
}

void TForm2::Label2Click(TObject *)
{
    Form1->SetEnabled(true);
    Hide();
}

// A close request is the way back that "cancel" offers.
void TForm2::FormCloseRequest(TObject *Sender)
{
    Label2Click(Sender);
}

void TForm2::Label3Click(TObject *)
{
    Hide();
    Form3->SetVisible(true);
}

void TForm2::DriveComboBox1Change(TObject *)
{
    DirectoryListBox1->SetDrive(DriveComboBox1->Drive());
}

void TForm2::DirectoryListBox1Change(TObject *)
{
    // Walking the folder list crosses mount points ("/" into a mounted
    // stick, or back out): the drive list follows the list folder's volume.
    DriveComboBox1->SetDrive(DirectoryListBox1->Drive());
}
