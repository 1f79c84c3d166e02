#include "launcher/main_window.h"

#include "destination/folder_chooser.h"
#include "launcher/credits_window.h"
#include "launcher/text_viewer.h"

TForm1 *Form1 = nullptr;

namespace {

const TFont WindowFont{"MS Sans Serif", 11, false, clWindowText};
const TFont LinkFont{"Arial", 13, true, clBlack};
const TFont HiddenFont{"MS Sans Serif", 11, false, clSilver};

const ComponentRow<TForm1> Components[] = {
    {.field = &TForm1::Image1, .name = "Image1", .bounds = {1, 1, 451, 272},
     .caption = ":/assets/main.png", .onMouseMove = &TForm1::Image1MouseMove},
    {.field = &TForm1::Label1, .name = "Label1", .bounds = {96, 171, 261, 20}, .caption = "TITLEMAIN",
     .font = {"Arial", 13, true, clWhite}, .alignment = taCenter},
    {.field = &TForm1::Label2, .name = "Label2", .bounds = {96, 186, 260, 17}, .caption = "TITLESUB",
     .font = {"Arial", 11, false, clWhite}, .alignment = taCenter},
    {.field = &TForm1::Label3, .name = "Label3", .bounds = {379, 250, 26, 17}, .caption = "Quit",
     .font = LinkFont, .alignment = taCenter, .autoSize = true, .onClick = &TForm1::Label3Click,
     .onMouseDown = &TForm1::Label3MouseDown, .onMouseMove = &TForm1::Label3MouseMove},
    {.field = &TForm1::Label4, .name = "Label4", .bounds = {46, 250, 38, 17}, .caption = "Install",
     .font = LinkFont, .alignment = taCenter, .autoSize = true, .onClick = &TForm1::Label4Click,
     .onMouseDown = &TForm1::Label4MouseDown, .onMouseMove = &TForm1::Label4MouseMove},
    {.field = &TForm1::Label5, .name = "Label5", .bounds = {114, 250, 114, 17},
     .caption = "quenvale.nfo", .font = LinkFont, .alignment = taCenter,
     .onClick = &TForm1::Label5Click, .onMouseDown = &TForm1::Label5MouseDown,
     .onMouseMove = &TForm1::Label5MouseMove},
    {.field = &TForm1::Label6, .name = "Label6", .bounds = {245, 250, 80, 17}, .caption = "file_id.diz",
     .font = LinkFont, .alignment = taCenter, .onClick = &TForm1::Label6Click,
     .onMouseDown = &TForm1::Label6MouseDown, .onMouseMove = &TForm1::Label6MouseMove},
    {.field = &TForm1::Label7, .name = "Label7", .bounds = {15, 24, 0, 0}, .caption = "Label7",
     .font = HiddenFont, .autoSize = true, .visible = false},
    {.field = &TForm1::Label8, .name = "Label8", .bounds = {15, 37, 0, 0}, .caption = "Label8",
     .font = HiddenFont, .autoSize = true, .visible = false},
    {.field = &TForm1::Label9, .name = "Label9", .bounds = {17, 52, 43, 14}, .caption = "Label9",
     .font = WindowFont, .autoSize = true, .visible = false},
    {.field = &TForm1::DirectoryListBox1, .name = "DirectoryListBox1", .bounds = {78, 15, 137, 95},
     .font = WindowFont, .visible = false, .itemHeight = 16, .tabOrder = 0},
};

void showHover(TLabel *link)
{
    link->SetFontColor(MainLinkHoverColour);
}

void showPressed(TLabel *link)
{
    link->SetFontColor(LinkPressColour);
}

} // namespace

const FormDesign<TForm1> &TForm1::Design()
{
    static const FormDesign<TForm1> design{"Form1", 453, 272, clWhite, bsNone, Components,
                                           &TForm1::FormCreate};
    return design;
}

void TForm1::Image1MouseMove(TObject *)
{
    for (TLabel *link : {Label3, Label4, Label5, Label6})
        link->SetFontColor(LinkRestColour);
}

void TForm1::Label3MouseMove(TObject *) { showHover(Label3); }
void TForm1::Label4MouseMove(TObject *) { showHover(Label4); }
void TForm1::Label5MouseMove(TObject *) { showHover(Label5); }
void TForm1::Label6MouseMove(TObject *) { showHover(Label6); }

void TForm1::Label3MouseDown(TObject *) { showPressed(Label3); }
void TForm1::Label4MouseDown(TObject *) { showPressed(Label4); }
void TForm1::Label5MouseDown(TObject *) { showPressed(Label5); }
void TForm1::Label6MouseDown(TObject *) { showPressed(Label6); }

void TForm1::Label4Click(TObject *)
{
    Form2->SetVisible(true);
    SetEnabled(false);
}

void TForm1::Label3Click(TObject *)
{
    SetEnabled(false);
    Form6->Show();
}

void TForm1::Label5Click(TObject *)
{
    ShowTextFile(Label5);
}

void TForm1::Label6Click(TObject *)
{
    ShowTextFile(Label6);
}
