#include "launcher/credits_window.h"

#include "launcher/main_window.h"

TForm6 *Form6 = nullptr;

namespace {

const ComponentRow<TForm6> Components[] = {
    {.field = &TForm6::Image1, .name = "Image1", .bounds = {1, 1, 251, 122},
     .caption = ":/assets/small.png", .onMouseMove = &TForm6::Image1MouseMove},
    {.field = &TForm6::Label1, .name = "Label1", .bounds = {11, 9, 88, 14}, .caption = "VELDRA Installer",
     .font = {"Arial", 11, true, clBlack}, .autoSize = true},
    {.field = &TForm6::Label2, .name = "Label2", .bounds = {12, 57, 158, 14},
     .caption = "Gfx : TAMBRIL  /  Code : [oKr]", .font = {"Arial", 11, true, clWhite}, .autoSize = true},
    {.field = &TForm6::Label3, .name = "Label3", .bounds = {12, 73, 159, 14},
     .caption = "Greeting to all VELDRA members !", .font = {"Arial", 11, false, clGray},
     .autoSize = true},
    {.field = &TForm6::Label4, .name = "Label4", .bounds = {182, 95, 30, 14}, .caption = "Yep...",
     .font = {"Arial", 11, true, clBlack}, .autoSize = true, .onClick = &TForm6::Label4Click,
     .onMouseDown = &TForm6::Label4MouseDown, .onMouseMove = &TForm6::Label4MouseMove},
};

} // namespace

const FormDesign<TForm6> &TForm6::Design()
{
    static const FormDesign<TForm6> design{"Form6", 252, 122, clWhite, bsNone, Components,
                                           nullptr, &TForm6::FormCloseRequest};
    return design;
}

void TForm6::Image1MouseMove(TObject *)
{
    Label4->SetFontColor(LinkRestColour);
}

void TForm6::Label4MouseMove(TObject *)
{
    Label4->SetFontColor(CreditsLinkHoverColour);
}

void TForm6::Label4MouseDown(TObject *)
{
    Label4->SetFontColor(LinkPressColour);
}

// Closed by the window manager, the credits window steps back: the program
// goes on from the main window.
void TForm6::FormCloseRequest(TObject *)
{
    Hide();
    Form1->SetEnabled(true);
}

void TForm6::Label4Click(TObject *)
{
    Form1->Close();
}
