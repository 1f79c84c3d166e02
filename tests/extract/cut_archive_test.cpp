#include "extract/progress_window.h"
#include "extract/rar_unit.h"
#include "extract/run_messages.h"
#include "launcher/main_window.h"
#include "tests/extract/archive_fixture.h"
#include "tests/support/test_registry.h"

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QTest>

namespace {

const Contents &releaseContents()
{
    static const Contents contents{{"readme.txt", textBytes(120)},
                                   {"data/level1.dat", randomBytes(100, 11)},
                                   {"data/empty.txt", QByteArray()},
                                   {"docs/manual.txt", textBytes(250).mid(120)}};
    return contents;
}

// rar makes no volume under 913 bytes: a big first entry fills the first two
// volumes, and the third holds the end of one entry, a whole one and the folders.
const Contents &volumeContents()
{
    static const Contents contents = [] {
        Contents all = releaseContents();
        all["intro.dat"] = randomBytes(1400, 12);
        return all;
    }();
    return contents;
}

// The archive as rar makes it, with a comment, files in folders, an empty
// file and an empty folder; returns its volumes' names in order.
QStringList packRelease(const ScratchFolder &release, const Contents &contents, const QStringList &options)
{
    release.makeFolder("source/saves");
    for (const auto &[name, bytes] : contents) {
        release.makeFolder("source/" + QFileInfo(QString::fromStdString(name)).path().toStdString());
        release.write("source/" + name, bytes.toStdString());
    }
    release.write("comment.txt", "Greetings from the release");
    const QStringList first = contents.contains("intro.dat") ? QStringList{"intro.dat"} : QStringList{};
    QProcess rar;
    rar.setWorkingDirectory(QString::fromStdString(release.file("source")));
    rar.start("rar", QStringList{"a", "-idq", "-ma5", "-z../comment.txt"} + options + QStringList{"../game.rar"}
                         + first + QStringList{"readme.txt", "data", "docs", "saves"});
    if (!rar.waitForFinished(60000) || rar.exitCode() != 0)
        qFatal("rar failed: %s", rar.readAll().constData());
    return QDir(QString::fromStdString(release.path())).entryList({"game*.rar"}, QDir::Files, QDir::Name);
}

qsizetype endOfData(const QByteArray &archive, const QByteArray &data)
{
    return archive.indexOf(data) + data.size();
}

QByteArray storedOldFormatName(const std::string &name)
{
    return QByteArray::fromStdString(name).replace('/', '\\');
}

// Every text the run may leave on the status line when it stops.
QSet<QString> runMessages(const std::string &archivePath)
{
    QSet<QString> messages{UnexpectedEndMessage};
    for (int code = RarUnit::NoMemory; code <= RarUnit::BadPassword; ++code)
        messages << QString::fromStdString(openErrorMessage(code, archivePath))
                 << QString::fromStdString(entryErrorMessage(code))
                 << QString::fromStdString(headerErrorMessage(code));
    return messages;
}

} // namespace

class CutArchiveTest : public QObject {
    Q_OBJECT

private slots:
    void aCutBetweenEntriesStopsTheRun_data()
    {
        QTest::addColumn<bool>("volumes");
        QTest::addColumn<int>("cutVolume");
        QTest::addColumn<QString>("lastEntry"); // the entry whose data the cut follows
        QTest::newRow("single volume") << false << 0 << "docs/manual.txt";
        QTest::newRow("last of three volumes") << true << 2 << "docs/manual.txt";
        // The library ends on the cut volume and never asks for the next one.
        QTest::newRow("middle of three volumes") << true << 1 << "readme.txt";
    }

