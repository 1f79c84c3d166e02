#include "toolkit/windowed.h"

#include "toolkit/form.h"
#include "toolkit/text.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <algorithm>

TEdit::TEdit(TForm *owner, const ComponentProps &props)
    : TWinControl(owner, props, new QLineEdit(owner->Handle()))
    , edit_(static_cast<QLineEdit *>(widget_))
{
    edit_->setFont(toQFont(props.font));
    edit_->setText(toDisplay(props.caption));
}

std::string TEdit::Text() const
{
    return fromDisplay(edit_->text());
}

void TEdit::SetText(const std::string &text)
{
    edit_->setText(toDisplay(text));
}

TMemo::TMemo(TForm *owner, const ComponentProps &props)
    : TWinControl(owner, props, new QPlainTextEdit(owner->Handle()))
    , editor_(static_cast<QPlainTextEdit *>(widget_))
{
    editor_->setFont(toQFont(props.font));
    editor_->setReadOnly(true);
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TMemo::Clear()
{
    editor_->clear();
}

void TMemo::Add(const std::string &line)
{
    editor_->appendPlainText(toDisplay(line));
}

std::string TMemo::Text() const
{
    return fromDisplay(editor_->toPlainText());
}

TProgressBar::TProgressBar(TForm *owner, const ComponentProps &props)
    : TWinControl(owner, props, new QProgressBar(owner->Handle()))
    , bar_(static_cast<QProgressBar *>(widget_))
{
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
}

int TProgressBar::Position() const
{
    return bar_->value();
}

void TProgressBar::SetPosition(int position)
{
    bar_->setValue(std::clamp(position, 0, 100));
}
