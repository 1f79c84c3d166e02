#include "extract/volume_search.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"

#include <QFileInfo>
#include <QTest>
#include <sys/stat.h>

namespace {

// Three media side by side in a scratch folder, as a desktop mounts them.
std::vector<MountRecord> mediaIn(const ScratchFolder &folder)
{
    std::vector<MountRecord> media;
    for (const char *label : {"GAME_CD1", "GAME_CD2", "THIRD"}) {
        folder.makeFolder(label);
        media.push_back({folder.file(label), "iso9660", "/dev/sr0", label});
    }
    return media;
}

// "name" a file, "name/" a folder, "name|" a pipe.
void makeEntry(const ScratchFolder &folder, const QString &entry)
{
    const std::string name = entry.chopped(entry.endsWith('/') || entry.endsWith('|') ? 1 : 0).toStdString();
    folder.makeFolder(QFileInfo(QString::fromStdString(name)).path().toStdString());
    if (entry.endsWith('/'))
        folder.makeFolder(name);
    else if (entry.endsWith('|'))
        QCOMPARE(::mkfifo(folder.file(name).c_str(), 0644), 0);
    else
        folder.write(name, "volume");
}

} // namespace

class VolumeSearchTest : public QObject {
    Q_OBJECT

private slots:
    void theVolumeIsFoundOnAnyMedium_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("found");
        const QString same2 = "GAME_CD2/setup/game.part2.rar";
        const QString same3 = "THIRD/setup/game.part2.rar";
        QTest::newRow("same place on another medium") << QStringList{same2} << same2;
        QTest::newRow("top of another medium") << QStringList{"THIRD/game.part2.rar"} << "THIRD/game.part2.rar";
        QTest::newRow("same place before the top of an earlier medium")
            << QStringList{"GAME_CD2/game.part2.rar", same3} << same3;
        QTest::newRow("back where it was asked for")
            << QStringList{"GAME_CD1/setup/game.part2.rar", same2} << "GAME_CD1/setup/game.part2.rar";
        QTest::newRow("a folder of that name is passed over") << QStringList{same2 + "/", same3} << same3;
        QTest::newRow("a pipe of that name is passed over") << QStringList{same2 + "|", same3} << same3;
        QTest::newRow("on no medium") << QStringList{"GAME_CD2/setup/other.rar", "THIRD/setup/game.part3.rar"}
                                      << QString();
        QTest::newRow("in another folder of a medium") << QStringList{"THIRD/data/game.part2.rar"} << QString();
    }

    void theVolumeIsFoundOnAnyMedium()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, found);
        ScratchFolder folder;
        const std::vector<MountRecord> media = mediaIn(folder);
        for (const QString &entry : entries)
            makeEntry(folder, entry);
        const std::string asked = folder.file("GAME_CD1/setup/game.part2.rar");

        const std::optional<std::string> result = findVolumeFile(pathInsideMedium(asked, media), media);
        QCOMPARE(QString::fromStdString(result.value_or("")),
                 found.isEmpty() ? QString() : QString::fromStdString(folder.file(found.toStdString())));
    }

    void thePathInsideIsTakenFromTheMediumHoldingIt_data()
    {
        QTest::addColumn<QStringList>("mountPoints");
        QTest::addColumn<QString>("volumePath");
        QTest::addColumn<QString>("inside");
        QTest::newRow("on a mounted medium") << QStringList{"/", "/media/u/CD1"}
                                             << "/media/u/CD1/setup/game.part2.rar" << "setup/game.part2.rar";
        QTest::newRow("at the top of a medium") << QStringList{"/", "/media/u/CD1"} << "/media/u/CD1/game.part2.rar"
                                                << "game.part2.rar";
        QTest::newRow("a mount point cut inside a name") << QStringList{"/", "/media/u/CD"}
                                                         << "/media/u/CD1/game.part2.rar"
                                                         << "media/u/CD1/game.part2.rar";
        QTest::newRow("dots and doubled slashes") << QStringList{"/", "/media/u/CD1"}
                                                  << "/media/u/CD1/./setup//game.part2.rar"
                                                  << "setup/game.part2.rar";
    }

    void thePathInsideIsTakenFromTheMediumHoldingIt()
    {
        QFETCH(QStringList, mountPoints);
        QFETCH(QString, volumePath);
        QFETCH(QString, inside);
        std::vector<MountRecord> volumes;
        for (const QString &mountPoint : mountPoints)
            volumes.push_back({mountPoint.toStdString(), "ext4", "/dev/sda1", ""});
        QCOMPARE(QString::fromStdString(pathInsideMedium(volumePath.toStdString(), volumes)), inside);
    }

    // The library reads a name handed back from a buffer of limited size.
    void aPathTooLongForTheLibraryIsNotHandedBack()
    {
        ScratchFolder folder;
        const std::vector<MountRecord> media = mediaIn(folder);
        std::string deep;
        for (char letter : {'a', 'b', 'c', 'd', 'e', 'f'})
            deep += std::string(200, letter) + "/";
        const std::string inside = deep + "game.part2.rar";
        makeEntry(folder, QString::fromStdString("GAME_CD2/" + inside));
        QVERIFY(folder.file("GAME_CD2/" + inside).size() >= 1024);
        QVERIFY(!findVolumeFile(inside, media));

        makeEntry(folder, "THIRD/game.part2.rar");
        QCOMPARE(findVolumeFile(inside, media).value_or(""), folder.file("THIRD/game.part2.rar"));
    }
};

REGISTER_TEST(VolumeSearchTest)
#include "volume_search_test.moc"
