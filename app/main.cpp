#include "app/character_types.h"
#include "app/display_platform.h"
#include "app/window_set.h"
#include "toolkit/application.h"
#include "toolkit/bundled_fonts.h"
#include "toolkit/font_configuration.h"
#include "toolkit/session_end.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    // The program takes no command line; Qt is given only the program name.
    int qtArgc = 1;
    preferX11Platform();
    useDesktopFontConfiguration(); // before anything asks fontconfig for fonts
    QApplication qtApplication(qtArgc, argv);
    (void)argc;
    useUtf8CharacterTypes();
    registerBundledFonts();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));

    TApplication application;
    application.Title = "Installer";
    EndProgramOnSessionEnd();
    CreateWindowSet();
    application.Run();
    DestroyWindowSet();
    return 0;
}
