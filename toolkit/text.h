#pragma once

#include <QString>
#include <string>

class QFont;
struct TFont;

// Captions and names are single-byte strings. They are shown as Windows-1252,
// unless the bytes are valid UTF-8 holding a multi-byte sequence: release
// makers on Linux write their files in UTF-8.
QString toDisplay(const std::string &bytes);

// Text typed by the user becomes bytes in the file system's encoding, UTF-8.
std::string fromDisplay(const QString &text);

// Maps a design's font faces to faces that Debian ships: Arial to its
// metric-compatible Liberation Sans, MS Sans Serif to a close sans face and
// the DOS Terminal face to the 8 x 12 face the program carries.
QFont toQFont(const TFont &font);
