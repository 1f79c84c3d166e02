#pragma once

#include "toolkit/control.h"

#include <string>

class QComboBox;
class QListWidget;

// The folder list: it shows a folder (the list folder), starting at the
// process's current directory when it is created.
class TDirectoryListBox : public TWinControl {
public:
    TDirectoryListBox(TForm *owner, const ComponentProps &props);

    const std::string &Directory() const { return directory_; }

private:
    QListWidget *list_;
    std::string directory_;
};

// The drive list: one line per mounted volume.
class TDriveComboBox : public TWinControl {
public:
    TDriveComboBox(TForm *owner, const ComponentProps &props);

    TNotifyEvent OnChange;

private:
    QComboBox *combo_;
};

// The process's current directory as the system reports it.
std::string currentDirectory();
