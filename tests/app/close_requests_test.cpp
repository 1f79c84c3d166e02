#include "destination/folder_chooser.h"
#include "destination/new_folder_dialog.h"
#include "extract/progress_window.h"
#include "launcher/credits_window.h"
#include "launcher/main_window.h"
#include "launcher/text_viewer.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"

#include <QTest>
#include <QWidget>

// A close request from the window manager (close button, Alt+F4, a task bar)
// never leaves the program without an enabled window to go on from: each
// window takes it as its own way back.
class CloseRequestsTest : public QObject {
    Q_OBJECT

    static TForm *formNumber(int n)
    {
        TForm *forms[] = {Form1, Form2, Form3, Form4, Form5, Form6};
        return forms[n - 1];
    }

    static TControl *link(const QString &name)
    {
        if (name == "Install")
            return Form1->Label4;
        if (name == "Quit")
            return Form1->Label3;
        if (name == "information")
            return Form1->Label5;
        if (name == "makedir")
            return Form2->Label3;
        if (name == "ok")
            return Form2->Label1;
        if (name == "extract")
            return Form4->Label2;
        qFatal("no link %s", qPrintable(name));
    }

    static QList<int> visibleForms()
    {
        QList<int> shown;
        for (int n = 1; n <= 6; ++n)
            if (formNumber(n)->Visible())
                shown << n;
        return shown;
    }

private slots:
    void eachWindowStepsBack_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("closed");
        QTest::addColumn<QList<int>>("shownAfter");
        QTest::addColumn<bool>("mainEnabledAfter");
        QTest::newRow("chooser: as cancel") << QStringList{"Install"} << 2 << QList<int>{1} << true;
        QTest::newRow("new folder: as cancel")
            << QStringList{"Install", "makedir"} << 3 << QList<int>{1, 2} << false;
        QTest::newRow("credits: back to the main window") << QStringList{"Quit"} << 6 << QList<int>{1} << true;
        QTest::newRow("progress before the run")
            << QStringList{"Install", "ok"} << 4 << QList<int>{1} << true;
        QTest::newRow("progress after a failed run")
            << QStringList{"Install", "ok", "extract"} << 4 << QList<int>{1} << true;
        QTest::newRow("viewer") << QStringList{"information"} << 5 << QList<int>{1} << true;
    }

    void eachWindowStepsBack()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, closed);
        QFETCH(QList<int>, shownAfter);
        QFETCH(bool, mainEnabledAfter);
        ScratchFolder folder;
        // The archive is missing: a run fails at its open.
        folder.write("install.ini", "Title\r\nSub\r\ninfo.nfo\r\nfile_id.diz\r\nGame\r\nmissing.rar\r\n");
        folder.write("info.nfo", "INFO\r\n");
        WindowSet windows;
        showAndWait(Form1);
        for (const QString &name : clicks)
            click(link(name));
        QVERIFY(formNumber(closed)->Visible());

        QVERIFY(!formNumber(closed)->Handle()->close());
        QCOMPARE(visibleForms(), shownAfter);
        QCOMPARE(Form1->Enabled(), mainEnabledAfter);
        QVERIFY(!Application->Terminated());
        if (clicks.contains("extract")) {
            // The run happens once: "extract" stays disabled for good.
            QVERIFY(!Form4->Label2->Enabled());
            click(Form1->Label4);
            click(Form2->Label1);
            QVERIFY(Form4->Visible());
            QVERIFY(!Form4->Label2->Enabled());
        }
    }
};

REGISTER_TEST(CloseRequestsTest)
#include "close_requests_test.moc"
