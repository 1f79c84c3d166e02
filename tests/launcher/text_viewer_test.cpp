#include "launcher/main_window.h"
#include "launcher/text_viewer.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"
#include "toolkit/bundled_fonts.h"
#include "toolkit/code_page_437.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <unistd.h>

// The viewer shows the release's text files as a DOS screen would.
class TextViewerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchFolder> release;
    std::unique_ptr<WindowSet> windows;

    void startWith(const std::string &infoName, const QByteArray &infoBytes)
    {
        release->write("install.ini", "T\r\nS\r\n" + infoName + "\r\nfile_id.diz\r\nG\r\ng.rar\r\n");
        if (!infoName.empty() && !infoBytes.isNull())
            release->write(infoName, infoBytes.toStdString());
        release->write("file_id.diz", "DIZ\r\n");
        windows = std::make_unique<WindowSet>();
        showAndWait(Form1);
    }

    static QString shownText() { return Form5->Memo1->DisplayedText(); }
    static QString caption() { return QString::fromStdString(Form5->Caption()); }

private slots:
    void init() { release = std::make_unique<ScratchFolder>(); }

    void cleanup()
    {
        windows.reset();
        release.reset();
    }

    void showsTheLinesOfTheFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty file") << QByteArray("") << "";
        QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n") << "one\ntwo\n";
        QTest::newRow("CR alone") << QByteArray("one\rtwo") << "one\ntwo\n";
        QTest::newRow("LF alone is one line") << QByteArray("one\ntwo\n") << QString::fromUtf8("one◙two◙\n");
        QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx") << "\n\nx\n";
        QTest::newRow("Ctrl-Z ends the text") << QByteArray("one\r\ntw\x1ao\r\nthree") << "one\ntw\n";
        QTest::newRow("zero byte cuts a line") << QByteArray("ab\0cd\r\nef", 9) << "ab\nef\n";
        QTest::newRow("line starting with zero is dropped") << QByteArray("ab\r\n\0cd\r\nef", 11) << "ab\nef\n";
        QTest::newRow("box drawing") << QByteArray("\xc9\xcd\xbb\r\n\xba\xb0\xba\r\n\xc8\xcd\xbc")
                                     << QString::fromUtf8("╔═╗\n║░║\n╚═╝\n");
        QTest::newRow("DOS glyphs") << QByteArray("\x01\x02\x03\x0e\x10\x18\x7f") << QString::fromUtf8("☺☻♥♫►↑⌂\n");
        QTest::newRow("letters") << QByteArray("\x80\x82\x9b\xe1\xe3\xfd") << QString::fromUtf8("Çé¢ßπ²\n");
    }

    void showsTheLinesOfTheFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        startWith("info.nfo", file);
        click(Form1->Label5);
        QCOMPARE(shownText(), shown);
        QCOMPARE(caption(), QString("Showing info.nfo"));
        QVERIFY(Form5->Visible());
        QVERIFY(Form1->Enabled());
        QVERIFY(windows->boxes.shown.empty());
    }

    void everyByteHasItsOwnCharacter()
    {
        // Zero shows as a blank, like the space; every other byte differs.
        QSet<QChar> seen;
        for (int byte = 1; byte < 256; ++byte)
            seen.insert(charOfCodePage437(uchar(byte)));
        QCOMPARE(seen.size(), 255);
        QCOMPARE(charOfCodePage437(0xFE), QChar(u'■'));
        QCOMPARE(charOfCodePage437(0xFF), QChar(0xA0));
        QCOMPARE(charOfCodePage437(0xDB), QChar(u'█'));
        QCOMPARE(charOfCodePage437(0x00), QChar(u' '));
    }

    void aLongLineIsNotWrapped()
    {
        startWith("info.nfo", QByteArray(400, '=') + "\r\nend\r\n");
        click(Form1->Label5);
        const QTextBlock first = Form5->Memo1->Editor()->document()->firstBlock();
        QCOMPARE(first.text().size(), 400);
        QCOMPARE(first.layout()->lineCount(), 1);
        QVERIFY(Form5->Memo1->Editor()->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff);
        QVERIFY(Form5->Memo1->Editor()->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn);
        // Readers start at the top left of the file, not at its end.
        QCOMPARE(Form5->Memo1->Editor()->textCursor().position(), 0);
        QCOMPARE(Form5->Memo1->Editor()->horizontalScrollBar()->value(), 0);
    }

    void boxDrawingLinesJoinUp()
    {
        // A frame three lines high: its side strokes must run unbroken
        // through the line boundaries in the terminal font.
        startWith("info.nfo", "\xc9\xcd\xcd\xbb\r\n\xba  \xba\r\n\xba  \xba\r\n\xc8\xcd\xcd\xbc\r\n");
        click(Form1->Label5);
        QPlainTextEdit *editor = Form5->Memo1->Editor();
        const QImage screen = editor->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int lineHeight = editor->fontMetrics().height();
        int longestRun = 0;
        for (int x = 0; x < 60; ++x) {
            int run = 0;
            for (int y = 0; y < 6 * lineHeight && y < screen.height(); ++y) {
                run = qGray(screen.pixel(x, y)) > 200 ? run + 1 : 0;
                longestRun = std::max(longestRun, run);
            }
        }
        QVERIFY2(longestRun >= 3 * lineHeight, qPrintable(QString("longest stroke %1 px").arg(longestRun)));
        // The dark red background.
        QCOMPARE(screen.pixel(screen.width() - 5, screen.height() - 5) & 0xFFFFFF, qRgb(150, 24, 14) & 0xFFFFFFu);
    }

    void theTerminalFaceIsTheEightByTwelveBitmap()
    {
        // The DOS raster face's 8 x 12 cell that NFO art is drawn for: a
        // substitute face would move every column of the art.
        startWith("info.nfo", "x\r\n");
        click(Form1->Label5);
        const QFont font = Form5->Memo1->Editor()->font();
        const QFontInfo shown(font);
        QCOMPARE(shown.family(), DosTerminalFamily);
        QCOMPARE(shown.pixelSize(), 12);
        const QFontMetrics cells(font);
        QCOMPARE(cells.horizontalAdvance(QChar(u'M')), 8);
        QCOMPARE(cells.horizontalAdvance(QChar(u'\u2550')), 8);
        QCOMPARE(cells.height(), 12);
    }

    void theViewerIsCentredOnceThenStaysWhereLeft()
    {
        startWith("info.nfo", "INFO\r\n");
        click(Form1->Label5);
        // Centred by its frame, as the user sees it.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QSize frame = Form5->Handle()->frameGeometry().size();
        QCOMPARE(Form5->Handle()->size(), QSize(652, 330));
        QCOMPARE(Form5->Handle()->pos(), screen.topLeft()
                     + QPoint((screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2));
        Form5->Handle()->move(40, 50);
        Form5->Hide();
        click(Form1->Label6);
        QVERIFY(Form5->Visible());
        QCOMPARE(Form5->Handle()->pos(), QPoint(40, 50));
    }

    void theOtherLinkReplacesTextAndCaptionInPlace()
    {
        startWith("info.nfo", "INFO\r\n");
        click(Form1->Label5);
        Form5->Handle()->move(40, 50);
        click(Form1->Label6);
        QCOMPARE(shownText(), QString("DIZ\n"));
        QCOMPARE(caption(), QString("Showing file_id.diz"));
        QCOMPARE(Form5->Handle()->pos(), QPoint(40, 50));
    }

    void theSameLinkReadsTheFileAgain()
    {
        startWith("info.nfo", "first\r\n");
        click(Form1->Label5);
        release->write("info.nfo", "second\r\n");
        click(Form1->Label5);
        QCOMPARE(shownText(), QString("second\n"));
    }

    void aMissingFileEmptiesTheViewerUnderItsOldCaption()
    {
        startWith("info.nfo", "INFO\r\n");
        click(Form1->Label6);
        QVERIFY(::unlink(release->file("info.nfo").c_str()) == 0);
        click(Form1->Label5);
        QCOMPARE(shownText(), QString());
        QCOMPARE(caption(), QString("Showing file_id.diz"));
        QVERIFY(Form5->Visible());
        QVERIFY(windows->boxes.shown.empty());
    }

    void anEmptyLinkNamesTheBaseFolder()
    {
        startWith("", QByteArray());
        click(Form1->Label5); // the link still takes clicks in its rectangle
        QVERIFY(!Form5->Visible());
        click(Form1->Label6);
        click(Form1->Label5);
        QCOMPARE(shownText(), QString());
        QCOMPARE(caption(), QString("Showing file_id.diz"));
        QVERIFY(windows->boxes.shown.empty());
    }

    void aNameWithAFolderPartIsFoundBelowTheBasePath()
    {
        release->makeFolder("docs");
        startWith("docs/info.nfo", "deep\r\n");
        click(Form1->Label5);
        QCOMPARE(shownText(), QString("deep\n"));
        QCOMPARE(caption(), QString("Showing docs/info.nfo"));
    }

    void aFailingOpenIsReported_data()
    {
        QTest::addColumn<QString>("linkTarget");
        QTest::addColumn<QString>("report");
        QTest::newRow("link to nowhere") << "nowhere.nfo" << "File not found.";
        QTest::newRow("link to itself") << "info.nfo" << "Invalid filename.";
    }

    void aFailingOpenIsReported()
    {
        QFETCH(QString, linkTarget);
        QFETCH(QString, report);
        QVERIFY(::symlink(linkTarget.toLocal8Bit().constData(), release->file("info.nfo").c_str()) == 0);
        startWith("info.nfo", QByteArray());
        click(Form1->Label5);
        QCOMPARE(windows->boxes.shown.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(windows->boxes.shown[0].text), report);
        QCOMPARE(QString::fromStdString(windows->boxes.shown[0].caption), QString("Installer"));
        QCOMPARE(caption(), QString("Showing info.nfo"));
        QVERIFY(!Form5->Visible());
        QCOMPARE(shownText(), QString());
    }

    void quitLeavesTheViewerUsable()
    {
        startWith("info.nfo", "one\r\ntwo\r\nthree\r\n");
        click(Form1->Label5);
        click(Form1->Label3); // "Quit"
        QVERIFY(!Form1->Enabled());
        QVERIFY(Form5->Visible());
        QPlainTextEdit *editor = Form5->Memo1->Editor();
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(editor->textCursor().blockNumber(), 3);
    }
};

REGISTER_TEST(TextViewerTest)
#include "text_viewer_test.moc"
