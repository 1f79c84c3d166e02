#include "tests/support/test_registry.h"
#include "toolkit/application.h"
#include "toolkit/bundled_fonts.h"
#include "toolkit/font_configuration.h"

#include <QApplication>
#include <QTest>
#include <clocale>

std::vector<TestFactory> &registeredTests()
{
    static std::vector<TestFactory> tests;
    return tests;
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    useDesktopFontConfiguration(); // as the installer starts
    QApplication qtApplication(argc, argv);
    std::setlocale(LC_CTYPE, "C.UTF-8");
    registerBundledFonts();
    TApplication application;
    application.Title = "Installer";
    // "Class" or "Class::function" as the first argument runs that class
    // alone; Qt Test's own options follow it.
    QString onlyClass;
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1 && !arguments[1].startsWith('-') && arguments[1].at(0).isUpper()) {
        const QString selector = arguments.takeAt(1);
        onlyClass = selector.section("::", 0, 0);
        if (selector.contains("::"))
            arguments.insert(1, selector.section("::", 1));
    }
    int failures = 0;
    for (const TestFactory &make : registeredTests()) {
        std::unique_ptr<QObject> test = make();
        if (!onlyClass.isEmpty() && onlyClass != QLatin1String(test->metaObject()->className()))
            continue;
        failures += QTest::qExec(test.get(), arguments);
    }
    return failures == 0 ? 0 : 1;
}
