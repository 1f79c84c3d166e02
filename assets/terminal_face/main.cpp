// Makes the viewer's DOS face: every character of code page 437 taken from
// Terminus' 14-pixel bitmap strike (8 pixels wide) and folded into an 8 x 12
// cell (cell_glyph.h tells how), written as a BDF font file.
//   terminal_face_generator TERMINUS_OTB OUTPUT_BDF
#include "cell_glyph.h"
#include "toolkit/code_page_437.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <fstream>
#include <memory>
#include <set>

namespace {

constexpr int SourceHeight = 14;
constexpr int SourceAscent = 12; // the baseline lies under row 11
constexpr int CellWidth = 8;
constexpr int CellAscent = 11;   // rows 2 and up move up by one: the baseline under row 10

bool selectStrike(FT_Face face, int height)
{
    for (int i = 0; i < face->num_fixed_sizes; ++i)
        if (face->available_sizes[i].height == height)
            return FT_Select_Size(face, i) == 0;
    return false;
}

// The glyph's pixels placed in its 8 x 14 cell by the strike's own offsets.
bool renderCell(FT_Face face, char32_t codePoint, CellRows &cell)
{
    if (FT_Get_Char_Index(face, codePoint) == 0)
        return false;
    if (FT_Load_Char(face, codePoint, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
        return false;
    const FT_GlyphSlot slot = face->glyph;
    if (slot->advance.x >> 6 != CellWidth)
        return false;
    cell.assign(SourceHeight, 0);
    const FT_Bitmap &bitmap = slot->bitmap;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const int y = SourceAscent - slot->bitmap_top + int(row);
        if (y < 0 || y >= SourceHeight)
            return false;
        for (unsigned column = 0; column < bitmap.width; ++column) {
            const int x = slot->bitmap_left + int(column);
            const bool set = bitmap.buffer[row * bitmap.pitch + column / 8] & (0x80 >> (column % 8));
            if (set && (x < 0 || x >= CellWidth))
                return false;
            if (set)
                cell[y] |= std::uint8_t(0x80 >> x);
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TERMINUS_OTB OUTPUT_BDF\n", argv[0]);
        return 2;
    }
    // Released on every way out, so that a leak-checking build runs clean.
    FT_Library libraryHandle = nullptr;
    FT_Face faceHandle = nullptr;
    const bool opened = FT_Init_FreeType(&libraryHandle) == 0
        && FT_New_Face(libraryHandle, argv[1], 0, &faceHandle) == 0;
    const std::unique_ptr<FT_LibraryRec_, FT_Error (*)(FT_Library)> library(libraryHandle, FT_Done_FreeType);
    const std::unique_ptr<FT_FaceRec_, FT_Error (*)(FT_Face)> face(faceHandle, FT_Done_Face);
    if (!opened) {
        std::fprintf(stderr, "cannot read the face %s\n", argv[1]);
        return 1;
    }
    if (!selectStrike(face.get(), SourceHeight)) {
        std::fprintf(stderr, "%s has no %d-pixel strike\n", argv[1], SourceHeight);
        return 1;
    }
    std::set<char32_t> codePoints;
    for (int byte = 0; byte < 256; ++byte)
        codePoints.insert(charOfCodePage437(static_cast<unsigned char>(byte)).unicode());
    codePoints.erase(U'\t'); // the memo expands tabs itself
    std::vector<CellGlyph> glyphs;
    for (char32_t codePoint : codePoints) {
        CellRows cell;
        if (!renderCell(face.get(), codePoint, cell)) {
            std::fprintf(stderr, "U+%04X is missing from %s or leaves its 8 x 14 cell\n", unsigned(codePoint), argv[1]);
            return 1;
        }
        glyphs.push_back({codePoint, foldToTwelveRows(cell)});
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << bdfFont("DOS Terminal",
                   "Derived from Terminus Font, Copyright (c) 2010-2014 Dimitar Toshkov Zhekov, "
                   "SIL Open Font License 1.1",
                   glyphs, CellAscent);
    return out.good() ? 0 : 1;
}
