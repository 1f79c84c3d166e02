#include "app/settings.h"
#include "destination/new_folder_dialog.h"
#include "launcher/main_window.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"

#include <QTest>

using Captions = QStringList; // Label1, Label2, Label5, Label6, Label7 and the archive's name

class SettingsTest : public QObject {
    Q_OBJECT

    static Captions shownCaptions()
    {
        auto s = [](const TLabel *label) { return QString::fromStdString(label->Caption()); };
        return {s(Form1->Label1), s(Form1->Label2), s(Form1->Label5), s(Form1->Label6), s(Form1->Label7)};
    }

private slots:
    void sixLinesFillTheMainWindow_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Captions>("captions");
        QTest::addColumn<QString>("archive");

        QTest::newRow("CR LF") << QByteArray("Title\r\nSub\r\ninfo.nfo\r\nfile_id.diz\r\nGame\r\ngame.rar\r\n")
                               << Captions{"Title", "Sub", "info.nfo", "file_id.diz", "Game"} << "game.rar";
        QTest::newRow("CR alone") << QByteArray("Title\rSub\rinfo.nfo\rfile_id.diz\rGame\rgame.rar")
                                  << Captions{"Title", "Sub", "info.nfo", "file_id.diz", "Game"} << "game.rar";
        QTest::newRow("LF alone is one line") << QByteArray("Title\nSub\ninfo.nfo\n")
                                              << Captions{"Title\nSub\ninfo.nfo\n", "", "", "", ""} << "";
        QTest::newRow("Ctrl-Z before the end") << QByteArray("Title\r\nSub\r\nin\x1a" "fo\r\nx\r\n")
                                               << Captions{"Title", "Sub", "in", "", ""} << "";
        QTest::newRow("short file") << QByteArray("Title\r\nSub")
                                    << Captions{"Title", "Sub", "", "", ""} << "";
        QTest::newRow("empty file") << QByteArray() << Captions{"", "", "", "", ""} << "";
        QTest::newRow("blanks kept") << QByteArray(" T \r\n\tS\r\n a.nfo\r\nb.diz \r\n G \r\n x.rar \r\n")
                                     << Captions{" T ", "\tS", " a.nfo", "b.diz ", " G "} << " x.rar ";
        QTest::newRow("seventh line ignored") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n")
                                              << Captions{"1", "2", "3", "4", "5"} << "6";
        QTest::newRow("full path still gets the base path") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n/tmp/a.rar\r\n")
                                                            << Captions{"1", "2", "3", "4", "5"} << "/tmp/a.rar";
        const QString longLine(1000, 'L');
        QTest::newRow("long line arrives whole") << (longLine.toLatin1() + "\r\n")
                                                 << Captions{longLine, "", "", "", ""} << "";
    }

    void sixLinesFillTheMainWindow()
    {
        QFETCH(QByteArray, file);
        QFETCH(Captions, captions);
        QFETCH(QString, archive);
        ScratchFolder folder;
        folder.write("install.ini", file.toStdString());
        WindowSet windows;

        QVERIFY(windows.boxes.shown.empty());
        QCOMPARE(shownCaptions(), captions);
        const std::string basePath = folder.path() + "/";
        QCOMPARE(Form1->Label9->Caption(), basePath);
        QCOMPARE(Form1->Label8->Caption(), basePath + archive.toStdString());
        QCOMPARE(QString::fromStdString(Form3->Edit1->Text()), captions[4]);
    }

    void anUnreadableFileIsReportedBeforeAnyWindowShows_data()
    {
        QTest::addColumn<bool>("asFolder");
        QTest::addColumn<QString>("report");
        QTest::newRow("missing") << false << "File not found.";
        QTest::newRow("a folder in its place") << true << "File access denied.";
    }

    void anUnreadableFileIsReportedBeforeAnyWindowShows()
    {
        QFETCH(bool, asFolder);
        QFETCH(QString, report);
        ScratchFolder folder;
        if (asFolder)
            folder.makeFolder("install.ini");
        {
            WindowSet windows;
            QCOMPARE(windows.boxes.shown.size(), std::size_t(1));
            const ShownMessageBox &box = windows.boxes.shown[0];
            QCOMPARE(QString::fromStdString(box.caption), QString("Installer"));
            QCOMPARE(QString::fromStdString(box.text), report);
            QVERIFY(box.icon == TMsgIcon::Stop);
            QVERIFY(!Form1->Visible()); // the report came during creation, before the loop shows it

            QCOMPARE(shownCaptions(), (Captions{"TITLEMAIN", "TITLESUB", "quenvale.nfo", "file_id.diz", "Label7"}));
            QCOMPARE(Form1->Label8->Caption(), std::string("Label8"));
            QCOMPARE(Form1->Label9->Caption(), std::string("Label9"));
            QCOMPARE(Form3->Edit1->Text(), std::string("Label7"));
        }
    }

    void theBasePathHasOneSeparatorAlways_data()
    {
        QTest::addColumn<QString>("startupFolder");
        QTest::addColumn<QString>("basePath");
        QTest::newRow("root") << "/" << "//";
        QTest::newRow("folder") << "/media/cdrom" << "/media/cdrom/";
    }

    void theBasePathHasOneSeparatorAlways()
    {
        QFETCH(QString, startupFolder);
        QFETCH(QString, basePath);
        QCOMPARE(QString::fromStdString(basePathOf(startupFolder.toStdString())), basePath);
    }
};

REGISTER_TEST(SettingsTest)
#include "settings_test.moc"
