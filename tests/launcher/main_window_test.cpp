#include "destination/folder_chooser.h"
#include "launcher/credits_window.h"
#include "launcher/main_window.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"

#include <QTest>

namespace {

const char Settings[] = "Neon Drift\r\n(c) Demo\r\ninfo.nfo\r\nfile_id.diz\r\nGame\r\ngame.rar\r\n";

QChar colourLetter(TColor colour)
{
    switch (colour) {
    case clBlack: return 'k';
    case clWhite: return 'w';
    case clRed: return 'r';
    case clGray: return 'g';
    default: return '?';
    }
}

} // namespace

// The main window's links: white under the pointer, red when pressed, black
// when the pointer is over the picture; a left press captures the mouse.
class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchFolder> folder;
    std::unique_ptr<WindowSet> windows;

    static QPoint at(const QString &place)
    {
        if (place == "install") return centreOf(Form1->Label4);
        if (place == "nfo") return centreOf(Form1->Label5);
        if (place == "nfoBlank") return {Form1->Label5->Left() + 1, Form1->Label5->Top() + 1};
        if (place == "diz") return centreOf(Form1->Label6);
        if (place == "quit") return centreOf(Form1->Label3);
        if (place == "picture") return {200, 100};
        if (place == "picture2") return {210, 110};
        if (place == "hiddenLabel") return {20, 30}; // where Label7 lies, hidden
        if (place == "title") return centreOf(Form1->Label1);
        if (place == "leftColumn") return {0, 100};
        return {700, 500};
    }

    static void steps(const QString &script)
    {
        play(Form1, script, at);
    }

    // Quit, Install, information file, description file.
    static QString linkColours()
    {
        QString letters;
        for (const TLabel *link : {Form1->Label3, Form1->Label4, Form1->Label5, Form1->Label6})
            letters += colourLetter(link->FontColor());
        return letters;
    }

private slots:
    void init()
    {
        folder = std::make_unique<ScratchFolder>();
        folder->write("install.ini", Settings);
        windows = std::make_unique<WindowSet>();
        showAndWait(Form1);
        // Qt drops a move to where the pointer already is: start each case
        // from a spot no script uses.
        moveTo(Form1, {300, 60});
    }

    void cleanup()
    {
        windows.reset();
        folder.reset();
    }

    void linksChangeColourWithThePointer_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("colours"); // Quit, Install, info, description
        QTest::newRow("all at rest") << "" << "kkkk";
        QTest::newRow("hover") << "move:install" << "kwkk";
        QTest::newRow("over the picture") << "move:install move:picture" << "kkkk";
        QTest::newRow("straight off the window") << "move:install move:outside" << "kwkk";
        QTest::newRow("across the picture to another")
            << "move:install move:picture move:diz" << "kkkw";
        QTest::newRow("onto a title line") << "move:diz move:title" << "kkkw";
        QTest::newRow("onto the uncovered left column") << "move:quit move:leftColumn" << "wkkk";
        QTest::newRow("hidden labels let the picture have it") << "move:quit move:hiddenLabel" << "kkkk";
        QTest::newRow("blank part of a fixed link") << "move:nfoBlank" << "kkwk";
        QTest::newRow("press") << "move:nfo press:nfo" << "kkrk";
        QTest::newRow("captured move turns it back")
            << "move:nfo press:nfo move:picture" << "kkwk";
        QTest::newRow("release outside runs nothing, stays white")
            << "move:nfo press:nfo move:picture release:picture" << "kkwk";
        QTest::newRow("then the picture turns it black")
            << "move:nfo press:nfo move:picture release:picture move:picture2" << "kkkk";
        QTest::newRow("right press turns red, captures nothing")
            << "move:diz rpress:diz" << "kkkr";
        QTest::newRow("right press then the picture") << "move:diz rpress:diz move:picture" << "kkkk";
        QTest::newRow("middle press") << "move:quit mpress:quit" << "rkkk";
    }

    void linksChangeColourWithThePointer()
    {
        QFETCH(QString, script);
        QFETCH(QString, colours);
        steps(script);
        QCOMPARE(linkColours(), colours);
        QVERIFY(Form1->Enabled());
        QVERIFY(!Form2->Visible());
        QVERIFY(windows->boxes.shown.empty());
    }

    void installOpensTheChooserOnce_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("colours");
        QTest::newRow("click") << "move:install click:install" << "krkk";
        QTest::newRow("double-click") << "move:install dclick:install" << "krkk";
    }

    void installOpensTheChooserOnce()
    {
        QFETCH(QString, script);
        QFETCH(QString, colours);
        steps(script);
        QVERIFY(Form2->Visible());
        QVERIFY(!Form1->Enabled());
        QCOMPARE(linkColours(), colours);

        steps("move:picture move:quit click:quit"); // a disabled main window takes nothing
        QCOMPARE(linkColours(), colours);
        QVERIFY(!Form6->Visible());

        showAndWait(Form2);
        click(Form2->Label2); // "cancel"
        QVERIFY(Form1->Enabled());
        QVERIFY(!Form2->Visible());
        QCOMPARE(linkColours(), colours); // until the pointer first moves over it
        steps("move:picture");
        QCOMPARE(linkColours(), QString("kkkk"));
    }

    void quitLeadsToTheCredits()
    {
        steps("move:quit click:quit");
        QVERIFY(!Form1->Enabled());
        QVERIFY(Form6->Visible());
        QCOMPARE(linkColours(), QString("rkkk"));
        steps("move:picture move:install click:install");
        QVERIFY(!Form2->Visible());
        QVERIFY(!Application->Terminated());
    }

    void linksAreDrawnOverThePicture()
    {
        const QImage window = grab(Form1);
        const QImage &picture = Form1->Image1->Picture();
        QVERIFY(!picture.isNull());
        // A blank corner of a link shows the picture, not a background.
        const QPoint blank = at("nfoBlank");
        QCOMPARE(window.pixel(blank), picture.convertToFormat(QImage::Format_RGB32).pixel(blank - QPoint(1, 1)));
    }
};

REGISTER_TEST(MainWindowTest)
#include "main_window_test.moc"
