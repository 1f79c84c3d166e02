#include "extract/progress_window.h"
#include "launcher/main_window.h"
#include "tests/extract/archive_fixture.h"
#include "tests/support/test_registry.h"

#include <QDir>
#include <QTest>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {

Contents sampleContents()
{
    return {{"readme.txt", textBytes(3000)},
            {"data/level1.dat", randomBytes(70000, 1)},
            {"data/empty.txt", QByteArray()},
            {"docs/manual.txt", textBytes(90000)}};
}

void verifyUnpacked(const ExtractionFixture &run, const Contents &contents)
{
    for (const auto &[name, bytes] : contents)
        QVERIFY2(readBytes(run.destinationFile(name)) == bytes, name.c_str());
}

void verifyStoppedWith(const ExtractionFixture &run, const QString &status)
{
    QCOMPARE(QString::fromStdString(Form4->Label1->Caption()), status);
    QVERIFY(Form4->Visible());
    QVERIFY(!Form1->Enabled());
    QVERIFY(!Form4->Label2->Enabled());
    QVERIFY(run.windows->boxes.shown.empty() || run.windows->boxes.shown.back().caption == "Request");
}

// A tmpfs over the folder, where the machine lets the tests mount one.
bool mountTmpfs(const std::string &folder, const char *options, unsigned long flags = 0)
{
    return ::mount("tmpfs", folder.c_str(), "tmpfs", flags, options) == 0;
}

} // namespace

