#pragma once

#include "toolkit/control.h"
#include "toolkit/volumes.h"

#include <string>
#include <vector>

class QComboBox;
class QListWidget;

// The folder list. It shows a folder, the list folder: "/", the folders on the
// path down to it, the list folder itself and its sub-folders. Opening a line
// (double-click or Enter) makes that folder the list folder and the process's
// current directory; a single click or the arrow keys only select.
class TDirectoryListBox : public TWinControl {
public:
    TDirectoryListBox(TForm *owner, const ComponentProps &props);

    const std::string &Directory() const { return directory_; }

    // Makes the folder at `path` the list folder and the current directory.
    // A failed change of directory raises EInOutError and leaves the current
    // directory, the list folder and its lines as they were.
    void SetDirectory(const std::string &path);
    // Moves to another volume's mount point; the volume it is on does nothing.
    void SetDrive(const std::string &mountPoint);
    // Opens the selected line.
    void OpenSelected();

    // What the lines show, for a look from outside: the paths in order.
    std::vector<std::string> LinePaths() const;
    int SelectedLine() const;

private:
    void rebuildLines();

    QListWidget *list_;
    std::string directory_;
};

// The drive list: one line per offered volume, in path order, with an icon
// for its kind. Its drive is a mount point.
class TDriveComboBox : public TWinControl {
public:
    TDriveComboBox(TForm *owner, const ComponentProps &props);

    const std::string &Drive() const { return drive_; }
    // Raised when the user picks a line, after the drive was taken from it.
    TNotifyEvent OnChange;

    // The volumes are read again each time the list drops down, so a stick
    // or a disc put in meanwhile shows up.
    void Reload();
    std::vector<std::string> LineTexts() const;
    // As a pick by the user.
    void Pick(int line);

private:
    QComboBox *combo_;
    std::string drive_;
};

// The process's current directory as the system reports it.
std::string currentDirectory();
// Changes the current directory; raises EInOutError on failure.
void changeDirectory(const std::string &path);
