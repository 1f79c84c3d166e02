#include "toolkit/label.h"

#include "toolkit/form.h"
#include "toolkit/text.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int TabColumns = 8;
const QColor DisabledHighlight(255, 255, 255);
const QColor DisabledShadow(128, 128, 128);

// One line of a caption as drawn: ampersands resolved, tabs expanded, and the
// position of the character a single "&" underlines.
struct DrawnLine {
    QString text;
    qsizetype underline = -1;
};

std::vector<DrawnLine> drawnLines(const QString &caption)
{
    std::vector<DrawnLine> lines(1);
    for (qsizetype i = 0; i < caption.size(); ++i) {
        DrawnLine &line = lines.back();
        const QChar c = caption[i];
        if (c == u'\n') {
            lines.emplace_back();
        } else if (c == u'\t') {
            line.text += QString(TabColumns - line.text.size() % TabColumns, u' ');
        } else if (c == u'&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != u'&' && line.underline < 0)
                line.underline = line.text.size();
            if (caption[i] == u'\n' || caption[i] == u'\t')
                --i; // the mark applies to nothing drawable; let the loop handle it
            else
                line.text += caption[i];
        } else if (c != u'&') {
            line.text += c;
        }
    }
    return lines;
}

QColor toQColor(TColor color)
{
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

} // namespace

TLabel::TLabel(TForm *owner, const ComponentProps &props)
    : TGraphicControl(owner, props)
    , caption_(props.caption)
    , font_(props.font)
    , alignment_(props.alignment)
    , autoSize_(props.autoSize)
    , transparent_(props.transparent)
{
    adjustSize();
}

void TLabel::SetCaption(const std::string &caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Invalidate();
    adjustSize();
    Invalidate();
}

void TLabel::SetFontColor(TColor color)
{
    if (color == font_.Color)
        return;
    font_.Color = color;
    Invalidate();
}

void TLabel::adjustSize()
{
    if (!autoSize_)
        return;
    const QFontMetrics metrics(toQFont(font_));
    // An empty caption is measured as one blank, so the label keeps a height.
    const QString measured = caption_.empty() ? QStringLiteral(" ") : toDisplay(caption_);
    const std::vector<DrawnLine> lines = drawnLines(measured);
    int width = 0;
    for (const DrawnLine &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line.text));
    TControl::SetBounds({Left(), Top(), width, int(lines.size()) * metrics.height()});
}

void TLabel::Paint(QPainter &painter)
{
    if (!transparent_)
        painter.fillRect(0, 0, Width(), Height(), toQColor(owner_->Color()));
    const QFont font = toQFont(font_);
    const QFontMetrics metrics(font);
    painter.setFont(font);

    const std::vector<DrawnLine> lines = drawnLines(toDisplay(caption_));
    auto drawAt = [&](int dx, int dy, const QColor &colour) {
        painter.setPen(colour);
        int top = dy;
        for (const DrawnLine &line : lines) {
            const int width = metrics.horizontalAdvance(line.text);
            int x = dx;
            if (alignment_ == taCenter)
                x += (Width() - width) / 2;
            else if (alignment_ == taRightJustify)
                x += Width() - width;
            const int baseline = top + metrics.ascent();
            painter.drawText(x, baseline, line.text);
            if (line.underline >= 0 && line.underline < line.text.size()) {
                const int from = x + metrics.horizontalAdvance(line.text.left(line.underline));
                const int to = from + metrics.horizontalAdvance(line.text[line.underline]);
                const int y = baseline + metrics.underlinePos();
                painter.fillRect(from, y, to - from, std::max(1, metrics.lineWidth()), colour);
            }
            top += metrics.height();
        }
    };

    if (Enabled()) {
        drawAt(0, 0, toQColor(font_.Color));
    } else {
        drawAt(1, 1, DisabledHighlight);
        drawAt(0, 0, DisabledShadow);
    }
}

TImage::TImage(TForm *owner, const ComponentProps &props)
    : TGraphicControl(owner, props)
    , source_(QString::fromStdString(props.caption))
    , center_(props.center)
{
}

const QImage &TImage::Picture() const
{
    if (!loaded_ && !source_.isEmpty())
        picture_.load(source_);
    loaded_ = true;
    return picture_;
}

void TImage::Paint(QPainter &painter)
{
    const QImage &picture = Picture();
    if (picture.isNull())
        return;
    int x = 0;
    int y = 0;
    if (center_) {
        x = (Width() - picture.width()) / 2;
        y = (Height() - picture.height()) / 2;
    }
    painter.drawImage(x, y, picture);
}
