#include "toolkit/windowed.h"

#include "toolkit/code_page_437.h"
#include "toolkit/form.h"
#include "toolkit/text.h"

#include <QEvent>
#include <QLineEdit>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
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

// The editor takes its font when it first shows, or when the memo is first
// filled or handed out, not when it is made: loading a font is the dearest
// part of a memo, and the program makes its windows long before it shows most
// of them.
class TMemo::LateFontEditor : public QPlainTextEdit {
public:
    LateFontEditor(QWidget *parent, const QFont &font)
        : QPlainTextEdit(parent)
        , font_(font)
    {
    }

    void takeFont()
    {
        if (fontTaken_)
            return;
        fontTaken_ = true;
        setFont(font_);
        setTabStopDistance(8 * QFontMetricsF(font()).horizontalAdvance(u' '));
    }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            takeFont(); // before the first paint
        return QPlainTextEdit::event(event);
    }

private:
    QFont font_;
    bool fontTaken_ = false;
};

TMemo::TMemo(TForm *owner, const ComponentProps &props)
    : TWinControl(owner, props, new LateFontEditor(owner->Handle(), toQFont(props.font)))
    , editor_(static_cast<LateFontEditor *>(widget_))
    , charset_(props.font.Charset)
{
    editor_->setReadOnly(true);
    editor_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = editor_->palette();
    const QColor text(redOf(props.font.Color), greenOf(props.font.Color), blueOf(props.font.Color));
    palette.setColor(QPalette::Text, text);
    editor_->setPalette(palette);
}

QPlainTextEdit *TMemo::Editor() const
{
    editor_->takeFont();
    return editor_;
}

void TMemo::Clear()
{
    editor_->takeFont();
    editor_->clear();
}

QChar *TMemo::appendLine(QChar *out, const std::string &line) const
{
    const std::string_view shown(line.c_str()); // up to a zero byte
    if (shown.size() < line.size() && shown.empty())
        return out;
    if (charset_ == TFontCharset::Oem) {
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
    editor_->takeFont(); // before the text is laid out
    if (editor_->document()->isEmpty()) {
        editor_->setPlainText(text); // one step, far quicker than inserting
        return;
    }
    QTextCursor end(editor_->document());
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
    return editor_->toPlainText();
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
