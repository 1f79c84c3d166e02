#include "extract/archive_end.h"
#include "tests/extract/archive_fixture.h"
#include "tests/support/test_registry.h"

#include <QProcess>
#include <QTest>

namespace {

QString nameOf(ArchiveEnd end)
{
    switch (end) {
    case ArchiveEnd::Complete: return "complete";
    case ArchiveEnd::Cut: return "cut";
    case ArchiveEnd::LeftToLibrary: return "left to library";
    }
    return "?";
}

// Two stored entries, so that their data can be found in the archive.
const Contents &twoEntries()
{
    static const Contents contents{{"a.txt", textBytes(500)}, {"b.dat", randomBytes(600, 5)}};
    return contents;
}

const Contents &oldFormatEntries()
{
    static const Contents contents{{"a.txt", textBytes(130)}, {"c.txt", QByteArray()}, {"sub/b.dat", randomBytes(200, 6)}};
    return contents;
}

QByteArray madeByRar(const QStringList &options)
{
    const ScratchFolder folder;
    return readBytes(folder.file(packArchive(folder, "t.rar", twoEntries(), QStringList{"-m0"} + options)));
}

qsizetype endOfData(const QByteArray &archive, const QByteArray &data)
{
    return archive.indexOf(data) + data.size();
}

// True when `unrar t` finds the archive sound; it is told not to ask for a password.
bool unrarTestPasses(const std::string &path)
{
    QProcess unrar;
    unrar.start("unrar", {"t", "-idq", "-p-", QString::fromStdString(path)});
    if (!unrar.waitForFinished(60000))
        qFatal("unrar t did not finish");
    return unrar.exitStatus() == QProcess::NormalExit && unrar.exitCode() == 0;
}

} // namespace

class ArchiveEndTest : public QObject {
    Q_OBJECT

private slots:
    void tellsHowTheLastVolumeEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        // What `unrar t` says of the same file, where it is asked: "ok" or "fails".
        QTest::addColumn<QString>("unrarVerdict");

        const QByteArray whole = madeByRar({});
        const QByteArray &a = twoEntries().at("a.txt");
        const QByteArray &b = twoEntries().at("b.dat");
        const qsizetype betweenEntries = endOfData(whole, a);
        const QByteArray stub = "MZ" + randomBytes(5000, 9);
        QTest::newRow("whole") << whole << "complete" << "ok";
        QTest::newRow("cut inside a header") << whole.left(whole.indexOf("b.dat") + 2) << "cut" << "fails";
        QTest::newRow("cut inside data") << whole.left(whole.indexOf(b) + 100) << "cut" << "fails";
        // unrar 6.2 passes this file, with the second entry gone; the end block
        // that every RAR 5 archive ends with is missing.
        QTest::newRow("cut between entries") << whole.left(betweenEntries) << "cut" << "";
        QTest::newRow("cut before the end block") << whole.left(endOfData(whole, b)) << "cut" << "";
        QTest::newRow("cut inside the end block") << whole.chopped(3) << "cut" << "fails";
        QTest::newRow("bytes after the end block") << whole + "trailing" << "complete" << "ok";
        QTest::newRow("behind a self-extracting stub") << stub + whole << "complete" << "ok";
        QTest::newRow("cut behind a self-extracting stub") << stub + whole.left(betweenEntries) << "cut" << "";
        QTest::newRow("a volume with more to come") << madeByRar({"-v1k"}) << "complete" << "";

        const QByteArray encrypted = madeByRar({"-hpsecret"});
        QTest::newRow("encrypted headers") << encrypted << "left to library" << "";
        QTest::newRow("encrypted headers, cut") << encrypted.left(encrypted.size() / 2) << "left to library" << "";
        QTest::newRow("not an archive") << QByteArray("just some text") << "left to library" << "fails";
        QTest::newRow("empty file") << QByteArray() << "left to library" << "fails";
        QTest::newRow("cut inside the signature") << whole.left(5) << "left to library" << "fails";

        const QByteArray old = oldFormatArchive(oldFormatEntries());
        const QByteArray &oldB = oldFormatEntries().at("sub/b.dat");
        QTest::newRow("old format") << old << "complete" << "ok";
        QTest::newRow("old format without end block")
            << oldFormatArchive(oldFormatEntries(), {.endBlock = false}) << "complete" << "ok";
        QTest::newRow("old format cut between entries")
            << old.left(endOfData(old, oldFormatEntries().at("a.txt"))) << "complete" << "ok";
        QTest::newRow("old format cut inside a header") << old.left(old.indexOf("sub\\b.dat") + 2) << "cut" << "fails";
        QTest::newRow("old format cut inside data") << old.left(old.indexOf(oldB) + 50) << "cut" << "fails";
        QTest::newRow("old format cut inside the end block") << old.chopped(2) << "cut" << "fails";
        QTest::newRow("old format, 64-bit sizes")
            << oldFormatArchive(oldFormatEntries(), {.largeSizes = true}) << "complete" << "ok";
        QTest::newRow("old format, 64-bit size past the end")
            << oldFormatArchive(oldFormatEntries(), {.largeSizes = true, .highPackSize = 1}) << "cut" << "fails";
        QTest::newRow("old format, encrypted headers")
            << oldFormatArchive(oldFormatEntries(), {.encryptedHeaders = true}) << "left to library" << "";
    }

    void tellsHowTheLastVolumeEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QFETCH(QString, unrarVerdict);
        const ScratchFolder folder;
        folder.write("t.rar", bytes.toStdString());
        QCOMPARE(nameOf(archiveEndOf(folder.file("t.rar"))), expected);
        if (!unrarVerdict.isEmpty())
            QCOMPARE(QString(unrarTestPasses(folder.file("t.rar")) ? "ok" : "fails"), unrarVerdict);
    }

    void aMissingFileIsLeftToTheLibrary()
    {
        const ScratchFolder folder;
        QCOMPARE(nameOf(archiveEndOf(folder.file("absent.rar"))), QString("left to library"));
    }
};

REGISTER_TEST(ArchiveEndTest)
#include "archive_end_test.moc"
