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
//
// Folder names are the file system's bytes, kept as they are for every call
// and drawn by the captions' rule.
class TDirectoryListBox : public TWinControl {
public:
    TDirectoryListBox(TForm *owner, const ComponentProps &props);

    // A list that its design hides is there for its folder alone and takes
    // the current directory now. A shown one takes it, and reads its lines,
    // when its form is first shown.
    void Loaded() override;

    const std::string &Directory() const { return directory_; }
    // The offered volume that holds the list folder.
    std::string Drive() const;

    // Makes the folder at `path` the list folder and the current directory,
    // whatever became of the old one. A failed change of directory raises
    // EInOutError and leaves the current directory, the list folder and its
    // lines as they were.
    void SetDirectory(const std::string &path);
    // Moves to a volume's mount point. Nothing happens when the list folder
    // is the current directory and lies on that very mount.
    void SetDrive(const std::string &mountPoint);
    // Opens the selected line.
    void OpenSelected();
    // Raised after every change of the list folder.
    TNotifyEvent OnChange;

    // What the lines show, for a look from outside: the paths in order.
    std::vector<std::string> LinePaths() const;
    int SelectedLine() const;

    void FirstShown() override;

private:
    // Making the first list or combo box of the program starts Qt's
    // accessibility bridge, a session-bus connection that takes milliseconds:
    // the list is made when it is first to be seen or first asked for. A list
    // its design hides never needs one for its folder.
    QWidget *MakeWidget() override;
    QListWidget *list() const;
    void takeCurrentDirectory();
    bool isListFolder(const std::string &path) const;
    void rebuildLines();

    int itemHeight_;
    std::string directory_;
};

// The drive list: one line per offered volume, in path order, with an icon
// for its kind. Its drive is a mount point.
class TDriveComboBox : public TWinControl {
public:
    TDriveComboBox(TForm *owner, const ComponentProps &props);

    const std::string &Drive() const { return drive_; }
    // Shows another volume as its drive, raising no event.
    void SetDrive(const std::string &mountPoint);
    // Raised when the user picks a line, after the drive was taken from it.
    TNotifyEvent OnChange;

    // The volumes are read again each time the list drops down, so a stick
    // or a disc put in meanwhile shows up.
    void Reload();
    std::vector<std::string> LineTexts() const;
    // As a pick by the user.
    void Pick(int line);

    // The lines are read and the volume of the current directory selected.
    void FirstShown() override;

private:
    // Made when first seen or asked for, as the folder list is.
    QWidget *MakeWidget() override;
    QComboBox *combo() const;

    std::string drive_;
};

// The process's current directory as the system reports it.
std::string currentDirectory();
// Changes the current directory; raises EInOutError on failure.
void changeDirectory(const std::string &path);

// The sub-folders of a folder, as the file system names them, hidden ones
// left out, sorted by the user's collation without regard to case; links to
// folders count as folders. A folder that cannot be read has none.
std::vector<std::string> subFoldersOf(const std::string &folder);
