#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"
#include "toolkit/io_error.h"
#include "toolkit/text_file.h"

#include <QTest>
#include <cerrno>
#include <sys/stat.h>

using Lines = std::vector<std::string>;
Q_DECLARE_METATYPE(Lines)

class TextFileTest : public QObject {
    Q_OBJECT

private slots:
    void readsLinesTheClassicWay_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Lines>("expected"); // the first lines read, past the end included

        QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n") << Lines{"one", "two", ""};
        QTest::newRow("CR alone") << QByteArray("one\rtwo\r") << Lines{"one", "two", ""};
        QTest::newRow("LF belongs to the line") << QByteArray("one\ntwo\nthree")
                                                << Lines{"one\ntwo\nthree", ""};
        QTest::newRow("LF after text after CR") << QByteArray("a\r\n\nb\r") << Lines{"a", "\nb", ""};
        QTest::newRow("last line without end") << QByteArray("one\r\ntwo") << Lines{"one", "two", ""};
        QTest::newRow("Ctrl-Z ends the text") << QByteArray("one\r\ntw\x1ao\r\nthree\r\n")
                                              << Lines{"one", "tw", "", ""};
        QTest::newRow("Ctrl-Z first") << QByteArray("\x1a" "one\r\n") << Lines{"", ""};
        QTest::newRow("empty file") << QByteArray() << Lines{"", "", ""};
        QTest::newRow("blanks kept") << QByteArray("  both  \r\n\t\r\n") << Lines{"  both  ", "\t"};
        QTest::newRow("empty lines") << QByteArray("\r\n\r\nx") << Lines{"", "", "x"};
        QTest::newRow("zero byte kept") << QByteArray("a\0b\r\n", 5) << Lines{std::string("a\0b", 3)};
        QTest::newRow("long line") << QByteArray(300000, 'x').append("\r\ny")
                                   << Lines{std::string(300000, 'x'), "y"};
        // A line end split across the reader's buffer boundary.
        QTest::newRow("CR LF across buffers") << QByteArray(256 * 1024 - 1, 'x').append("\r\ny")
                                              << Lines{std::string(256 * 1024 - 1, 'x'), "y", ""};
    }

    void readsLinesTheClassicWay()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Lines, expected);
        ScratchFolder folder;
        folder.write("text", bytes.toStdString());

        TTextFile file(folder.file("text"));
        file.Reset();
        Lines read;
        for (std::size_t i = 0; i < expected.size(); ++i)
            read.push_back(file.ReadLn());
        QVERIFY(file.Eof());
        file.Close();
        QCOMPARE(read, expected);
    }

    void eofComesAfterTheLastLine()
    {
        ScratchFolder folder;
        folder.write("text", "a\r\nb\r\n");
        TTextFile file(folder.file("text"));
        file.Reset();
        Lines read;
        while (!file.Eof())
            read.push_back(file.ReadLn());
        QCOMPARE(read, (Lines{"a", "b"}));
    }

    void failingStepsRaiseTheirCode_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing.ini" << 2 << "File not found";
        QTest::newRow("missing folder on the way") << "nowhere/x.ini" << 2 << "File not found";
        QTest::newRow("file used as a folder") << "plain/x.ini" << 3 << "Invalid filename";
        QTest::newRow("a folder") << "folder" << 5 << "File access denied";
        QTest::newRow("broken link") << "dangling" << 2 << "File not found";
        QTest::newRow("name too long") << QString(300, 'n') << 3 << "Invalid filename";
    }

    void failingStepsRaiseTheirCode()
    {
        QFETCH(QString, name);
        QFETCH(int, code);
        QFETCH(QString, message);
        ScratchFolder folder;
        folder.write("plain", "x");
        folder.makeFolder("folder");
        QVERIFY(::symlink("no-such-target", folder.file("dangling").c_str()) == 0);

        try {
            TTextFile file(folder.file(name.toStdString()));
            file.Reset();
            while (!file.Eof())
                file.ReadLn();
            QFAIL("no error raised");
        } catch (const EInOutError &error) {
            QCOMPARE(error.ErrorCode, code);
            QCOMPARE(QString::fromStdString(error.what()), message);
        }
    }
};

class IoErrorTest : public QObject {
    Q_OBJECT

private slots:
    void errnoMapsToTheProgramsCodes_data()
    {
        QTest::addColumn<int>("err");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("ENOENT") << ENOENT << 2 << "File not found";
        QTest::newRow("ENOTDIR") << ENOTDIR << 3 << "Invalid filename";
        QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << 3 << "Invalid filename";
        QTest::newRow("ELOOP") << ELOOP << 3 << "Invalid filename";
        QTest::newRow("EMFILE") << EMFILE << 4 << "Too many open files";
        QTest::newRow("ENFILE") << ENFILE << 4 << "Too many open files";
        QTest::newRow("EACCES") << EACCES << 5 << "File access denied";
        QTest::newRow("EPERM") << EPERM << 5 << "File access denied";
        QTest::newRow("EROFS") << EROFS << 5 << "File access denied";
        QTest::newRow("EISDIR") << EISDIR << 5 << "File access denied";
        QTest::newRow("ENOSPC") << ENOSPC << 101 << "Disk full";
        QTest::newRow("EDQUOT") << EDQUOT << 101 << "Disk full";
        QTest::newRow("ENOMEDIUM") << ENOMEDIUM << 21 << "I/O error 21";
        QTest::newRow("ENXIO") << ENXIO << 21 << "I/O error 21";
        // Other errno values keep their number, whatever the table says of it.
        QTest::newRow("EIO is 5 but no access error") << EIO << EIO << "I/O error 5";
        QTest::newRow("ENETUNREACH is 101 but no full disk") << ENETUNREACH << 101 << "I/O error 101";
        QTest::newRow("EBUSY") << EBUSY << EBUSY << QString("I/O error %1").arg(EBUSY);
    }

    void errnoMapsToTheProgramsCodes()
    {
        QFETCH(int, err);
        QFETCH(int, code);
        QFETCH(QString, message);
        const EInOutError error = EInOutError::fromErrno(err);
        QCOMPARE(error.ErrorCode, code);
        QCOMPARE(QString::fromStdString(error.what()), message);
    }

    void fixedMessagesByCode_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("100") << 100 << "Read beyond end of file";
        QTest::newRow("106") << 106 << "Invalid numeric input";
        QTest::newRow("other") << 32 << "I/O error 32";
    }

    void fixedMessagesByCode()
    {
        QFETCH(int, code);
        QFETCH(QString, message);
        QCOMPARE(QString::fromStdString(ioErrorMessage(code)), message);
    }
};

REGISTER_TEST(TextFileTest)
REGISTER_TEST(IoErrorTest)
#include "text_file_test.moc"
