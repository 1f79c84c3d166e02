#include "tests/support/test_registry.h"
#include "toolkit/volumes.h"

#include <QTest>

// Kinds, lines and offering of volumes from sample mount records.
class VolumesTest : public QObject {
    Q_OBJECT

private slots:
    void kindsAndLines_data()
    {
        QTest::addColumn<QString>("mountPoint");
        QTest::addColumn<QString>("fileSystem");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("removable");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("offered");

        const int fixed = int(VolumeKind::Fixed), removable = int(VolumeKind::Removable),
                  network = int(VolumeKind::Network), cd = int(VolumeKind::CD), ram = int(VolumeKind::Ram);
        QTest::newRow("root disk") << "/" << "ext4" << "/dev/sda2" << "system" << false << fixed << "/  [system]" << true;
        QTest::newRow("disk without label") << "/home" << "ext4" << "/dev/sda3" << "" << false << fixed << "/home" << true;
        QTest::newRow("stick by its flag") << "/srv/usb" << "vfat" << "/dev/sdb1" << "STICK" << true << removable << "/srv/usb" << true;
        QTest::newRow("under /media") << "/media/ann/KEY" << "exfat" << "/dev/sdc1" << "KEY" << false << removable << "/media/ann/KEY" << true;
        QTest::newRow("under /run/media") << "/run/media/ann/KEY" << "vfat" << "/dev/sdc1" << "" << false << removable << "/run/media/ann/KEY" << true;
        QTest::newRow("under /mnt") << "/mnt/disk" << "ext4" << "/dev/sdd1" << "" << false << removable << "/mnt/disk" << true;
        QTest::newRow("disc") << "/media/cdrom" << "iso9660" << "/dev/sr0" << "GAME_CD" << true << cd << "/media/cdrom  [GAME_CD]" << true;
        QTest::newRow("udf disc") << "/media/dvd" << "udf" << "/dev/sr1" << "" << true << cd << "/media/dvd" << true;
        QTest::newRow("nfs") << "/net/share" << "nfs4" << "server:/export" << "" << false << network << "/net/share  server:/export" << true;
        QTest::newRow("samba") << "/mnt/smb" << "cifs" << "//host/games" << "" << false << network << "/mnt/smb  //host/games" << true;
        QTest::newRow("sshfs") << "/home/ann/remote" << "fuse.sshfs" << "ann@host:" << "" << false << network << "/home/ann/remote  ann@host:" << true;
        QTest::newRow("ram disk") << "/tmp" << "tmpfs" << "tmpfs" << "" << false << ram << "/tmp" << true;
        QTest::newRow("ram disk under /run") << "/run/user/1000" << "tmpfs" << "tmpfs" << "" << false << ram << "/run/user/1000" << false;
        QTest::newRow("proc") << "/proc" << "proc" << "proc" << "" << false << fixed << "/proc" << false;
        QTest::newRow("dev") << "/dev/shm" << "tmpfs" << "tmpfs" << "" << false << ram << "/dev/shm" << false;
        QTest::newRow("snap image") << "/snap/core/1" << "squashfs" << "/dev/loop0" << "" << false << fixed << "/snap/core/1" << false;
    }

    void kindsAndLines()
    {
        QFETCH(QString, mountPoint);
        QFETCH(QString, fileSystem);
        QFETCH(QString, device);
        QFETCH(QString, label);
        QFETCH(bool, removable);
        QFETCH(int, kind);
        QFETCH(QString, line);
        QFETCH(bool, offered);
        const MountRecord volume{mountPoint.toStdString(), fileSystem.toStdString(), device.toStdString(),
                                 label.toStdString(), removable};
        QCOMPARE(int(volumeKindOf(volume)), kind);
        QCOMPARE(QString::fromStdString(volumeLineOf(volume)), line);
        QCOMPARE(isOfferedVolume(volume), offered);
    }

    void aPathsVolumeIsTheLongestWholeComponentMatch_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("volume");
        QTest::newRow("root") << "/" << "/";
        QTest::newRow("on the root disk") << "/home2/x" << "/";
        QTest::newRow("on home") << "/home/ann" << "/home";
        QTest::newRow("home itself") << "/home" << "/home";
        QTest::newRow("nested mount") << "/media/cdrom/setup" << "/media/cdrom";
        QTest::newRow("not a whole component") << "/media/cdrom2" << "/";
    }

    void aPathsVolumeIsTheLongestWholeComponentMatch()
    {
        QFETCH(QString, path);
        QFETCH(QString, volume);
        const std::vector<MountRecord> volumes{{"/", "ext4", "", "", false},
                                               {"/home", "ext4", "", "", false},
                                               {"/media/cdrom", "iso9660", "", "", true}};
        QCOMPARE(QString::fromStdString(volumeOf(path.toStdString(), volumes)), volume);
    }
};

REGISTER_TEST(VolumesTest)
#include "volumes_test.moc"
