#pragma once

#include "toolkit/layout.h"

// The main window: the release's title lines over its picture, the links
// "Install", the two text files and "Quit"; its hidden labels carry the
// settings that the other windows read.
class TForm1 : public TForm {
public:
    TImage *Image1 = nullptr;
    TLabel *Label1 = nullptr; // main title
    TLabel *Label2 = nullptr; // subtitle
    TLabel *Label3 = nullptr; // "Quit"
    TLabel *Label4 = nullptr; // "Install"
    TLabel *Label5 = nullptr; // information file
    TLabel *Label6 = nullptr; // description file
    TLabel *Label7 = nullptr; // default name for a new folder
    TLabel *Label8 = nullptr; // archive path
    TLabel *Label9 = nullptr; // base path
    TDirectoryListBox *DirectoryListBox1 = nullptr;

    void FormCreate(TObject *Sender);
    void Image1MouseMove(TObject *Sender);
    void Label3Click(TObject *Sender);
    void Label3MouseDown(TObject *Sender);
    void Label3MouseMove(TObject *Sender);
    void Label4Click(TObject *Sender);
    void Label4MouseDown(TObject *Sender);
    void Label4MouseMove(TObject *Sender);
    void Label5Click(TObject *Sender);
    void Label5MouseDown(TObject *Sender);
    void Label5MouseMove(TObject *Sender);
    void Label6Click(TObject *Sender);
    void Label6MouseDown(TObject *Sender);
    void Label6MouseMove(TObject *Sender);

    static const FormDesign<TForm1> &Design();
};

extern TForm1 *Form1;

// The links' colours on the main window.
inline constexpr TColor LinkRestColour = clBlack;
inline constexpr TColor MainLinkHoverColour = clWhite;
inline constexpr TColor LinkPressColour = clRed;
