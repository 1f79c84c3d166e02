#pragma once

#include "toolkit/control.h"

#include <string>
#include <vector>

class QChar;
class QString;

class QLineEdit;
class QPlainTextEdit;
class QProgressBar;

// A one-line edit box.
class TEdit : public TWinControl {
public:
    TEdit(TForm *owner, const ComponentProps &props);

    std::string Text() const;
    void SetText(const std::string &text);

private:
    // A line edit loads the desktop's default font as it is made, which it
    // never shows: it is made when its form first shows or when it is used.
    QWidget *MakeWidget() override;
    QLineEdit *lineEdit() const;

    std::string text_; // until the line edit is made
};

// A read-only multi-line text box holding lines of single-byte text, shown
// in its font's code page. A line is cut at a zero byte, and a line that
// starts with one adds nothing, as with text handed over as C strings.
class TMemo : public TWinControl {
public:
    TMemo(TForm *owner, const ComponentProps &props);

    void Clear();
    void Add(const std::string &line); // appends the line and a line break
    // The same as adding each line in turn, in one step.
    void AddLines(const std::vector<std::string> &lines);
    QString DisplayedText() const;
    QPlainTextEdit *Editor() const;

private:
    // Its editor loads fonts as it is made: it is made when its form first
    // shows or when it is used.
    QWidget *MakeWidget() override;
    void appendText(const QString &text);
    QChar *appendLine(QChar *out, const std::string &line) const;
};

// A bar in the range 0 to 100; a position outside shows as the nearer end.
class TProgressBar : public TWinControl {
public:
    TProgressBar(TForm *owner, const ComponentProps &props);

    int Position() const;
    void SetPosition(int position);

private:
    QProgressBar *bar_;
};
