#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"
#include "toolkit/bundled_fonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>

namespace {

// Edit boxes and memos, whose widgets are made when their form first shows,
// between widgets made at once.
class PutOffForm : public TForm {
public:
    TEdit *First = nullptr;
    TProgressBar *Bar = nullptr;
    TMemo *Dos = nullptr;
    TEdit *Last = nullptr;
    TEdit *Hidden = nullptr;

    static const FormDesign<PutOffForm> &Design()
    {
        static const ComponentRow<PutOffForm> rows[] = {
            {.field = &PutOffForm::First, .name = "First", .bounds = {0, 0, 200, 20}, .caption = "caf\xe9",
             .font = {"MS Sans Serif", 11, false, clWindowText}},
            {.field = &PutOffForm::Bar, .name = "Bar", .bounds = {0, 20, 200, 20}},
            {.field = &PutOffForm::Dos, .name = "Dos", .bounds = {0, 40, 200, 100},
             .font = {"Terminal", 12, false, clWhite, TFontCharset::Oem}},
            {.field = &PutOffForm::Last, .name = "Last", .bounds = {0, 140, 200, 20}, .caption = "last",
             .font = {"Arial", 11, false, clWindowText}},
            {.field = &PutOffForm::Hidden, .name = "Hidden", .bounds = {0, 0, 200, 20}, .caption = "hidden",
             .font = {"Arial", 11, false, clWindowText}, .visible = false},
        };
        static const FormDesign<PutOffForm> design{"Put off", 200, 160, clBlack, bsNone, rows};
        return design;
    }
};

QStringList namedChildren(const QWidget *form)
{
    QStringList names;
    for (const QObject *child : form->children())
        if (child->isWidgetType() && !child->objectName().isEmpty())
            names << child->objectName();
    return names;
}

QStringList focusChain(QWidget *form)
{
    QStringList names;
    for (QWidget *w = form->nextInFocusChain(); w != form; w = w->nextInFocusChain())
        if (w->parentWidget() == form && !w->objectName().isEmpty())
            names << w->objectName();
    return names;
}

} // namespace

// An edit box or memo makes its widget when its form first shows; until then
// it keeps what it was given, and the widget then takes the place, font and
// text it would have had if made at once.
class PutOffWidgetsTest : public QObject {
    Q_OBJECT

    PutOffForm *form = nullptr;

    QWidget *child(const char *name) const { return form->Handle()->findChild<QWidget *>(name); }

private slots:
    void init() { Application->CreateForm(form); }
    void cleanup()
    {
        Application->DestroyForms();
        form = nullptr;
    }

    void madeWhenTheFormFirstShows()
    {
        QCoreApplication::processEvents(); // Qt polishes new widgets here
        QVERIFY(!child("First"));
        QVERIFY(!child("Dos"));
        QVERIFY(!child("Last"));
        showAndWait(form);
        for (const char *name : {"First", "Dos", "Last"}) {
            QVERIFY2(child(name), name);
            QVERIFY2(child(name)->isVisible(), name);
        }
        const auto *memo = static_cast<QPlainTextEdit *>(child("Dos"));
        QCOMPARE(QFontInfo(memo->font()).family(), DosTerminalFamily);
        QCOMPARE(memo->tabStopDistance(), 8 * 8.0); // eight cells of the 8 x 12 face
        QCOMPARE(QFontInfo(child("Last")->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(child("Last")->font()).pixelSize(), 11);
    }

    // One its design hides is not made with its form; made visible later,
    // it is made then, in its place on top.
    void hiddenOneMadeWhenFirstToBeSeen()
    {
        showAndWait(form);
        QVERIFY(!child("Hidden"));
        form->Hidden->SetVisible(true);
        QVERIFY(child("Hidden"));
        QVERIFY(child("Hidden")->isVisible());
        QCOMPARE(static_cast<QLineEdit *>(child("Hidden"))->text(), QStringLiteral("hidden"));
        QCOMPARE(namedChildren(form->Handle()).last(), QStringLiteral("Hidden"));
        form->Hidden->SetVisible(false);
        QVERIFY(!child("Hidden")->isVisible());
    }

    void keepCreationOrder_data()
    {
        QTest::addColumn<bool>("shown"); // or the widgets asked for, last first
        QTest::newRow("form shown") << true;
        QTest::newRow("asked for out of order") << false;
    }

    // Stacking and focus order as if every widget had been made at once.
    void keepCreationOrder()
    {
        QFETCH(bool, shown);
        if (shown) {
            showAndWait(form);
        } else {
            form->Last->Widget();
            form->Dos->Widget();
            form->First->Widget();
        }
        const QStringList order{"First", "Bar", "Dos", "Last"};
        QCOMPARE(namedChildren(form->Handle()), order);
        QCOMPARE(focusChain(form->Handle()), order);
    }

    void textKeptUntilMade_data()
    {
        QTest::addColumn<QByteArray>("set"); // nothing: the design's text
        QTest::addColumn<QString>("shown");
        QTest::newRow("design text, ANSI byte") << QByteArray() << QString::fromUtf8("café");
        QTest::newRow("set before showing") << QByteArray("NewGame") << "NewGame";
        QTest::newRow("set empty") << QByteArray("") << "";
        QTest::newRow("set as UTF-8") << QByteArray("\xc3\xa9t\xc3\xa9") << QString::fromUtf8("été");
    }

    void textKeptUntilMade()
    {
        QFETCH(QByteArray, set);
        QFETCH(QString, shown);
        if (!set.isNull())
            form->First->SetText(set.toStdString());
        QCOMPARE(QString::fromStdString(form->First->Text()), shown);
        showAndWait(form);
        QCOMPARE(static_cast<QLineEdit *>(child("First"))->text(), shown);
        QCOMPARE(QString::fromStdString(form->First->Text()), shown);
    }

    void memoFilledWhileHiddenShowsItsLines()
    {
        form->Dos->AddLines({"one", "\xc9\xcd\xbb"});
        showAndWait(form);
        QCOMPARE(static_cast<QPlainTextEdit *>(child("Dos"))->toPlainText(), QString::fromUtf8("one\n╔═╗\n"));
    }
};

REGISTER_TEST(PutOffWidgetsTest)
#include "put_off_widgets_test.moc"
