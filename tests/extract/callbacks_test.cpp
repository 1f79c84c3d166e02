#include "app/character_types.h"
#include "extract/progress_window.h"
#include "extract/run_messages.h"
#include "launcher/main_window.h"
#include "tests/extract/archive_fixture.h"
#include "tests/support/test_registry.h"

#include <QTest>
#include <clocale>

using Blocks = QList<int>;
using Positions = QList<int>;

class CallbacksTest : public QObject {
    Q_OBJECT

private slots:
    void theBarFollowsTheEntrysBlocks_data()
    {
        QTest::addColumn<qint64>("entrySize");
        QTest::addColumn<Blocks>("blocks");
        QTest::addColumn<Positions>("positions");
        QTest::newRow("two blocks of a quarter") << qint64(200) << Blocks{50, 50} << Positions{25, 50};
        QTest::newRow("whole entry") << qint64(3000) << Blocks{1000, 1000, 1000} << Positions{33, 67, 100};
        QTest::newRow("size 0 with data") << qint64(0) << Blocks{1, 5} << Positions{100, 100};
        QTest::newRow("beyond 4 GiB") << (qint64(5) << 30) << Blocks{1 << 30, 1 << 30} << Positions{20, 40};
        QTest::newRow("a multiple of 4 GiB") << (qint64(4) << 30) << Blocks{1 << 30} << Positions{25};
    }

    void theBarFollowsTheEntrysBlocks()
    {
        QFETCH(qint64, entrySize);
        QFETCH(Blocks, blocks);
        QFETCH(Positions, positions);
        ScratchFolder folder;
        WindowSet windows;
        Form4->EntrySize = entrySize;
        Form4->EntryPercent = 0;
        Positions seen;
        for (int block : blocks) {
            QCOMPARE(OnDataProcessed(nullptr, block), 1);
            seen << Form4->ProgressBar1->Position();
        }
        QCOMPARE(seen, positions);
    }

    void positionsRoundHalfToEven_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<int>("position");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("2.51") << 2.51 << 3;
        QTest::newRow("below the bar") << -7.0 << 0;
        QTest::newRow("above the bar") << 1e12 << 100;
    }

    void positionsRoundHalfToEven()
    {
        QFETCH(double, percent);
        QFETCH(int, position);
        QCOMPARE(barPosition(percent), position);
    }

    void theVolumeLineNamesTheOpenedVolume()
    {
        ScratchFolder folder;
        folder.write("install.ini", "T\r\nS\r\ni\r\nd\r\nG\r\ngame.part1.rar\r\n");
        WindowSet windows;
        char volume[] = "/media/cdrom/game & co.part2.rar";
        QCOMPARE(OnVolumeChange(volume, 1), 1);
        QCOMPARE(Form4->Label3->Caption(), std::string("Unpacking > game & co.part2.rar"));
        QVERIFY(windows.boxes.shown.empty());
    }

    void messagesByResult_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("open 11") << "open" << 11 << "Not enough memory";
        QTest::newRow("open 12") << "open" << 12 << "Archive header broken:/r/x.rar";
        QTest::newRow("open 13") << "open" << 13 << "Is not RAR archive:/r/x.rar";
        QTest::newRow("open 14") << "open" << 14 << "Unknown archive format";
        QTest::newRow("open 15") << "open" << 15 << "Cannot open /r/x.rar";
        QTest::newRow("open 22") << "open" << 22 << "Password required";
        QTest::newRow("entry 11") << "entry" << 11 << "Not enough memory";
        QTest::newRow("entry 12") << "entry" << 12 << "CRC error";
        QTest::newRow("entry 13") << "entry" << 13 << "Bad volume";
        QTest::newRow("entry 16") << "entry" << 16 << "File create error";
        QTest::newRow("entry 17") << "entry" << 17 << "File close error";
        QTest::newRow("entry 18") << "entry" << 18 << "Read error";
        QTest::newRow("entry 19") << "entry" << 19 << "Write error";
        QTest::newRow("entry 20") << "entry" << 20 << "Buffer too small";
        QTest::newRow("entry 21") << "entry" << 21 << "Unknown error";
        QTest::newRow("entry 24") << "entry" << 24 << "Wrong password";
        QTest::newRow("entry 23") << "entry" << 23 << "Error 23";
        QTest::newRow("header 12") << "header" << 12 << "File header broken";
        QTest::newRow("header 15") << "header" << 15 << "Volume open error";
    }

    void messagesByResult()
    {
        QFETCH(QString, table);
        QFETCH(int, code);
        QFETCH(QString, message);
        const std::string shown = table == "open" ? openErrorMessage(code, "/r/x.rar")
            : table == "entry"                    ? entryErrorMessage(code)
                                                  : headerErrorMessage(code);
        QCOMPARE(QString::fromStdString(shown), message);
    }

    void entryNamesLoseOuterBlanks_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QByteArray("data/a.txt") << "data/a.txt";
        QTest::newRow("blanks and controls") << QByteArray(" \t a b \r\n") << "a b";
        QTest::newRow("cut at a zero") << QByteArray("ab\0cd", 5) << "ab";
        QTest::newRow("non-ASCII kept") << QByteArray("cr\xc3\xa9" "dits ") << QString::fromUtf8("crédits");
        QTest::newRow("all blank") << QByteArray("   ") << "";
    }

    void entryNamesLoseOuterBlanks()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        QCOMPARE(QString::fromStdString(entryNameOf(stored.toStdString())), shown);
    }

    void nonAsciiNamesSurviveACLocale()
    {
        ExtractionFixture run;
        const Contents contents{{"cr\xc3\xa9" "dits.txt", textBytes(500)}};
        const std::string archive = packArchive(run.release, "game.rar", contents);
        run.createWindows(archive);
        std::setlocale(LC_CTYPE, "C");
        useUtf8CharacterTypes();
        run.extract();
        QCOMPARE(readBytes(run.destinationFile("cr\xc3\xa9" "dits.txt")), contents.begin()->second);
    }
};

REGISTER_TEST(CallbacksTest)
#include "callbacks_test.moc"
