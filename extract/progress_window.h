#pragma once

#include "toolkit/layout.h"

// The progress window: "extract" unpacks the archive into the current
// directory, with a status line, a volume line and a bar for the entry.
class TForm4 : public TForm {
public:
    TLabel *Label1 = nullptr; // status line
    TLabel *Label2 = nullptr; // "extract"
    TImage *Image1 = nullptr;
    TLabel *Label3 = nullptr; // volume line
    TProgressBar *ProgressBar1 = nullptr;

    void Label2Click(TObject *Sender);

    static const FormDesign<TForm4> &Design();
};

extern TForm4 *Form4;
