#include "destination/folder_chooser.h"
#include "destination/new_folder_dialog.h"
#include "extract/progress_window.h"
#include "launcher/credits_window.h"
#include "launcher/main_window.h"
#include "launcher/text_viewer.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <unistd.h>

class WindowSetTest : public QObject {
    Q_OBJECT

    static TForm *formNumber(int n)
    {
        TForm *forms[] = {Form1, Form2, Form3, Form4, Form5, Form6};
        return forms[n - 1];
    }

private slots:
    void sixWindowsOfTheirSizesAndBorders_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("skinned");
        QTest::newRow("main") << 1 << QSize(453, 272) << true;
        QTest::newRow("folder chooser") << 2 << QSize(302, 352) << true;
        QTest::newRow("new folder") << 3 << QSize(252, 122) << true;
        QTest::newRow("progress") << 4 << QSize(252, 122) << true;
        QTest::newRow("viewer") << 5 << QSize(652, 330) << false;
        QTest::newRow("credits") << 6 << QSize(252, 122) << true;
    }

    void sixWindowsOfTheirSizesAndBorders()
    {
        QFETCH(int, number);
        QFETCH(QSize, client);
        QFETCH(bool, skinned);
        ScratchFolder folder;
        folder.write("install.ini", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n");
        WindowSet windows;

        TForm *form = formNumber(number);
        QCOMPARE(Application->MainForm(), static_cast<TForm *>(Form1));
        for (int n = 1; n <= 6; ++n)
            QVERIFY(!formNumber(n)->Visible());
        QVERIFY(form->BorderStyle() == (skinned ? bsNone : bsToolWindow));
        QCOMPARE(form->Handle()->size(), client);

        showAndWait(form);
        // Centred as the user sees it: by the frame where the window has one.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QSize frame = form->Handle()->frameGeometry().size();
        QCOMPARE(frame == client, skinned);
        QCOMPARE(form->Handle()->pos(),
                 QPoint((screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2));
    }

    // Started in a folder that was removed after the shell entered it: the
    // main window's hidden folder list cannot read its folder while the
    // window is built. That is reported like a failure of its creation
    // handler, and start-up goes on as without a settings file.
    void aRemovedStartupFolderIsReportedAndStartupGoesOn()
    {
        ScratchFolder folder;
        folder.makeFolder("gone");
        QCOMPARE(::chdir(folder.file("gone").c_str()), 0);
        QCOMPARE(::rmdir(folder.file("gone").c_str()), 0);
        WindowSet windows;

        QCOMPARE(windows.boxes.shown.size(), std::size_t(1));
        QCOMPARE(windows.boxes.shown[0].text, std::string("File not found."));
        QCOMPARE(windows.boxes.shown[0].caption, std::string("Installer"));
        QVERIFY(!Form1->Visible());
        QCOMPARE(Form1->Label1->Caption(), std::string("TITLEMAIN"));
        QCOMPARE(Form1->Label8->Caption(), std::string("Label8"));
        QCOMPARE(Form1->Label9->Caption(), std::string("Label9"));
        QCOMPARE(Form3->Edit1->Text(), std::string("Label7"));

        bool mainWindowShown = false;
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                mainWindowShown = Form1->Visible();
                Form1->Close();
            },
            Qt::QueuedConnection);
        Application->Run();
        QVERIFY(mainWindowShown);
    }

    void runShowsOnlyTheMainWindowAndEndsWithIt()
    {
        ScratchFolder folder;
        folder.write("install.ini", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n");
        WindowSet windows;
        bool othersHidden = false;
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                othersHidden = Form1->Visible() && !Form2->Visible() && !Form3->Visible() && !Form4->Visible()
                    && !Form5->Visible() && !Form6->Visible();
                Form1->Close();
            },
            Qt::QueuedConnection);
        Application->Run();
        QVERIFY(othersHidden);
        QVERIFY(Application->Terminated());
    }
};

REGISTER_TEST(WindowSetTest)
#include "window_set_test.moc"
