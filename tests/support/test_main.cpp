#include "tests/support/test_registry.h"
#include "toolkit/application.h"
#include "toolkit/bundled_fonts.h"
#include "toolkit/font_configuration.h"

#include <QApplication>
#include <QTemporaryFile>
#include <QTest>
#include <clocale>

namespace {

// CTest's code for a test that could not do its work here.
constexpr int SkippedExitCode = 77;

// Runs one test class. Qt Test returns how many functions failed but not how
// many skipped, so a second logger writes to a file that tells: a failure is
// never taken for a skip because another function of the class skipped.
int runClass(QObject *test, QStringList arguments, bool &skipped)
{
    QTemporaryFile log;
    if (!log.open())
        return QTest::qExec(test, arguments);
    if (!arguments.contains(QStringLiteral("-o")))
        arguments << QStringLiteral("-o") << QStringLiteral("-,txt"); // Qt Test's own default
    arguments << QStringLiteral("-o") << log.fileName() + QStringLiteral(",txt");
    const int failures = QTest::qExec(test, arguments);
    log.seek(0);
    while (!log.atEnd())
        skipped |= log.readLine().startsWith("SKIP   :");
    return failures;
}

} // namespace

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
    bool skipped = false;
    for (const TestFactory &make : registeredTests()) {
        std::unique_ptr<QObject> test = make();
        if (!onlyClass.isEmpty() && onlyClass != QLatin1String(test->metaObject()->className()))
            continue;
        failures += runClass(test.get(), arguments, skipped);
    }
    if (failures > 0)
        return 1;
    return skipped ? SkippedExitCode : 0;
}
