#include "launcher/text_viewer.h"

#include "launcher/main_window.h"

TForm5 *Form5 = nullptr;

namespace {

const ComponentRow<TForm5> Components[] = {
    {.field = &TForm5::Memo1, .name = "Memo1", .bounds = {0, 0, 651, 330},
     .font = {"Terminal", 12, false, clWhite}, .color = 923798, .tabOrder = 0},
};

} // namespace

const FormDesign<TForm5> &TForm5::Design()
{
    static const FormDesign<TForm5> design{"Form5", 652, 330, clBlack, bsToolWindow, Components};
    return design;
}

void ShowTextFile(TLabel *)
{
}
