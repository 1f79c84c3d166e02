#include "launcher/credits_window.h"
#include "launcher/main_window.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"

#include <QTest>

// The credits window's one link turns grey under the pointer and ends the
// program when clicked.
class CreditsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchFolder> folder;
    std::unique_ptr<WindowSet> windows;

    static QPoint at(const QString &place)
    {
        if (place == "yep") return centreOf(Form6->Label4);
        if (place == "picture") return {120, 40};
        if (place == "credits") return centreOf(Form6->Label2);
        return {600, 400};
    }

    static void steps(const QString &script)
    {
        play(Form6, script, at);
    }

private slots:
    void init()
    {
        folder = std::make_unique<ScratchFolder>();
        folder->write("install.ini", "T\r\nS\r\ni.nfo\r\nf.diz\r\nG\r\ng.rar\r\n");
        windows = std::make_unique<WindowSet>();
        showAndWait(Form1);
        click(Form1->Label3); // "Quit"
        showAndWait(Form6);
        moveTo(Form6, {60, 100}); // a spot no script uses: Qt drops a move to where the pointer is
    }

    void cleanup()
    {
        windows.reset();
        folder.reset();
    }

    void theLinkChangesColour_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<TColor>("colour");
        QTest::newRow("hover is grey") << "move:yep" << clGray;
        QTest::newRow("picture turns it black") << "move:yep move:picture" << clBlack;
        QTest::newRow("straight off the window") << "move:yep move:outside" << clGray;
        QTest::newRow("credit lines change nothing") << "move:yep move:credits" << clGray;
        QTest::newRow("press is red") << "move:yep press:yep" << clRed;
        QTest::newRow("held and moved is grey again") << "move:yep press:yep move:picture" << clGray;
        QTest::newRow("released outside") << "move:yep press:yep move:picture release:picture" << clGray;
        QTest::newRow("right press") << "move:yep rpress:yep" << clRed;
    }

    void theLinkChangesColour()
    {
        QFETCH(QString, script);
        QFETCH(TColor, colour);
        steps(script);
        QCOMPARE(Form6->Label4->FontColor(), colour);
        QVERIFY(!Application->Terminated());
        QVERIFY(Form6->Visible());
    }

    void yepEndsTheProgramFromTheDisabledMainWindow()
    {
        QVERIFY(!Form1->Enabled());
        QVERIFY(Form1->Visible());
        moveTo(Form6, at("yep"));
        click(Form6->Label4);
        QVERIFY(Application->Terminated());
    }
};

REGISTER_TEST(CreditsTest)
#include "credits_test.moc"
