#include "destination/folder_chooser.h"
#include "destination/new_folder_dialog.h"
#include "extract/progress_window.h"
#include "launcher/main_window.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"
#include "toolkit/folder_lists.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTest>
#include <QWindow>
#include <QLocale>
#include <cerrno>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Paths = QStringList;

QStringList toList(const std::vector<std::string> &items)
{
    QStringList list;
    for (const std::string &item : items)
        list << QString::fromStdString(item);
    return list;
}

// "/" and every folder down to `folder`.
Paths pathDownTo(const QString &folder)
{
    Paths paths{"/"};
    QString path;
    for (const QString &name : folder.split('/', Qt::SkipEmptyParts)) {
        path += "/" + name;
        paths << path;
    }
    return paths;
}

// A tmpfs volume mounted on a folder while the object lives; taken off even
// when a check fails, so the scratch folder can go.
class TmpfsMount {
public:
    TmpfsMount(const std::string &at, unsigned long flags = 0, const char *options = nullptr)
        : at_(at)
        , mounted_(::mount("tmpfs", at.c_str(), "tmpfs", flags, options) == 0)
    {
    }
    ~TmpfsMount() { detach(); }
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;

    bool mounted() const { return mounted_; }
    // As a stick pulled out: gone from the tree at once, whoever is in it.
    void detach()
    {
        if (mounted_)
            (void)::umount2(at_.c_str(), MNT_DETACH);
        mounted_ = false;
    }

private:
    std::string at_;
    bool mounted_;
};

#define MOUNT_OR_SKIP(mount)                                                                                 \
    if (!(mount).mounted())                                                                                  \
        QSKIP("mounting is not allowed here");

QStringList fromBytes(const std::vector<std::string> &items)
{
    QStringList list;
    for (const std::string &item : items)
        list << QString::fromLatin1(QByteArray::fromStdString(item));
    return list;
}

// Makes a folder and the ones on the way, by their bytes: Qt's own calls
// would pass names through UTF-8.
void makeRawFolders(const std::string &path)
{
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        (void)::mkdir(path.substr(0, slash).c_str(), 0777);
    if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST)
        qFatal("cannot make %s", path.c_str());
}

// The inode of a folder: the same folder whatever its path now is.
ino_t inodeOf(const std::string &path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

// The chooser on a real folder tree: the start-up folder with a few
// sub-folders, a hidden one and a file.
class ChooserTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchFolder> release;
    std::unique_ptr<WindowSet> windows;
    QString start;

    static QListWidget *folderList() { return static_cast<QListWidget *>(Form2->DirectoryListBox1->Widget()); }

    static int lineOf(const QString &path)
    {
        return toList(Form2->DirectoryListBox1->LinePaths()).indexOf(path);
    }

    // The centre of a line, in the chooser window's coordinates.
    static QPoint pointOfLine(int line)
    {
        QListWidget *list = folderList();
        const QRect rect = list->visualItemRect(list->item(line));
        return list->viewport()->mapTo(Form2->Handle(), rect.center());
    }

    static QString shownFolder() { return QString::fromStdString(Form2->DirectoryListBox1->Directory()); }
    static QString currentFolder() { return QString::fromStdString(currentDirectory()); }

    void openLine(int line, bool byKeyboard)
    {
        if (byKeyboard) {
            click(Form2, pointOfLine(line));
            QTest::keyClick(windowOf(Form2), Qt::Key_Return);
        } else {
            doubleClick(Form2, pointOfLine(line));
        }
    }

    void makeFolderNamed(const QString &name)
    {
        click(Form2->Label3); // "makedir"
        QVERIFY(Form3->Visible());
        showAndWait(Form3);
        QWidget *edit = Form3->Edit1->Widget();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, name);
        click(Form3->Label2); // "ok"
    }

    // The lines are read from the disk when the folder is opened again.
    void readLinesAgain()
    {
        openLine(lineOf(start + "/apps"), false);
        openLine(lineOf(start), false);
        QCOMPARE(shownFolder(), start);
    }

    // Drops the drive list down (which reads the volumes again), walks to
    // the volume's line with the arrow keys and takes it with Enter.
    static void pickLine(int line)
    {
        auto *combo = static_cast<QComboBox *>(Form2->DriveComboBox1->Widget());
        QTest::mouseClick(combo, Qt::LeftButton);
        QAbstractItemView *view = combo->view();
        QVERIFY(view->isVisible());
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < line; ++i)
            QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
        QVERIFY(!view->isVisible());
    }

    static void pickVolume(const std::string &mountPoint)
    {
        Form2->DriveComboBox1->Reload();
        const int line = toList(Form2->DriveComboBox1->LineTexts()).indexOf(QString::fromStdString(mountPoint));
        QVERIFY(line >= 0);
        pickLine(line);
    }

