#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"
#include "toolkit/bundled_fonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTest>

namespace {

class MemoForm : public TForm {
public:
    TMemo *Dos = nullptr;
    TMemo *Windows = nullptr;

    static const FormDesign<MemoForm> &Design()
    {
        static const ComponentRow<MemoForm> rows[] = {
            {.field = &MemoForm::Dos, .name = "Dos", .bounds = {0, 0, 200, 100},
             .font = {"Terminal", 12, false, clWhite, TFontCharset::Oem}},
            {.field = &MemoForm::Windows, .name = "Windows", .bounds = {0, 100, 200, 100},
             .font = {"Arial", 11, false, clBlack}},
        };
        static const FormDesign<MemoForm> design{"Memo", 200, 200, clBlack, bsNone, rows};
        return design;
    }
};

using Lines = std::vector<std::string>;

} // namespace

Q_DECLARE_METATYPE(Lines)

// Handing lines over in one step shows exactly what appending them one by
// one shows.
class MemoTest : public QObject {
    Q_OBJECT

    MemoForm *form = nullptr;

private slots:
    void init() { Application->CreateForm(form); }
    void cleanup()
    {
        Application->DestroyForms();
        form = nullptr;
    }

    void oneStepEqualsLineByLine_data()
    {
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<QString>("dosText");
        QTest::newRow("plain") << Lines{"one", "two"} << "one\ntwo\n";
        QTest::newRow("empty lines") << Lines{"", "x", ""} << "\nx\n\n";
        QTest::newRow("zero bytes") << Lines{std::string("ab\0cd", 5), std::string("\0ef", 3), "g"} << "ab\ng\n";
        QTest::newRow("DOS bytes") << Lines{"\xc9\xcd\xbb", "\x01\x0a\x7f"} << QString::fromUtf8("╔═╗\n☺◙⌂\n");
        QTest::newRow("nothing") << Lines{} << "";
    }

    void oneStepEqualsLineByLine()
    {
        QFETCH(Lines, lines);
        QFETCH(QString, dosText);
        for (TMemo *memo : {form->Dos, form->Windows}) {
            memo->Add("stays");
            for (const std::string &line : lines)
                memo->Add(line);
            const QString byLine = memo->DisplayedText();
            memo->Clear();
            memo->Add("stays");
            memo->AddLines(lines);
            QCOMPARE(memo->DisplayedText(), byLine);
            memo->Clear();
            memo->AddLines(lines);
            const QString alone = memo->DisplayedText();
            if (memo == form->Dos)
                QCOMPARE(alone, dosText);
            memo->Clear();
        }
    }

    void windowsTextShowsAsAnsi()
    {
        form->Windows->AddLines({"caf\xe9 \x80"});
        QCOMPARE(form->Windows->DisplayedText(), QString::fromUtf8("café €\n"));
    }

    // A memo takes its font late; shown before it is filled or handed out, it
    // must still paint in its own font with tabs of eight of its blanks.
    void shownEmptyInItsOwnFont_data()
    {
        QTest::addColumn<bool>("dos");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("DOS face") << true << DosTerminalFamily << 12;
        QTest::newRow("Windows face") << false << "Liberation Sans" << 11;
    }

    void shownEmptyInItsOwnFont()
    {
        QFETCH(bool, dos);
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form->Handle()));
        // The widget as the form holds it: TMemo::Editor() would hand it its font.
        const auto *editor = static_cast<const QPlainTextEdit *>((dos ? form->Dos : form->Windows)->Widget());
        QCOMPARE(QFontInfo(editor->font()).family(), family);
        QFont expected(family);
        expected.setPixelSize(pixelSize);
        QCOMPARE(editor->tabStopDistance(), 8 * QFontMetricsF(expected).horizontalAdvance(u' '));
    }
};

REGISTER_TEST(MemoTest)
#include "memo_test.moc"
