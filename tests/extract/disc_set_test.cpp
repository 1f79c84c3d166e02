#include "extract/progress_window.h"
#include "launcher/main_window.h"
#include "tests/extract/archive_fixture.h"
#include "tests/support/test_registry.h"

#include <QDirIterator>
#include <QTest>
#include <linux/capability.h>
#include <set>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// A disc or stick: a tmpfs mounted on a folder of the release named for its
// label, as a desktop mounts each medium of a set under its own label.
class Medium {
public:
    Medium(const ScratchFolder &release, const std::string &label)
        : path_(release.file(label))
    {
        release.makeFolder(label);
    }
    ~Medium() { eject(); }
    Medium(const Medium &) = delete;
    Medium &operator=(const Medium &) = delete;

    bool insert()
    {
        mounted_ = ::mount("tmpfs", path_.c_str(), "tmpfs", 0, "size=4m") == 0;
        return mounted_;
    }
    void eject()
    {
        if (mounted_ && ::umount(path_.c_str()) != 0)
            ::umount2(path_.c_str(), MNT_DETACH);
        mounted_ = false;
    }
    // Read-only from now on, like a pressed disc.
    void seal() { QCOMPARE(::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0); }
    std::string file(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
    bool mounted_ = false;
};

// Root reads every file whatever its mode bits; without these two
// capabilities the calling thread reads as the bits say.
class WithoutReadOverride {
public:
    WithoutReadOverride()
    {
        if (::syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        active_ = ::syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~WithoutReadOverride()
    {
        if (active_)
            ::syscall(SYS_capset, &header_, saved_);
    }
    WithoutReadOverride(const WithoutReadOverride &) = delete;
    WithoutReadOverride &operator=(const WithoutReadOverride &) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool active_ = false;
};

Contents discSetContents()
{
    return {{"readme.txt", textBytes(3000)},
            {"data/level1.dat", randomBytes(60000, 11)},
            {"docs/manual.txt", textBytes(20000)}};
}

// The set in three volumes of 40 KiB, left in the release folder.
void packThreeVolumes(const ExtractionFixture &run, const Contents &contents)
{
    QCOMPARE(packArchive(run.release, "game.rar", contents, {"-v40k", "-m0"}), std::string("game.part1.rar"));
    QVERIFY(QFile::exists(QString::fromStdString(run.release.file("game.part3.rar"))));
    QVERIFY(!QFile::exists(QString::fromStdString(run.release.file("game.part4.rar"))));
}

// Moves volume `number` from the release folder into `folder` of the medium.
void putVolume(const ExtractionFixture &run, int number, const Medium &medium, const std::string &folder)
{
    const std::string name = "game.part" + std::to_string(number) + ".rar";
    const QString from = QString::fromStdString(run.release.file(name));
    const QString to = QString::fromStdString(medium.file(folder.empty() ? name : folder + "/" + name));
    QVERIFY(QDir().mkpath(QFileInfo(to).path()));
    QVERIFY(QFile::copy(from, to));
    QVERIFY(QFile::remove(from));
}

// The tree byte for byte, and nothing else: no volume was copied there.
void verifyTree(const ExtractionFixture &run, const Contents &contents)
{
    std::set<std::string> written;
    const QString destination = QString::fromStdString(run.destination);
    for (QDirIterator it(destination, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        written.insert(QDir(destination).relativeFilePath(it.next()).toStdString());
    std::set<std::string> expected;
    for (const auto &[name, bytes] : contents) {
        expected.insert(name);
        QVERIFY2(readBytes(run.destinationFile(name)) == bytes, name.c_str());
    }
    QCOMPARE(written, expected);
}

void verifyFinished()
{
    QVERIFY(!Form4->Visible());
    QVERIFY(Form1->Enabled());
    QCOMPARE(QString::fromStdString(Form4->Label3->Caption()), QString("Unpacking > game.part3.rar"));
}

const char *const CannotMount = "this machine does not let the tests mount a tmpfs";

} // namespace

// A set of volumes spread over media that the desktop mounts at different
// places; the archive's first volume is in a folder of the first medium.
class DiscSetTest : public QObject {
    Q_OBJECT

private slots:
    void volumesOnOtherMediaAreOpenedWithoutAsking_data()
    {
        QTest::addColumn<QString>("folderOnOthers");
        QTest::newRow("same place on each medium") << "setup";
        QTest::newRow("at the top of the other media") << "";
    }

    void volumesOnOtherMediaAreOpenedWithoutAsking()
    {
        QFETCH(QString, folderOnOthers);
        ExtractionFixture run;
        const Contents contents = discSetContents();
        packThreeVolumes(run, contents);
        Medium first(run.release, "GAME_CD1"), second(run.release, "GAME_CD2"), third(run.release, "BONUS");
        if (!first.insert() || !second.insert() || !third.insert())
            QSKIP(CannotMount);
        putVolume(run, 1, first, "setup");
        putVolume(run, 2, second, folderOnOthers.toStdString());
        putVolume(run, 3, third, folderOnOthers.toStdString());
        for (Medium *medium : {&first, &second, &third})
            medium->seal();
        run.createWindows("GAME_CD1/setup/game.part1.rar");
        run.extract();

        QVERIFY(run.windows->boxes.shown.empty());
        verifyTree(run, contents);
        verifyFinished();
    }

    void aMediumInsertedWhileAskedLetsTheRunGoOn_data()
    {
        QTest::addColumn<bool>("firstEjected");
        QTest::newRow("in another drive") << false;
        QTest::newRow("in place of the first") << true;
    }

    void aMediumInsertedWhileAskedLetsTheRunGoOn()
    {
        QFETCH(bool, firstEjected);
        ExtractionFixture run;
        const Contents contents = discSetContents();
        packThreeVolumes(run, contents);
        Medium first(run.release, "GAME_CD1"), second(run.release, "GAME_CD2");
        if (!first.insert())
            QSKIP(CannotMount);
        putVolume(run, 1, first, "setup");
        run.createWindows("GAME_CD1/setup/game.part1.rar");
        run.windows->boxes.responder = [&](const ShownMessageBox &box) {
            if (box.text != promptFor(first.file("setup/game.part2.rar")) || run.windows->boxes.shown.size() > 1)
                return mrCancel;
            if (firstEjected)
                first.eject();
            if (second.insert()) {
                putVolume(run, 2, second, "setup");
                putVolume(run, 3, second, "setup");
            }
            return mrOk;
        };
        run.extract();

        QCOMPARE(run.windows->boxes.shown.size(), std::size_t(1));
        verifyTree(run, contents);
        verifyFinished();
    }

    void aFileOfTheVolumesNameThatIsNoVolumeIsPassedOver_data()
    {
        QTest::addColumn<bool>("unreadable");
        QTest::newRow("a folder") << false;
        QTest::newRow("an unreadable file") << true;
    }

    void aFileOfTheVolumesNameThatIsNoVolumeIsPassedOver()
    {
        QFETCH(bool, unreadable);
        ExtractionFixture run;
        const Contents contents = discSetContents();
        packThreeVolumes(run, contents);
        // Media are tried in mount-point order: the decoy's comes first.
        Medium first(run.release, "GAME_CD1"), decoy(run.release, "GAME_CD2"), real(run.release, "GAME_CD3");
        if (!first.insert() || !decoy.insert() || !real.insert())
            QSKIP(CannotMount);
        putVolume(run, 1, first, "setup");
        const QString decoyPath = QString::fromStdString(decoy.file("setup/game.part2.rar"));
        if (unreadable) {
            run.release.write("decoy", "not a volume");
            QVERIFY(QDir().mkpath(QFileInfo(decoyPath).path()));
            QVERIFY(QFile::copy(QString::fromStdString(run.release.file("decoy")), decoyPath));
            QVERIFY(QFile::setPermissions(decoyPath, {}));
        } else {
            QVERIFY(QDir().mkpath(decoyPath));
        }
        putVolume(run, 2, real, "setup");
        putVolume(run, 3, real, "setup");
        for (Medium *medium : {&first, &decoy, &real})
            medium->seal();
        run.createWindows("GAME_CD1/setup/game.part1.rar");
        const WithoutReadOverride asAnOrdinaryReader;
        if (unreadable && QFile(decoyPath).open(QIODevice::ReadOnly))
            QSKIP("this process reads files whatever their mode");
        run.extract();

        QVERIFY(run.windows->boxes.shown.empty());
        verifyTree(run, contents);
        verifyFinished();
    }

    void aVolumeOnNoMediumIsAskedForUntilCancelled()
    {
        ExtractionFixture run;
        const Contents contents = discSetContents();
        packThreeVolumes(run, contents);
        Medium first(run.release, "GAME_CD1"), third(run.release, "GAME_CD3");
        if (!first.insert() || !third.insert())
            QSKIP(CannotMount);
        putVolume(run, 1, first, "setup");
        putVolume(run, 3, third, "setup");
        run.createWindows("GAME_CD1/setup/game.part1.rar");
        run.windows->boxes.nextAnswer(mrOk);
        run.windows->boxes.nextAnswer(mrCancel);
        run.extract();

        QCOMPARE(run.windows->boxes.shown.size(), std::size_t(2));
        for (const ShownMessageBox &box : run.windows->boxes.shown) {
            QCOMPARE(box.caption, std::string("Request"));
            QCOMPARE(box.text, promptFor(first.file("setup/game.part2.rar")));
        }
        QCOMPARE(QString::fromStdString(Form4->Label1->Caption()), QString("Volume open error"));
        QVERIFY(Form4->Visible());
        QVERIFY(!Form1->Enabled());
    }

    // The library asks for a volume after failing to open it; a file there
    // that it could not open is no answer until the user has been asked.
    void aVolumeTheLibraryFailedToOpenIsAskedFor_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << int(mrOk) << 1;
        QTest::newRow("Cancel") << int(mrCancel) << 0;
    }

    void aVolumeTheLibraryFailedToOpenIsAskedFor()
    {
        QFETCH(int, answer);
        QFETCH(int, result);
        ScratchFolder release;
        release.write("install.ini", "T\r\nS\r\ni\r\nd\r\nG\r\ngame.part1.rar\r\n");
        release.write("game.part2.rar", "there, yet not opened");
        WindowSet windows;
        windows.boxes.nextAnswer(TModalResult(answer));
        char volume[1024] = {};
        const std::string asked = release.file("game.part2.rar");
        asked.copy(volume, sizeof volume - 1);

        QCOMPARE(OnVolumeChange(volume, 0), result);
        QCOMPARE(windows.boxes.shown.size(), std::size_t(1));
        QCOMPARE(windows.boxes.shown.front().text, promptFor(asked));
        QCOMPARE(std::string(volume), asked);
    }
};

REGISTER_TEST(DiscSetTest)
#include "disc_set_test.moc"