private slots:
    void init()
    {
        release = std::make_unique<ScratchFolder>();
        release->write("install.ini", "T\r\nS\r\ni.nfo\r\nf.diz\r\nNewGame\r\ngame.rar\r\n");
        for (const char *folder : {"Games", "apps", "Zeta", "beta", ".hidden", "beta/inner"})
            release->makeFolder(folder);
        release->write("notes.txt", "x");
        start = QString::fromStdString(release->path());
        windows = std::make_unique<WindowSet>();
        showAndWait(Form1);
        click(Form1->Label4); // "Install"
        showAndWait(Form2);
    }

    void cleanup()
    {
        windows.reset();
        release.reset();
        volumeSource = systemVolumes;
    }

    void theFirstVisitShowsTheStartupFolder()
    {
        QCOMPARE(shownFolder(), start);
        const Paths expected = pathDownTo(start) + Paths{start + "/apps", start + "/beta", start + "/Games", start + "/Zeta"};
        QCOMPARE(toList(Form2->DirectoryListBox1->LinePaths()), expected);
        QCOMPARE(Form2->DirectoryListBox1->SelectedLine(), lineOf(start));
    }

    void aSingleClickOnlySelects()
    {
        click(Form2, pointOfLine(lineOf(start + "/Games")));
        QCOMPARE(Form2->DirectoryListBox1->SelectedLine(), lineOf(start + "/Games"));
        QTest::keyClick(windowOf(Form2), Qt::Key_Down);
        QCOMPARE(shownFolder(), start);
        click(Form2->Label1); // "ok"
        QVERIFY(Form4->Visible());
        QVERIFY(!Form2->Visible());
        QCOMPARE(currentFolder(), start);
    }

    void openingALineMakesItTheCurrentDirectory_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::addColumn<QString>("line"); // relative to the start-up folder; "/" for the root
        QTest::addColumn<QString>("opened");
        for (const bool keyboard : {false, true}) {
            const char *how = keyboard ? "Enter" : "double-click";
            QTest::addRow("%s on a sub-folder", how) << keyboard << "Games" << "Games";
            QTest::addRow("%s on the own line", how) << keyboard << "" << "";
            QTest::addRow("%s on a folder on the path", how) << keyboard << ".." << "..";
            QTest::addRow("%s on the root line", how) << keyboard << "/" << "/";
        }
    }

    void openingALineMakesItTheCurrentDirectory()
    {
        QFETCH(bool, byKeyboard);
        QFETCH(QString, line);
        QFETCH(QString, opened);
        auto pathOf = [&](const QString &relative) {
            if (relative == "/") return QString("/");
            return QDir::cleanPath(start + "/" + relative);
        };
        openLine(lineOf(pathOf(line)), byKeyboard);
        const QString expected = pathOf(opened);
        QCOMPARE(shownFolder(), expected);
        QCOMPARE(currentFolder(), expected);
        QCOMPARE(Form2->DirectoryListBox1->SelectedLine(), lineOf(expected));
        QVERIFY(windows->boxes.shown.empty());
        if (expected == "/")
            QCOMPARE(toList(Form2->DirectoryListBox1->LinePaths()).first(), QString("/"));
    }

    void aRemovedFolderIsReportedAndTheLinesStay()
    {
        const QStringList before = toList(Form2->DirectoryListBox1->LinePaths());
        QVERIFY(QDir(start + "/beta").removeRecursively());
        openLine(lineOf(start + "/beta"), false);
        QCOMPARE(windows->boxes.shown.size(), std::size_t(1));
        QCOMPARE(windows->boxes.shown[0].text, std::string("File not found."));
        QCOMPARE(windows->boxes.shown[0].caption, std::string("Installer"));
        QCOMPARE(toList(Form2->DirectoryListBox1->LinePaths()), before);
        QCOMPARE(shownFolder(), start);
        QCOMPARE(currentFolder(), start);
    }

    void cancelKeepsTheFolderForTheNextVisit()
    {
        openLine(lineOf(start + "/apps"), false);
        click(Form2->Label2); // "cancel"
        QVERIFY(Form1->Enabled());
        QVERIFY(!Form2->Visible());
        QCOMPARE(currentFolder(), start + "/apps");
        click(Form1->Label4);
        QVERIFY(Form2->Visible());
        QCOMPARE(shownFolder(), start + "/apps");
    }

    void makedirMakesAndOpensTheFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("opened"); // relative to the start-up folder
        QTest::addColumn<bool>("made");
        QTest::newRow("new name") << "NewGame" << "NewGame" << true;
        QTest::newRow("existing folder") << "Games" << "Games" << false;
        QTest::newRow("empty name") << "" << "" << false;
        QTest::newRow("an existing file's name") << "notes.txt" << "" << false;
        QTest::newRow("a star is an ordinary character") << "a*b" << "a*b" << true;
        QTest::newRow("so is a question mark") << "a?" << "a?" << true;
        QTest::newRow("blanks kept") << " spaced " << " spaced " << true;
    }

    void makedirMakesAndOpensTheFolder()
    {
        QFETCH(QString, name);
        QFETCH(QString, opened);
        QFETCH(bool, made);
        const QStringList before = QDir(start).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        makeFolderNamed(name);
        const QString expected = opened.isEmpty() ? start : start + "/" + opened;
        QVERIFY(windows->boxes.shown.empty());
        QVERIFY(!Form3->Visible());
        QVERIFY(Form2->Visible());
        QCOMPARE(shownFolder(), expected);
        QCOMPARE(currentFolder(), expected);
        const QStringList after = QDir(start).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QCOMPARE(after.size(), before.size() + (made ? 1 : 0));
    }

    void makedirWithAMissingParentIsReported()
    {
        makeFolderNamed("missing/child");
        QCOMPARE(windows->boxes.shown.size(), std::size_t(1));
        QCOMPARE(windows->boxes.shown[0].text, std::string("File not found."));
        QVERIFY(Form3->Visible());
        QVERIFY(!Form2->Visible());
        QCOMPARE(Form3->Edit1->Text(), std::string("missing/child"));
        QCOMPARE(shownFolder(), start);
        QCOMPARE(currentFolder(), start);
        click(Form3->Label3); // "cancel"
        QVERIFY(Form2->Visible());
        QCOMPARE(shownFolder(), start);
    }

    // The report gives the make-directory call's own reason.
    void makedirOnAReadOnlyOrFullVolumeIsReported_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("report");
        QTest::newRow("read-only") << true << "" << "File access denied.";
        QTest::newRow("full: no inode left") << false << "nr_inodes=1" << "Disk full.";
    }

    void makedirOnAReadOnlyOrFullVolumeIsReported()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, options);
        QFETCH(QString, report);
        release->makeFolder("disc");
        const std::string disc = release->file("disc");
        const QByteArray mountOptions = options.toLatin1();
        const TmpfsMount volume(disc, readOnly ? MS_RDONLY : 0, options.isEmpty() ? nullptr : mountOptions.constData());
        MOUNT_OR_SKIP(volume);
        makeFolderNamed("disc"); // opens the mounted volume
        QCOMPARE(shownFolder(), QString::fromStdString(disc));
        makeFolderNamed("Game");
        QCOMPARE(windows->boxes.shown.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(windows->boxes.shown[0].text), report);
        QVERIFY(Form3->Visible());
        QCOMPARE(Form3->Edit1->Text(), std::string("Game"));
        QCOMPARE(currentFolder(), QString::fromStdString(disc));
        click(Form3->Label3); // "cancel"
        QCOMPARE(shownFolder(), QString::fromStdString(disc));
    }

    // A folder made after start-up, before the chooser is first shown, is
    // among its lines; the main window's hidden list reads no lines at all.
    void theLinesAreReadWhenTheChooserIsFirstShown()
    {
        windows.reset();
        release->makeFolder("later-not-yet");
        windows = std::make_unique<WindowSet>();
        QVERIFY(Form1->DirectoryListBox1->LinePaths().empty());
        QVERIFY(Form2->DirectoryListBox1->LinePaths().empty());
        QCOMPARE(QString::fromStdString(Form1->DirectoryListBox1->Directory()), start);
        release->makeFolder("made-before-install");
        showAndWait(Form1);
        click(Form1->Label4); // "Install"
        showAndWait(Form2);
        QVERIFY(lineOf(start + "/made-before-install") > lineOf(start));
        QVERIFY(lineOf(start + "/later-not-yet") > lineOf(start));
        QVERIFY(Form1->DirectoryListBox1->LinePaths().empty());
    }

    // Names are the file system's bytes: Latin-1 names are listed, drawn by
    // the captions' rule, and open, as does a folder below one.
    void namesThatAreNotUtf8AreListedAndOpen()
    {
        const std::string latin1 = "caf\xe9";
        makeRawFolders(release->file(latin1 + "/l1\xe9rel/inner"));
        readLinesAgain();
        const std::string cafe = release->file(latin1);
        const QStringList paths = fromBytes(Form2->DirectoryListBox1->LinePaths());
        const int line = paths.indexOf(QString::fromLatin1(QByteArray::fromStdString(cafe)));
        QVERIFY(line > lineOf(start));
        QCOMPARE(folderList()->item(line)->text(), QString("café"));

        openLine(line, false);
        QCOMPARE(Form2->DirectoryListBox1->Directory(), cafe);
        QCOMPARE(currentDirectory(), cafe);
        const std::string deeper = cafe + "/l1\xe9rel";
        const int deeperLine = fromBytes(Form2->DirectoryListBox1->LinePaths())
                                   .indexOf(QString::fromLatin1(QByteArray::fromStdString(deeper)));
        openLine(deeperLine, true);
        QCOMPARE(currentDirectory(), deeper);
        const QStringList lines = fromBytes(Form2->DirectoryListBox1->LinePaths());
        const int own = lines.indexOf(QString::fromLatin1(QByteArray::fromStdString(deeper)));
        QCOMPARE(Form2->DirectoryListBox1->SelectedLine(), own);
        QCOMPARE(folderList()->item(own)->text(), QString("l1érel"));
        QCOMPARE(lines.mid(own + 1), QStringList{QString::fromLatin1(QByteArray::fromStdString(deeper + "/inner"))});
        openLine(own, false); // its own line: nothing happens, nothing is reported
        QVERIFY(windows->boxes.shown.empty());
        QCOMPARE(currentDirectory(), deeper);
    }

    void foldersWithStarsAndQuestionMarksOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("star") << "a*";
        QTest::newRow("question mark") << "what?";
        QTest::newRow("both, also a file of the pattern's match") << "n?t*";
    }

    void foldersWithStarsAndQuestionMarksOpen()
    {
        QFETCH(QString, name);
        release->makeFolder(name.toStdString());
        release->write("not-a-folder", "x"); // what the last pattern would match
        readLinesAgain();
        const QString folder = start + "/" + name;
        QVERIFY(lineOf(folder) > lineOf(start));
        openLine(lineOf(folder), false);
        QVERIFY(windows->boxes.shown.empty());
        QCOMPARE(shownFolder(), folder);
        QCOMPARE(currentFolder(), folder);
    }

    // Only a double-click of the left button opens a line.
    void otherButtonsDoNotOpen_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }

    void otherButtonsDoNotOpen()
    {
        QFETCH(int, button);
        QTest::mouseDClick(windowOf(Form2), Qt::MouseButton(button), Qt::NoModifier,
                           pointOfLine(lineOf(start + "/Games")));
        QCOMPARE(shownFolder(), start);
        QCOMPARE(currentFolder(), start);
    }

    // Accented names sort among the others by the user's collation.
    void namesSortByTheUsersCollation()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        const std::unique_ptr<const QLocale, void (*)(const QLocale *)> restore(
            &before, [](const QLocale *locale) { QLocale::setDefault(*locale); });
        for (const char *name : {"\xc3\x89t\xc3\xa9", "\xc3\xa9pi", "caf\xe9", "Cafe"}) // Été, épi, café in Latin-1, Cafe
            makeRawFolders(release->file(name));
        readLinesAgain();
        QStringList shown;
        for (int line = lineOf(start) + 1; line < folderList()->count(); ++line)
            shown << folderList()->item(line)->text();
        QCOMPARE(shown, (QStringList{"apps", "beta", "Cafe", "café", "épi", "Été", "Games", "Zeta"}));
    }

    // Every way out of a removed folder works.
    void aRemovedListFolderTrapsNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("the root line") << "root";
        QTest::newRow("a line on the path") << "path";
        QTest::newRow("its own volume in the drive list") << "volume";
        QTest::newRow("another volume in the drive list") << "other volume";
        QTest::newRow("a new folder, once a folder is there again") << "makedir";
    }

    void aRemovedListFolderTrapsNothing()
    {
        QFETCH(QString, way);
        release->makeFolder("disk");
        const std::string disk = release->file("disk");
        const TmpfsMount volume(disk);
        MOUNT_OR_SKIP(volume);
        QVERIFY(QDir().mkpath(QString::fromStdString(disk + "/doomed")));
        readLinesAgain();
        openLine(lineOf(start + "/disk"), false);
        openLine(lineOf(start + "/disk/doomed"), false);
        QCOMPARE(currentFolder(), start + "/disk/doomed");
        QVERIFY(QDir().rmdir(QString::fromStdString(disk + "/doomed")));

        QString expected;
        if (way == "root") {
            openLine(0, false);
            expected = "/";
        } else if (way == "path") {
            openLine(lineOf(start), false);
            expected = start;
        } else if (way == "volume") {
            pickVolume(disk);
            expected = start + "/disk";
        } else if (way == "other volume") {
            const std::string startVolume = volumeOf(start.toStdString(), offeredVolumes());
            pickVolume(startVolume);
            expected = QString::fromStdString(startVolume);
        } else {
            // Made again by someone else: the path names a folder once more.
            QVERIFY(QDir().mkdir(QString::fromStdString(disk + "/doomed")));
            makeFolderNamed("fresh");
            expected = start + "/disk/doomed/fresh";
        }
        QVERIFY(windows->boxes.shown.empty());
        QCOMPARE(shownFolder(), expected);
        QCOMPARE(currentFolder(), expected);
        QVERIFY(Form2->Visible());
    }

    // The stick pulled out (a lazy unmount) and put in again at the same
    // place: picking it moves there, although the list's path text says it
    // is already on it.
    void aPulledStickIsLeftByPickingItAgain()
    {
        release->makeFolder("stick");
        const std::string stick = release->file("stick");
        TmpfsMount first(stick);
        MOUNT_OR_SKIP(first);
        QVERIFY(QDir().mkpath(QString::fromStdString(stick + "/data")));
        readLinesAgain();
        openLine(lineOf(start + "/stick"), false);
        openLine(lineOf(start + "/stick/data"), false);
        first.detach();
        const TmpfsMount second(stick);
        MOUNT_OR_SKIP(second);
        QVERIFY(QDir().mkpath(QString::fromStdString(stick + "/data")));
        QCOMPARE(Form2->DriveComboBox1->Drive(), stick);

        pickVolume(stick);
        QVERIFY(windows->boxes.shown.empty());
        QCOMPARE(shownFolder(), QString::fromStdString(stick));
        QCOMPARE(currentFolder(), QString::fromStdString(stick));
        QCOMPARE(inodeOf("."), inodeOf(stick)); // on the new mount, not the pulled one
        QVERIFY(lineOf(QString::fromStdString(stick + "/data")) > 0);
    }

    // A mount point named in Latin-1 is offered under its own bytes and
    // opens when picked.
    void aVolumeNamedInLatin1IsOfferedAndOpens()
    {
        const std::string at = release->file("st\xe9" "ck");
        makeRawFolders(at);
        const TmpfsMount volume(at);
        MOUNT_OR_SKIP(volume);
        Form2->DriveComboBox1->Reload();
        auto *combo = static_cast<QComboBox *>(Form2->DriveComboBox1->Widget());
        const int line = combo->findData(QByteArray::fromStdString(at));
        QVERIFY(line >= 0);
        QCOMPARE(combo->itemText(line), start + "/stéck");
        pickLine(line);
        QVERIFY(windows->boxes.shown.empty());
        QCOMPARE(Form2->DirectoryListBox1->Directory(), at);
        QCOMPARE(currentDirectory(), at);
        QCOMPARE(Form2->DriveComboBox1->Drive(), at);
    }

    // After every change of folder the drive list shows the volume that
    // holds the list folder.
    void theDriveListFollowsTheListFolder()
    {
        release->makeFolder("disk/inner");
        const std::string disk = release->file("disk");
        const TmpfsMount volume(disk);
        MOUNT_OR_SKIP(volume);
        QVERIFY(QDir().mkpath(QString::fromStdString(disk + "/inner")));
        readLinesAgain();
        const std::string startVolume = volumeOf(start.toStdString(), offeredVolumes());
        QCOMPARE(Form2->DriveComboBox1->Drive(), startVolume);
        auto selectedVolume = [] {
            auto *combo = static_cast<QComboBox *>(Form2->DriveComboBox1->Widget());
            return combo->currentData().toByteArray().toStdString();
        };

        openLine(lineOf(start + "/disk"), false); // into the mount
        QCOMPARE(Form2->DriveComboBox1->Drive(), disk);
        QCOMPARE(selectedVolume(), disk);
        openLine(lineOf(start + "/disk/inner"), true);
        QCOMPARE(selectedVolume(), disk);
        openLine(lineOf(start), false); // out of it
        QCOMPARE(Form2->DriveComboBox1->Drive(), startVolume);
        QCOMPARE(selectedVolume(), startVolume);
        makeFolderNamed("disk"); // in again, by the new-folder dialog
        QCOMPARE(selectedVolume(), disk);
        openLine(0, false); // the root line
        QCOMPARE(selectedVolume(), volumeOf("/", offeredVolumes()));
    }

    // A change that moves to the target's volume and then fails to enter the
    // target leaves the list where it was.
    void aFailureAfterTheVolumeChangeLeavesTheListAsItWas()
    {
        release->makeFolder("other");
        const std::string other = release->file("other");
        const TmpfsMount volume(other);
        MOUNT_OR_SKIP(volume);
        // A name there that cannot be entered: a link to nothing.
        QCOMPARE(::symlink("/nonexistent/nowhere", (other + "/broken").c_str()), 0);
        readLinesAgain();
        const QStringList lines = toList(Form2->DirectoryListBox1->LinePaths());
        const ino_t here = inodeOf(".");

        makeFolderNamed("other/broken");
        QCOMPARE(windows->boxes.shown.size(), std::size_t(1));
        QCOMPARE(windows->boxes.shown[0].text, std::string("File not found."));
        QVERIFY(Form3->Visible());
        QCOMPARE(shownFolder(), start);
        QCOMPARE(toList(Form2->DirectoryListBox1->LinePaths()), lines);
        QCOMPARE(Form2->DirectoryListBox1->SelectedLine(), lineOf(start));
        QCOMPARE(currentFolder(), start);
        QCOMPARE(inodeOf("."), here);
        QCOMPARE(Form2->DriveComboBox1->Drive(), volumeOf(start.toStdString(), offeredVolumes()));
    }

    void twoOksInARowNest()
    {
        makeFolderNamed("Deep");
        makeFolderNamed("Deep");
        QCOMPARE(shownFolder(), start + "/Deep/Deep");
    }

    void cancelMakesNothingAndTheNameStays()
    {
        click(Form2->Label3);
        showAndWait(Form3);
        QCOMPARE(Form3->Edit1->Text(), std::string("NewGame"));
        QTest::keyClicks(Form3->Edit1->Widget(), "Extra");
        click(Form3->Label3); // "cancel"
        QVERIFY(Form2->Visible());
        QVERIFY(!QFile::exists(start + "/NewGameExtra"));
        click(Form2->Label3);
        QCOMPARE(Form3->Edit1->Text(), std::string("NewGameExtra"));
    }

    void pickingAVolumeMovesTheLists()
    {
        // The system's mount table, with a real tmpfs volume shown as a
        // stick, and a folder that stands for a drive without a medium.
        release->makeFolder("stick");
        const std::string stick = release->file("stick");
        const TmpfsMount stickVolume(stick);
        MOUNT_OR_SKIP(stickVolume);
        const std::string gone = release->file("no-medium");
        volumeSource = [=] {
            std::vector<MountRecord> volumes;
            for (const MountRecord &volume : systemVolumes())
                if (volume.mountPoint != stick)
                    volumes.push_back(volume);
            volumes.push_back({stick, "vfat", "/dev/sdz1", "STICK", true});
            volumes.push_back({gone, "iso9660", "/dev/sr9", "DISC", false});
            return volumes;
        };
        Form2->DriveComboBox1->Reload();
        const QStringList lines = toList(Form2->DriveComboBox1->LineTexts());
        const int stickLine = lines.indexOf(QString::fromStdString(stick));
        const int goneLine = lines.indexOf(QString::fromStdString(gone + "  [DISC]"));
        QVERIFY(stickLine >= 0);
        QVERIFY(goneLine >= 0);

        pickLine(stickLine);
        QCOMPARE(shownFolder(), QString::fromStdString(stick));
        QCOMPARE(currentFolder(), QString::fromStdString(stick));

        pickLine(goneLine);
        QVERIFY(!windows->boxes.shown.empty());
        QCOMPARE(windows->boxes.shown.back().text, std::string("File not found."));
        QCOMPARE(Form2->DriveComboBox1->Drive(), gone);
        QCOMPARE(shownFolder(), QString::fromStdString(stick)); // the lists disagree now
        QCOMPARE(currentFolder(), QString::fromStdString(stick));

        pickLine(stickLine); // the folder list's own volume: nothing moves, they agree again
        QCOMPARE(Form2->DriveComboBox1->Drive(), stick);
        QCOMPARE(shownFolder(), QString::fromStdString(stick));
        QCOMPARE(windows->boxes.shown.size(), std::size_t(1));
    }
};

