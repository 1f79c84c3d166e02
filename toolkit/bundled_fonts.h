#pragma once

#include <QString>

// The family name of the viewer's 8 x 12 DOS face that the program carries.
inline const QString DosTerminalFamily = QStringLiteral("DOS Terminal");

// Registers every font the program carries (the resources under :/fonts/)
// with Qt, so that windows made afterwards find them whether or not the
// desktop has them installed. Returns how many could not be registered.
int registerBundledFonts();
