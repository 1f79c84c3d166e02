#pragma once

#include <QString>
#include <string_view>

// The DOS screen's characters for the bytes of code page 437: the glyphs of
// the control codes (smileys, card suits, arrows), the letters and the box
// drawing. Qt's own decoder turns 0x01 to 0x1F into control characters, so
// the program keeps its own table. The tab stays a tab for the text box to
// expand.
QChar charOfCodePage437(unsigned char byte);
QString fromCodePage437(std::string_view bytes);
// Writes the characters of the bytes at `out`; returns the end.
QChar *decodeCodePage437(std::string_view bytes, QChar *out);
