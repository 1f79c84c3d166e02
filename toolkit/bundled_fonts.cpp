#include "toolkit/bundled_fonts.h"

#include <QDirIterator>
#include <QFontDatabase>

namespace {

const QString DosTerminalResource = QStringLiteral(":/fonts/dos-terminal-8x12.bdf");

} // namespace

int registerBundledFonts()
{
    int failed = 0;
    QDirIterator fonts(QStringLiteral(":/fonts"), QDir::Files);
    while (fonts.hasNext()) {
        const QString font = fonts.next();
        if (font != DosTerminalResource)
            failed += QFontDatabase::addApplicationFont(font) < 0 ? 1 : 0;
    }
    return failed;
}

bool registerDosTerminalFace()
{
    static const bool registered = QFontDatabase::addApplicationFont(DosTerminalResource) >= 0;
    return registered;
}
