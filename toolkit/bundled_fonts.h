#pragma once

#include <QString>

// The family name of the viewer's 8 x 12 DOS face that the program carries.
inline const QString DosTerminalFamily = QStringLiteral("DOS Terminal");

// Registers the fonts the program carries (the resources under :/fonts/)
// with Qt, so that windows made afterwards find them whether or not the
// desktop has them installed. The DOS face waits for its first use (see
// registerDosTerminalFace()): only the viewer shows it, and reading it takes
// about as long as every other font together. Returns how many of the others
// could not be registered.
int registerBundledFonts();

// Registers the DOS face the first time it is called; true if it is registered.
bool registerDosTerminalFace();
