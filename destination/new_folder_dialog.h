#pragma once

#include "toolkit/layout.h"

#include <string>

// The new-folder dialog: makes a folder inside the chooser's folder and opens
// it there.
class TForm3 : public TForm {
public:
    TImage *Image1 = nullptr;
    TLabel *Label2 = nullptr; // "ok"
    TLabel *Label3 = nullptr; // "cancel"
    TLabel *Label1 = nullptr; // prompt
    TEdit *Edit1 = nullptr;   // the new folder's name

    void FormCreate(TObject *Sender);
    void Label2Click(TObject *Sender);
    void Label3Click(TObject *Sender);
    void FormCloseRequest(TObject *Sender);

    static const FormDesign<TForm3> &Design();
};

extern TForm3 *Form3;

// The last n characters of s; n is kept within 0 and the length of s.
std::string RightChars(const std::string &s, int n);

// The new folder's path inside the chooser's folder: one "/" between them,
// none added after the root.
std::string newFolderPath(const std::string &folder, const std::string &name);

// Makes one folder level at `path`. When nothing was made and nothing is
// there, raises EInOutError with the system's reason.
void makeFolder(const std::string &path);