    // A cut right after an entry's data leaves whole blocks only: the library
    // reports the archive's end there.
    void aCutBetweenEntriesStopsTheRun()
    {
        QFETCH(bool, volumes);
        QFETCH(int, cutVolume);
        QFETCH(QString, lastEntry);
        ExtractionFixture run;
        const QStringList volumeNames = volumes ? packRelease(run.release, volumeContents(), {"-m0", "-v1k"})
                                                : packRelease(run.release, releaseContents(), {"-m0"});
        QCOMPARE(volumeNames.size(), volumes ? 3 : 1);
        const std::string cutName = volumeNames[cutVolume].toStdString();
        const QByteArray bytes = readBytes(run.release.file(cutName));
        const QByteArray &data = releaseContents().at(lastEntry.toStdString());
        const qsizetype afterData = endOfData(bytes, data);
        QVERIFY(afterData > data.size() && afterData < bytes.size());
        run.release.write(cutName, bytes.left(afterData).toStdString());
        run.createWindows(volumeNames.first().toStdString());
        run.extract();

        QCOMPARE(readBytes(run.destinationFile(lastEntry.toStdString())), data);
        QCOMPARE(QString::fromStdString(Form4->Label1->Caption()), QString(UnexpectedEndMessage));
        QVERIFY(Form4->Visible());
        QVERIFY(!Form1->Enabled());
        QVERIFY(!Form4->Label2->Enabled());
        QVERIFY(run.windows->boxes.shown.empty());
    }

    void noCutEndsAsAWholeInstall_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("single volume") << "single volume";
        QTest::newRow("last of three volumes") << "volumes";
        // Without the end block, as RAR 1.5 to 4 could end: a cut between two
        // entries leaves a whole, shorter archive.
        QTest::newRow("old format") << "old format";
    }

    // At every cut of the last volume the run either stops with one of its
    // messages or unpacks everything the file still holds, byte-exact.
    void noCutEndsAsAWholeInstall()
    {
        QFETCH(QString, kind);
        const bool oldFormat = kind == "old format";
        const Contents &contents = kind == "volumes" ? volumeContents() : releaseContents();
        ExtractionFixture run;
        QStringList volumes;
        if (oldFormat) {
            volumes = QStringList{"game.rar"};
            run.release.write("game.rar", oldFormatArchive(contents, {.endBlock = false}).toStdString());
        } else {
            volumes = kind == "volumes" ? packRelease(run.release, contents, {"-m0", "-v1k"})
                                        : packRelease(run.release, contents, {});
        }
        const std::string lastVolume = volumes.last().toStdString();
        const QByteArray bytes = readBytes(run.release.file(lastVolume));
        run.createWindows(volumes.first().toStdString());
        const QSet<QString> messages = runMessages(run.release.file(volumes.first().toStdString()));

        // Cuts that leave a whole archive: nothing cut, or in the old format
        // the end of an entry's block.
        QSet<qsizetype> wholeAt{bytes.size()};
        if (oldFormat) {
            for (const auto &[name, data] : contents)
                wholeAt << endOfData(bytes, storedOldFormatName(name)) + data.size();
        }

        QStringList faults;
        for (qsizetype cut = 0; cut <= bytes.size(); ++cut) {
            run.prepareAnotherRun();
            run.release.write(lastVolume, bytes.left(cut).toStdString());
            run.extract();
            const QString status = QString::fromStdString(Form4->Label1->Caption());
            const QString at = QString("cut at %1 of %2: ").arg(cut).arg(bytes.size());
            if (Form4->Visible() && !Form1->Enabled()) {
                if (wholeAt.contains(cut))
                    faults << at + "a whole archive stopped with \"" + status + "\"";
                else if (!messages.contains(status))
                    faults << at + "stopped without a message, showing \"" + status + "\"";
                continue;
            }
            if (Form4->Visible() || !Form1->Enabled()) {
                faults << at + "neither stopped nor ended";
                continue;
            }
            QStringList missing;
            for (const auto &[name, data] : contents) {
                // An old-format entry wholly before the cut must be there; any
                // RAR 5 entry must, since a whole RAR 5 volume ends with its end block.
                const bool held = !oldFormat || endOfData(bytes, storedOldFormatName(name)) + data.size() <= cut;
                if (held && readBytes(run.destinationFile(name)) != data)
                    missing << QString::fromStdString(name);
            }
            if (!oldFormat && !QDir(QString::fromStdString(run.destinationFile("saves"))).exists())
                missing << "saves/";
            if (!missing.isEmpty())
                faults << at + "ended normally without " + missing.join(", ");
        }
        // Qt cuts long messages: the count first, then the first few cuts.
        QVERIFY2(faults.isEmpty(), qPrintable(QString("%1 cuts:\n").arg(faults.size()) + faults.mid(0, 5).join('\n')));
    }
};

REGISTER_TEST(CutArchiveTest)
#include "cut_archive_test.moc"
