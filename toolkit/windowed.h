#pragma once

#include "toolkit/control.h"

#include <string>

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
    QLineEdit *edit_;
};

// A read-only multi-line text box holding lines of single-byte text.
class TMemo : public TWinControl {
public:
    TMemo(TForm *owner, const ComponentProps &props);

    void Clear();
    void Add(const std::string &line); // appends a line at the end
    std::string Text() const;          // the displayed text, lines joined by line feeds
    QPlainTextEdit *Editor() const { return editor_; }

private:
    QPlainTextEdit *editor_;
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
