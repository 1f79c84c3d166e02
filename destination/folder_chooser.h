#pragma once

#include "toolkit/layout.h"

// The folder chooser: the folder its list opens becomes the process's current
// directory, and with it the destination of the extraction.
class TForm2 : public TForm {
public:
    TImage *Image1 = nullptr;
    TLabel *Label1 = nullptr; // "ok"
    TLabel *Label2 = nullptr; // "cancel"
    TLabel *Label3 = nullptr; // "makedir"
    TLabel *Label4 = nullptr; // prompt
    TDriveComboBox *DriveComboBox1 = nullptr;
    TDirectoryListBox *DirectoryListBox1 = nullptr;

    void Label1Click(TObject *Sender);
    void Label2Click(TObject *Sender);
    void Label3Click(TObject *Sender);
    void FormCloseRequest(TObject *Sender);
    void DriveComboBox1Change(TObject *Sender);
    void DirectoryListBox1Change(TObject *Sender);

    static const FormDesign<TForm2> &Design();
};

extern TForm2 *Form2;
