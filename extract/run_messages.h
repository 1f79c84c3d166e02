#pragma once

#include <string>

// The texts the status line shows for the library's results. Every failure
// has a text, so none leaves the line claiming that the run goes on.

// After a failed open.
std::string openErrorMessage(int code, const std::string &archivePath);
// After a failed entry.
std::string entryErrorMessage(int code);
// When reading the next header ends the run on anything but the archive's end.
std::string headerErrorMessage(int code);

// When the library ends on the archive's end but the last volume was cut.
inline constexpr const char *UnexpectedEndMessage = "Unexpected end of archive";

// An entry's name as shown: up to the first zero byte, without the blanks and
// control characters at either end.
std::string entryNameOf(const std::string &storedName);

// The file-name part of a volume's path, after its last "/".
std::string volumeFileName(const std::string &volumePath);

// A percentage as the bar shows it: rounded half to even, kept in 0..100.
int barPosition(double percent);
