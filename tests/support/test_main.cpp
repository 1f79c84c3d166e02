#include "tests/support/test_registry.h"
#include "toolkit/application.h"

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
    QApplication qtApplication(argc, argv);
    std::setlocale(LC_CTYPE, "C.UTF-8");
    TApplication application;
    application.Title = "Installer";
    int failures = 0;
    for (const TestFactory &make : registeredTests()) {
        std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
