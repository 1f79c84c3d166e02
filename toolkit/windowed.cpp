#include "toolkit/windowed.h"

#include "toolkit/code_page_437.h"
#include "toolkit/form.h"
#include "toolkit/text.h"

#include <QLineEdit>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QProgressBar>
#include <algorithm>

TEdit::TEdit(TForm *owner, const ComponentProps &props)
    : TWinControl(owner, props)
    , text_(props.caption)
{
}

QWidget *TEdit::MakeWidget()
{
    auto *edit = new QLineEdit(owner_->Handle());
    edit->setFont(toQFont(font_));
    edit->setText(toDisplay(text_));
    text_.clear();
    return edit;
}

QLineEdit *TEdit::lineEdit() const
{
    return static_cast<QLineEdit *>(Widget());
}

std::string TEdit::Text() const
{
    // Read back as the line edit would give it: decoded for display, then UTF-8.
    return fromDisplay(HasWidget() ? lineEdit()->text() : toDisplay(text_));
}

void TEdit::SetText(const std::string &text)
{
    if (HasWidget())
        lineEdit()->setText(toDisplay(text));
    else
        text_ = text;
}

TMemo::TMemo(TForm *owner, const ComponentProps &props)
    : TWinControl(owner, props)
{
}

QWidget *TMemo::MakeWidget()
{
    auto *editor = new QPlainTextEdit(owner_->Handle());
    editor->setFont(toQFont(font_));
    editor->setReadOnly(true);
    editor->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setTabStopDistance(8 * QFontMetricsF(editor->font()).horizontalAdvance(u' '));
    QPalette palette = editor->palette();
    const QColor text(redOf(font_.Color), greenOf(font_.Color), blueOf(font_.Color));
    palette.setColor(QPalette::Text, text);
    editor->setPalette(palette);
    return editor;
}

QPlainTextEdit *TMemo::Editor() const
{
    return static_cast<QPlainTextEdit *>(Widget());
}

void TMemo::Clear()
{
    Editor()->clear();
}

QChar *TMemo::appendLine(QChar *out, const std::string &line) const
{
    const std::string_view shown(line.c_str()); // up to a zero byte
    if (shown.size() < line.size() && shown.empty())
        return out;
    if (font_.Charset == TFontCharset::Oem) {
        out = decodeCodePage437(shown, out);
    } else {
        const QString decoded = toDisplay(std::string(shown)); // never longer than its bytes
        out = std::copy(decoded.cbegin(), decoded.cend(), out);
    }
    *out++ = u'\n';
    return out;
}

void TMemo::appendText(const QString &text)
{
    QPlainTextEdit *editor = Editor();
    if (editor->document()->isEmpty()) {
        editor->setPlainText(text); // one step, far quicker than inserting
        return;
    }
    QTextCursor end(editor->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
}

void TMemo::Add(const std::string &line)
{
    AddLines({line});
}

void TMemo::AddLines(const std::vector<std::string> &lines)
{
    // One buffer for the whole text: a character per byte at the most.
    std::size_t size = 0;
    for (const std::string &line : lines)
        size += line.size() + 1;
    QString text(qsizetype(size), Qt::Uninitialized);
    QChar *end = text.data();
    for (const std::string &line : lines)
        end = appendLine(end, line);
    text.truncate(end - text.data());
    appendText(text);
}

QString TMemo::DisplayedText() const
{
    return Editor()->toPlainText();
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
