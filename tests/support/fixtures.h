#pragma once

#include "toolkit/application.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <QTemporaryDir>
#include <string>

class QWindow;

// A fresh folder that is the current directory while the object lives.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();

    std::string path() const { return dir_.path().toStdString(); }
    std::string file(const std::string &name) const { return path() + "/" + name; }
    void write(const std::string &name, const std::string &bytes) const;
    void makeFolder(const std::string &name) const;

private:
    QTemporaryDir dir_;
    std::string previous_;
};

// The program's six windows created as at start-up, with message boxes
// answered through the seam instead of shown.
class WindowSet {
public:
    WindowSet();
    ~WindowSet();
    WindowSet(const WindowSet &) = delete;
    WindowSet &operator=(const WindowSet &) = delete;

    MessageBoxSeam boxes;
};

// Real mouse and key events, sent through the form's window as the window
// system would deliver them.
QWindow *windowOf(TForm *form);
void showAndWait(TForm *form);
QPoint centreOf(const TControl *control);
void moveTo(TForm *form, QPoint pos, Qt::MouseButtons held = Qt::NoButton);
void press(TForm *form, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void release(TForm *form, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void click(TForm *form, QPoint pos);
void click(const TControl *control);
void doubleClick(TForm *form, QPoint pos);

// Plays a script of pointer steps on a form, each "action:place": move,
// press, release, click, dclick (left button), rpress, rrelease, mpress; `at`
// names the places.
void play(TForm *form, const QString &script, const std::function<QPoint(const QString &)> &at);

// The window as drawn.
QImage grab(TForm *form);
