#include "extract/progress_window.h"

TForm4 *Form4 = nullptr;

namespace {

const ComponentRow<TForm4> Components[] = {
    {.field = &TForm4::Image1, .name = "Image1", .bounds = {1, 1, 252, 121},
     .caption = ":/assets/small.png"},
    {.field = &TForm4::Label1, .name = "Label1", .bounds = {2, 54, 248, 18},
     .caption = "- press [extract] button when ready -", .font = {"Arial", 11, false, clWhite},
     .alignment = taCenter},
    {.field = &TForm4::Label2, .name = "Label2", .bounds = {176, 94, 38, 14}, .caption = "extract",
     .font = {"Arial", 11, true, clBlack}, .autoSize = true, .onClick = &TForm4::Label2Click},
    {.field = &TForm4::Label3, .name = "Label3", .bounds = {3, 10, 42, 14}, .caption = "Ready...",
     .font = {"Arial", 11, true, clBlack}, .autoSize = true},
    {.field = &TForm4::ProgressBar1, .name = "ProgressBar1", .bounds = {21, 70, 207, 15}},
};

} // namespace

const FormDesign<TForm4> &TForm4::Design()
{
    static const FormDesign<TForm4> design{"Ready...", 252, 122, clWhite, bsNone, Components};
    return design;
}

void TForm4::Label2Click(TObject *)
{
}
