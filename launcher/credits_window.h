#pragma once

#include "toolkit/layout.h"

// The credits window, the program's way out: "Yep..." closes the main window.
class TForm6 : public TForm {
public:
    TImage *Image1 = nullptr;
    TLabel *Label1 = nullptr;
    TLabel *Label2 = nullptr;
    TLabel *Label3 = nullptr;
    TLabel *Label4 = nullptr; // "Yep..."

    void Image1MouseMove(TObject *Sender);
    void Label4Click(TObject *Sender);
    void Label4MouseDown(TObject *Sender);
    void Label4MouseMove(TObject *Sender);
    void FormCloseRequest(TObject *Sender);

    static const FormDesign<TForm6> &Design();
};

extern TForm6 *Form6;

inline constexpr TColor CreditsLinkHoverColour = clGray;