class NewFolderPathTest : public QObject {
    Q_OBJECT

private slots:
    void rightChars_data()
    {
        QTest::addColumn<QString>("s");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");
        QTest::newRow("last") << "/apps" << 1 << "s";
        QTest::newRow("negative") << "/apps" << -1 << "";
        QTest::newRow("beyond") << "/apps" << 9 << "/apps";
        QTest::newRow("empty") << "" << 1 << "";
    }

    void rightChars()
    {
        QFETCH(QString, s);
        QFETCH(int, n);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(RightChars(s.toStdString(), n)), expected);
    }

    void oneSeparatorBetweenFolderAndName_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("root") << "/" << "/Games";
        QTest::newRow("folder") << "/home/ann/apps" << "/home/ann/apps/Games";
    }

    void oneSeparatorBetweenFolderAndName()
    {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QCOMPARE(QString::fromStdString(newFolderPath(folder.toStdString(), "Games")), path);
    }
};

// Without a settings file the main window's hidden label keeps its design
// caption, and that is the name the dialog offers.
class NewFolderNameTest : public QObject {
    Q_OBJECT

private slots:
    void withoutSettingsTheNameIsTheLabelsCaption()
    {
        ScratchFolder release;
        WindowSet windows;
        showAndWait(Form1);
        click(Form1->Label4); // "Install"
        showAndWait(Form2);
        click(Form2->Label3); // "makedir"
        QVERIFY(Form3->Visible());
        QCOMPARE(Form3->Edit1->Text(), std::string("Label7"));
    }
};

