#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One character cell of a bitmap face eight pixels wide: a byte per row,
// the leftmost pixel in the top bit.
using CellRows = std::vector<std::uint8_t>;

struct CellGlyph {
    char32_t codePoint;
    CellRows rows;
};

// Terminus' 14-pixel strike drawn into a 12-pixel line. Its capitals stand on
// rows 2 to 11 with the baseline under row 11; rows 0 and 1 hold only accents
// and rows 12 and 13 only descenders. Each of those two pairs is folded into
// one row (a pixel set in either stays set), so capitals, small letters and
// the baseline keep their shapes, no pixel column of an accent or descender is
// lost, and a stroke that reaches a cell's edge still reaches it: box drawing
// joins across lines. Halves of the cell (the half blocks) stay halves, six
// rows each. A glyph that repeats every two rows (the shades) keeps its first
// twelve rows instead, so its pattern runs on unbroken from line to line.
CellRows foldToTwelveRows(const CellRows &fourteen);

// The face as a BDF font file (the X11 bitmap distribution format, which
// FreeType and so Qt read), encoded by Unicode code point.
std::string bdfFont(const std::string &family, const std::string &notice, const std::vector<CellGlyph> &glyphs,
                    int ascent);
