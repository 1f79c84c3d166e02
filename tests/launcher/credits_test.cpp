#include "launcher/credits_window.h"
#include "launcher/main_window.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"

#include <QTest>

class CreditsTest : public QObject {
    Q_OBJECT

private slots:
    void yepEndsTheProgram()
    {
        ScratchFolder folder;
        WindowSet windows;
        showAndWait(Form1);
        click(Form1->Label3);
        QVERIFY(!Form1->Enabled());
        QVERIFY(Form6->Visible());
        showAndWait(Form6);
        click(Form6->Label4);
        QVERIFY(Application->Terminated());
    }
};

REGISTER_TEST(CreditsTest)
#include "credits_test.moc"