// Started in a folder that was removed: the chooser says so when it is first
// shown and offers the root line as a way out.
class RemovedStartupFolderTest : public QObject {
    Q_OBJECT

private slots:
    void theChooserOffersTheRoot()
    {
        ScratchFolder release;
        release.makeFolder("gone");
        QCOMPARE(::chdir(release.file("gone").c_str()), 0);
        QCOMPARE(::rmdir(release.file("gone").c_str()), 0);
        WindowSet windows;
        QCOMPARE(windows.boxes.shown.size(), std::size_t(1)); // the main window's
        showAndWait(Form1);
        click(Form1->Label4); // "Install"
        showAndWait(Form2);
        QVERIFY(!Form1->Enabled());
        QCOMPARE(windows.boxes.shown.size(), std::size_t(2));
        QCOMPARE(windows.boxes.shown[1].text, std::string("File not found."));
        QCOMPARE(Form2->DirectoryListBox1->LinePaths(), std::vector<std::string>{"/"});

        auto *list = static_cast<QListWidget *>(Form2->DirectoryListBox1->Widget());
        const QRect rootLine = list->visualItemRect(list->item(0));
        doubleClick(Form2, list->viewport()->mapTo(Form2->Handle(), rootLine.center()));
        QCOMPARE(windows.boxes.shown.size(), std::size_t(2));
        QCOMPARE(Form2->DirectoryListBox1->Directory(), std::string("/"));
        QCOMPARE(currentDirectory(), std::string("/"));
        QCOMPARE(Form2->DriveComboBox1->Drive(), volumeOf("/", offeredVolumes()));
    }