class ExtractionTest : public QObject {
    Q_OBJECT

private slots:
    void unpacksEveryEntryByteExact_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("lastVolumeLine");
        QTest::newRow("single volume") << QStringList{} << "Ready...";
        QTest::newRow("solid") << QStringList{"-s", "-m5"} << "Ready...";
        QTest::newRow("stored") << QStringList{"-m0"} << "Ready...";
        QTest::newRow("volumes") << QStringList{"-v40k", "-m0"} << "Unpacking > game.part5.rar";
    }

    void unpacksEveryEntryByteExact()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, lastVolumeLine);
        ExtractionFixture run;
        const Contents contents = sampleContents();
        const std::string archive = packArchive(run.release, "game.rar", contents, options);
        run.createWindows(archive);
        run.extract();

        verifyUnpacked(run, contents);
        QVERIFY(QDir(QString::fromStdString(run.destinationFile("data"))).exists());
        QVERIFY(!Form4->Visible());
        QVERIFY(Form1->Enabled());
        QVERIFY(!Form4->Label2->Enabled());
        QCOMPARE(QString::fromStdString(Form4->Label3->Caption()), lastVolumeLine);
        QCOMPARE(Form4->ProgressBar1->Position(), 0);
        QVERIFY(run.statuses.contains("Extracting docs/manual.txt"));
        QVERIFY(run.windows->boxes.shown.empty());
        // Nothing lands beside the destination.
        QVERIFY(!QFile::exists(QString::fromStdString(run.release.file("readme.txt"))));
    }

    void theCommentShowsUntilTheFirstEntry()
    {
        ExtractionFixture run;
        run.release.write("comment.txt", "Greetings from the release");
        const std::string archive = packArchive(run.release, "game.rar", {{"a.txt", textBytes(100)}},
                                                {"-z" + QString::fromStdString(run.release.file("comment.txt"))});
        run.createWindows(archive);
        run.extract();
        QCOMPARE(run.statuses.mid(run.statuses.indexOf("Comentario:Greetings from the release"), 2),
                 (QStringList{"Comentario:Greetings from the release", "Extracting a.txt"}));
    }

    void aCommentTooBigForTheBufferIsNotShown()
    {
        ExtractionFixture run;
        run.release.write("comment.txt", QByteArray(20000, 'c').toStdString());
        const std::string archive = packArchive(run.release, "game.rar", {{"a.txt", textBytes(100)}},
                                                {"-z" + QString::fromStdString(run.release.file("comment.txt"))});
        run.createWindows(archive);
        run.extract();
        for (const QString &status : run.statuses)
            QVERIFY(!status.startsWith("Comentario:"));
        QVERIFY(!Form4->Visible());
    }

    void anArchiveWithoutEntriesEndsAtOnce()
    {
        ExtractionFixture run;
        const std::string archive = packArchive(run.release, "game.rar", {{"a.txt", textBytes(100)}});
        stripEntries(run.release.file(archive));
        run.createWindows(archive);
        run.extract();
        for (const QString &status : run.statuses)
            QVERIFY(!status.startsWith("Extracting"));
        QVERIFY(!Form4->Visible());
        QVERIFY(Form1->Enabled());
        QVERIFY(QDir(QString::fromStdString(run.destination)).isEmpty());
    }

    void openFailuresStopWithTheirMessage_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("archiveBytes");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("missing") << false << QByteArray() << "Cannot open ";
        QTest::newRow("not an archive") << true << QByteArray("just some text, no archive") << "Is not RAR archive:";
        QTest::newRow("empty file") << true << QByteArray() << "Is not RAR archive:";
    }

    void openFailuresStopWithTheirMessage()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, archiveBytes);
        QFETCH(QString, prefix);
        ExtractionFixture run;
        if (present)
            run.release.write("game.rar", archiveBytes.toStdString());
        run.createWindows("game.rar");
        run.extract();
        verifyStoppedWith(run, prefix + QString::fromStdString(run.release.file("game.rar")));
        QVERIFY(QDir(QString::fromStdString(run.destination)).isEmpty());
    }

    void damagedDataStopsTheRun()
    {
        ExtractionFixture run;
        const QByteArray data = textBytes(50000);
        const std::string archive = packArchive(run.release, "game.rar", {{"a.txt", data}}, {"-m0"});
        QByteArray bytes = readBytes(run.release.file(archive));
        const qsizetype at = bytes.indexOf(data.mid(20000, 64));
        QVERIFY(at > 0);
        bytes[at + 10] = char(bytes[at + 10] ^ 0x55);
        run.release.write(archive, bytes.toStdString());
        run.createWindows(archive);
        run.extract();
        verifyStoppedWith(run, "CRC error");
    }

    void aBrokenHeaderAfterSomeEntriesIsAFailure()
    {
        ExtractionFixture run;
        // Without -qo- rar keeps a copy of the headers that hides the damage.
        const Contents contents{{"a.txt", textBytes(2000)}, {"b.txt", textBytes(3000)}};
        const std::string archive = packArchive(run.release, "game.rar", contents, {"-m0", "-qo-"});
        QByteArray bytes = readBytes(run.release.file(archive));
        const qsizetype second = bytes.indexOf("b.txt");
        QVERIFY(second > 0);
        bytes[second] = 'X'; // the header's CRC no longer matches
        run.release.write(archive, bytes.toStdString());
        run.createWindows(archive);
        run.extract();
        QCOMPARE(readBytes(run.destinationFile("a.txt")), contents.at("a.txt"));
        verifyStoppedWith(run, "File header broken");
    }

    void aPasswordProtectedEntryIsReported()
    {
        ExtractionFixture run;
        const std::string archive = packArchive(run.release, "game.rar", {{"a.txt", textBytes(2000)}}, {"-psecret"});
        run.createWindows(archive);
        run.extract();
        verifyStoppedWith(run, "Password required");
    }

    void aMissingVolumeIsAskedForUntilCancelled()
    {
        ExtractionFixture run;
        const Contents contents{{"a.dat", randomBytes(150000, 7)}};
        const std::string archive = packArchive(run.release, "game.rar", contents, {"-v40k", "-m0"});
        const std::string missing = run.release.file("game.part2.rar");
        QVERIFY(QFile::rename(QString::fromStdString(missing), QString::fromStdString(missing + ".away")));
        run.createWindows(archive);
        run.windows->boxes.nextAnswer(mrOk);
        run.windows->boxes.nextAnswer(mrCancel);
        run.extract();

        QCOMPARE(run.windows->boxes.shown.size(), std::size_t(2));
        for (const ShownMessageBox &box : run.windows->boxes.shown) {
            QCOMPARE(box.caption, std::string("Request"));
            QCOMPARE(box.text, promptFor(missing));
            QVERIFY(box.buttons == TMsgButtons::OkCancel);
        }
        verifyStoppedWith(run, "Volume open error");
    }

    void aVolumeBroughtBackWhileAskedLetsTheRunGoOn()
    {
        ExtractionFixture run;
        const Contents contents{{"a.dat", randomBytes(150000, 8)}};
        const std::string archive = packArchive(run.release, "game.rar", contents, {"-v40k", "-m0"});
        const QString missing = QString::fromStdString(run.release.file("game.part3.rar"));
        QVERIFY(QFile::rename(missing, missing + ".away"));
        run.createWindows(archive);
        run.windows->boxes.responder = [&](const ShownMessageBox &) {
            QFile::rename(missing + ".away", missing); // the user inserts the disk
            return mrOk;
        };
        run.extract();
        QCOMPARE(run.windows->boxes.shown.size(), std::size_t(1));
        verifyUnpacked(run, contents);
        QVERIFY(!Form4->Visible());
    }

    void namesLeavingTheDestinationLandInsideIt()
    {
        ExtractionFixture run;
        const std::string outsideName = "escape-" + std::to_string(::getpid()) + ".txt";
        const std::string rootedName = "rooted-" + std::to_string(::getpid()) + ".txt";
        const std::string archive =
            packArchive(run.release, "game.rar", {{"a.txt", textBytes(100)}, {"b.txt", textBytes(200)}});
        runRar(run.release, {"rn", "-idq", QString::fromStdString(archive), "a.txt",
                             QString::fromStdString("../" + outsideName), "b.txt",
                             QString::fromStdString("/" + rootedName)});
        run.createWindows(archive);
        run.extract();

        const bool wroteAtRoot = QFile::exists(QString::fromStdString("/" + rootedName));
        QFile::remove(QString::fromStdString("/" + rootedName));
        QVERIFY(!wroteAtRoot);
        QVERIFY(!QFile::exists(QString::fromStdString(run.release.file(outsideName))));
        QCOMPARE(readBytes(run.destinationFile(outsideName)), textBytes(100));
        QCOMPARE(readBytes(run.destinationFile(rootedName)), textBytes(200));
    }

    void writeFailuresStopTheRun_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("status");
        QTest::newRow("read-only destination") << true << "File create error";
        QTest::newRow("full disk") << false << "Write error";
    }

    void writeFailuresStopTheRun()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, status);
        ExtractionFixture run;
        const std::string archive = packArchive(run.release, "game.rar", {{"big.dat", randomBytes(300000, 3)}});
        run.createWindows(archive);
        if (readOnly ? mountTmpfs(run.destination, "size=1m", MS_RDONLY) : mountTmpfs(run.destination, "size=64k")) {
            run.extract();
            QDir::setCurrent(QString::fromStdString(run.release.path()));
            ::umount(run.destination.c_str());
        } else if (!readOnly) {
            const FileSizeLimit limit(64 * 1024);
            run.extract();
        } else {
            QSKIP("this machine does not let the tests mount a read-only tmpfs");
        }
        verifyStoppedWith(run, status);
    }

    void aSecondVisitOffersNoAction()
    {
        ExtractionFixture run;
        const std::string archive = packArchive(run.release, "game.rar", {{"a.txt", textBytes(100)}});
        run.createWindows(archive);
        run.extract();
        QVERIFY(!Form4->Visible());
        QFile::remove(QString::fromStdString(run.destinationFile("a.txt")));
        run.extract();
        QVERIFY(!QFile::exists(QString::fromStdString(run.destinationFile("a.txt"))));
        QVERIFY(Form4->Visible());
        QVERIFY(!Form4->Label2->Enabled());
    }

    void aRequestToEndDuringTheRunWaitsForItsEnd()
    {
        ExtractionFixture run;
        const Contents contents = sampleContents();
        const std::string archive = packArchive(run.release, "game.rar", contents);
        run.createWindows(archive);
        // Delivered by the first pass of pending events inside the run.
        QMetaObject::invokeMethod(qApp, [] { Form1->Handle()->close(); }, Qt::QueuedConnection);
        run.extract();
        QVERIFY(Application->Terminated());
        verifyUnpacked(run, contents);
        QVERIFY(!Form4->Visible());
    }
};

REGISTER_TEST(ExtractionTest)
#include "extraction_test.moc"
