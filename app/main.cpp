#include "app/window_set.h"
#include "toolkit/application.h"

#include <QApplication>
#include <QIcon>
#include <clocale>
#include <cstring>

namespace {

// The archive library turns entry names into the locale's multi-byte
// encoding; under a C or POSIX locale it cuts them at the first non-ASCII
// character and would write files under the cut name.
void useUtf8CharacterTypes()
{
    const char *ctype = std::setlocale(LC_CTYPE, "");
    if (!ctype || (!std::strstr(ctype, "UTF-8") && !std::strstr(ctype, "utf8")))
        std::setlocale(LC_CTYPE, "C.UTF-8");
}

} // namespace

int main(int argc, char *argv[])
{
    // The program takes no command line; Qt is given only the program name.
    int qtArgc = 1;
    QApplication qtApplication(qtArgc, argv);
    (void)argc;
    useUtf8CharacterTypes();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));

    TApplication application;
    application.Title = "Installer";
    CreateWindowSet();
    application.Run();
    DestroyWindowSet();
    return 0;
}