    // With no folder shown, "makedir" has nowhere to make one: the report,
    // the dialog stays, and nothing lands at the top of the file system.
    void aNewFolderNeedsAFolderToGoIn()
    {
        ScratchFolder release;
        release.makeFolder("gone");
        QCOMPARE(::chdir(release.file("gone").c_str()), 0);
        QCOMPARE(::rmdir(release.file("gone").c_str()), 0);
        const std::string name = "installer-test-" + std::to_string(::getpid());
        const std::string atTop = "/" + name;
        const std::unique_ptr<const char, void (*)(const char *)> removeStray(
            atTop.c_str(), [](const char *path) { (void)::rmdir(path); });
        WindowSet windows;
        showAndWait(Form1);
        click(Form1->Label4); // "Install"
        showAndWait(Form2);
        click(Form2->Label3); // "makedir"
        showAndWait(Form3);
        QWidget *edit = Form3->Edit1->Widget();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, QString::fromStdString(name));
        click(Form3->Label2); // "ok"
        QCOMPARE(windows.boxes.shown.back().text, std::string("File not found."));
        QVERIFY(Form3->Visible());
        QVERIFY(!Form2->Visible());
        struct stat info;
        QVERIFY(::stat(atTop.c_str(), &info) != 0);
    }
};

REGISTER_TEST(ChooserTest)
REGISTER_TEST(RemovedStartupFolderTest)
REGISTER_TEST(NewFolderPathTest)
REGISTER_TEST(NewFolderNameTest)
#include "chooser_test.moc"
