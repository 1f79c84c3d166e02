#pragma once

#include "toolkit/layout.h"

// The text viewer: an information or description file in a DOS terminal font.
class TForm5 : public TForm {
public:
    TMemo *Memo1 = nullptr;

    static const FormDesign<TForm5> &Design();
};

extern TForm5 *Form5;

// Fills and shows the viewer with the file named by the link's caption, found
// below the base path.
void ShowTextFile(TLabel *link);
