#pragma once

#include "toolkit/control.h"

#include <QImage>

// A text label. It draws its caption from the top of its rectangle, aligned,
// without wrapping and clipped; tabs are expanded and a line feed starts a
// line; a single "&" underlines the next character and "&&" draws one "&".
class TLabel : public TGraphicControl {
public:
    TLabel(TForm *owner, const ComponentProps &props);

    const std::string &Caption() const { return caption_; }
    void SetCaption(const std::string &caption);

    const TFont &Font() const { return font_; }
    TColor FontColor() const { return font_.Color; }
    void SetFontColor(TColor color); // the same colour again repaints nothing

    TAlignment Alignment() const { return alignment_; }
    bool AutoSize() const { return autoSize_; }
    bool Transparent() const { return transparent_; }

    void Paint(QPainter &painter) override;

private:
    void adjustSize();

    std::string caption_;
    TFont font_;
    TAlignment alignment_;
    bool autoSize_;
    bool transparent_;
};

// A picture from the program's resources, drawn at its own size at the
// control's top left or centred in it, never stretched.
class TImage : public TGraphicControl {
public:
    TImage(TForm *owner, const ComponentProps &props);

    // Read on first use: the pictures of windows that stay hidden are never
    // decoded, which keeps start-up short.
    const QImage &Picture() const;
    void Paint(QPainter &painter) override;

private:
    QString source_;
    mutable QImage picture_;
    mutable bool loaded_ = false;
    bool center_;
};
