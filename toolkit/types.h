#pragma once

#include <cstdint>
#include <string>

// Colours are stored as 0x00BBGGRR, red in the low byte, so values taken from
// window designs can be used unchanged.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clWindowText = clBlack;
// Marks a colour that was not given, so the control keeps its platform look.
inline constexpr TColor clDefault = 0xFF000000;

constexpr int redOf(TColor c) { return int(c & 0xFF); }
constexpr int greenOf(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(TColor c) { return int((c >> 16) & 0xFF); }

enum class TAlignment { taLeftJustify, taCenter, taRightJustify };
using enum TAlignment;

enum class TFormBorderStyle { bsNone, bsToolWindow };
using enum TFormBorderStyle;

enum class TModalResult { mrNone, mrOk, mrCancel };
using enum TModalResult;

enum class TMsgIcon { Stop, Warning, Information, Question };
enum class TMsgButtons { Ok, OkCancel };

// Which code page a font shows single-byte text in: the Windows one, or the
// DOS one of the terminal font.
enum class TFontCharset { Ansi, Oem };

// A font as a window design states it: face name, character height in pixels
// (the em height, internal leading excluded), weight and colour.
struct TFont {
    std::string Name = "MS Sans Serif";
    int Height = 11;
    bool Bold = false;
    TColor Color = clWindowText;
    TFontCharset Charset = TFontCharset::Ansi;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool contains(int x, int y) const
    {
        return x >= Left && x < Left + Width && y >= Top && y < Top + Height;
    }
};

class TObject {
public:
    virtual ~TObject() = default;
};
