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
#include <sys/mount.h>
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
        QTest::newRow("a pattern") << "a*b" << "" << false;
        QTest::newRow("a one-letter pattern") << "a?" << "" << false;
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

    void makedirOnAReadOnlyVolumeIsReported()
    {
        release->makeFolder("disc");
        const std::string disc = release->file("disc");
        if (::mount("tmpfs", disc.c_str(), "tmpfs", MS_RDONLY, nullptr) != 0)
            QSKIP("mounting is not allowed here");
        // Taken off even when a check fails, so the scratch folder can go.
        const std::unique_ptr<const char, void (*)(const char *)> unmount(disc.c_str(), [](const char *at) {
            (void)::umount2(at, MNT_DETACH);
        });
        makeFolderNamed("disc"); // opens the mounted volume
        QCOMPARE(shownFolder(), QString::fromStdString(disc));
        makeFolderNamed("Game");
        QCOMPARE(windows->boxes.shown.size(), std::size_t(1));
        QCOMPARE(windows->boxes.shown[0].text, std::string("File not found."));
        QVERIFY(Form3->Visible());
        QCOMPARE(Form3->Edit1->Text(), std::string("Game"));
        QCOMPARE(currentFolder(), QString::fromStdString(disc));
        click(Form3->Label3); // "cancel"
        QCOMPARE(shownFolder(), QString::fromStdString(disc));
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
        // Volumes of our own: the system's mount table, plus a folder that
        // stands for a stick and one for a drive without a medium.
        release->makeFolder("stick/data");
        const std::string stick = release->file("stick");
        const std::string gone = release->file("no-medium");
        volumeSource = [=] {
            std::vector<MountRecord> volumes = systemVolumes();
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

        auto *combo = static_cast<QComboBox *>(Form2->DriveComboBox1->Widget());
        auto pickLine = [&](int line) {
            // Drop the list down (which reads the volumes again), walk to the
            // line with the arrow keys and take it with Enter.
            QTest::mouseClick(combo, Qt::LeftButton);
            QAbstractItemView *view = combo->view();
            QVERIFY(view->isVisible());
            QTest::keyClick(view, Qt::Key_Home);
            for (int i = 0; i < line; ++i)
                QTest::keyClick(view, Qt::Key_Down);
            QTest::keyClick(view, Qt::Key_Return);
            QVERIFY(!view->isVisible());
        };

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

REGISTER_TEST(ChooserTest)
REGISTER_TEST(NewFolderPathTest)
REGISTER_TEST(NewFolderNameTest)
#include "chooser_test.moc"
