#include "toolkit/bundled_fonts.h"

#include <QDirIterator>
#include <QFontDatabase>

int registerBundledFonts()
{
    int failed = 0;
    QDirIterator fonts(QStringLiteral(":/fonts"), QDir::Files);
    while (fonts.hasNext())
        failed += QFontDatabase::addApplicationFont(fonts.next()) < 0 ? 1 : 0;
    return failed;
}
