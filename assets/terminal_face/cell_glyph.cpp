#include "cell_glyph.h"

#include <cstdio>
#include <stdexcept>

namespace {

bool repeatsEveryTwoRows(const CellRows &rows)
{
    for (std::size_t y = 2; y < rows.size(); ++y)
        if (rows[y] != rows[y - 2])
            return false;
    return true;
}

std::string hexByte(std::uint8_t byte)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

} // namespace

CellRows foldToTwelveRows(const CellRows &fourteen)
{
    if (fourteen.size() != 14)
        throw std::invalid_argument("a cell of 14 rows is expected");
    if (repeatsEveryTwoRows(fourteen))
        return CellRows(fourteen.begin(), fourteen.begin() + 12);
    CellRows twelve;
    twelve.push_back(fourteen[0] | fourteen[1]);
    twelve.insert(twelve.end(), fourteen.begin() + 2, fourteen.begin() + 12);
    twelve.push_back(fourteen[12] | fourteen[13]);
    return twelve;
}

std::string bdfFont(const std::string &family, const std::string &notice, const std::vector<CellGlyph> &glyphs,
                    int ascent)
{
    const int height = glyphs.empty() ? 0 : int(glyphs.front().rows.size());
    const int descent = height - ascent;
    const std::string size = std::to_string(height);
    std::string bdf = "STARTFONT 2.1\n"
                      "FONT -installer-" + family + "-medium-r-normal--" + size + "-" + size + "0-75-75-c-80-iso10646-1\n"
                      "SIZE " + size + " 75 75\n"
                      "FONTBOUNDINGBOX 8 " + size + " 0 " + std::to_string(-descent) + "\n"
                      "STARTPROPERTIES 12\n"
                      "FAMILY_NAME \"" + family + "\"\n"
                      "WEIGHT_NAME \"Medium\"\n"
                      "SLANT \"R\"\n"
                      "PIXEL_SIZE " + size + "\n"
                      "POINT_SIZE " + size + "0\n"
                      "SPACING \"C\"\n"
                      "AVERAGE_WIDTH 80\n"
                      "CHARSET_REGISTRY \"ISO10646\"\n"
                      "CHARSET_ENCODING \"1\"\n"
                      "COPYRIGHT \"" + notice + "\"\n"
                      "FONT_ASCENT " + std::to_string(ascent) + "\nFONT_DESCENT " + std::to_string(descent) + "\n"
                      "ENDPROPERTIES\n"
                      "CHARS " + std::to_string(glyphs.size()) + "\n";
    for (const CellGlyph &glyph : glyphs) {
        char name[16];
        std::snprintf(name, sizeof name, "U+%04X", unsigned(glyph.codePoint));
        bdf += std::string("STARTCHAR ") + name + "\nENCODING " + std::to_string(unsigned(glyph.codePoint)) +
               "\nSWIDTH 640 0\nDWIDTH 8 0\nBBX 8 " + size + " 0 " + std::to_string(-descent) + "\nBITMAP\n";
        for (std::uint8_t row : glyph.rows)
            bdf += hexByte(row) + "\n";
        bdf += "ENDCHAR\n";
    }
    bdf += "ENDFONT\n";
    return bdf;
}
