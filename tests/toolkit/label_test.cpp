#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"
#include "toolkit/text.h"

#include <QFontMetrics>
#include <QTest>

namespace {

// Labels on a black form: a narrow fixed centred one, an auto-sized one and
// a fixed left-aligned one.
class LabelForm : public TForm {
public:
    TLabel *Narrow = nullptr;
    TLabel *Sized = nullptr;
    TLabel *Fixed = nullptr;

    static const FormDesign<LabelForm> &Design()
    {
        static const TFont white{"Arial", 13, true, clWhite};
        static const ComponentRow<LabelForm> rows[] = {
            {.field = &LabelForm::Narrow, .name = "Narrow", .bounds = {40, 10, 30, 20},
             .font = white, .alignment = taCenter},
            {.field = &LabelForm::Sized, .name = "Sized", .bounds = {10, 40, 0, 0}, .font = white,
             .autoSize = true},
            {.field = &LabelForm::Fixed, .name = "Fixed", .bounds = {10, 90, 150, 20}, .font = white},
        };
        static const FormDesign<LabelForm> design{"Labels", 200, 120, clBlack, bsNone, rows};
        return design;
    }
};

bool inked(QRgb pixel)
{
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel) > 3 * 60;
}

int inkInColumn(const QImage &image, int x, int top, int height)
{
    int count = 0;
    for (int y = top; y < top + height; ++y)
        count += inked(image.pixel(x, y));
    return count;
}

int inkInRow(const QImage &image, int y, int left, int width)
{
    int count = 0;
    for (int x = left; x < left + width; ++x)
        count += inked(image.pixel(x, y));
    return count;
}

// Counts paint events and collects the area they cover.
class PaintSpy : public QObject {
public:
    int paints = 0;
    QRegion area;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            area += static_cast<QPaintEvent *>(event)->region();
        }
        return false;
    }
};

} // namespace

class LabelTest : public QObject {
    Q_OBJECT

    LabelForm *form = nullptr;
    QFontMetrics metrics{toQFont({"Arial", 13, true, clWhite})};

private slots:
    void init()
    {
        Application->CreateForm(form);
        showAndWait(form);
    }

    void cleanup()
    {
        Application->DestroyForms();
        form = nullptr;
    }

    void ampersandsMarkTheNextCharacter_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("drawn");
        QTest::addColumn<int>("underlined"); // index in the drawn text, -1 for none
        QTest::newRow("first") << "&Ab" << "Ab" << 0;
        QTest::newRow("second") << "A&b" << "Ab" << 1;
        QTest::newRow("double") << "A&&b" << "A&b" << -1;
        QTest::newRow("double then single") << "&&A&b" << "&Ab" << 2;
        QTest::newRow("trailing") << "Ab&" << "Ab" << -1;
    }

    void ampersandsMarkTheNextCharacter()
    {
        QFETCH(QString, caption);
        QFETCH(QString, drawn);
        QFETCH(int, underlined);
        form->Sized->SetCaption(caption.toStdString());
        QCOMPARE(form->Sized->Width(), metrics.horizontalAdvance(drawn));

        const QImage image = grab(form);
        const int underlineRow = form->Sized->Top() + metrics.ascent() + metrics.underlinePos();
        for (int i = 0; i < drawn.size(); ++i) {
            const int left = form->Sized->Left() + metrics.horizontalAdvance(drawn.left(i));
            const int width = metrics.horizontalAdvance(drawn[i]);
            const int ink = inkInRow(image, underlineRow, left + 1, width - 2);
            if (i == underlined)
                QVERIFY2(ink >= width - 2, qPrintable(QString("no underline under %1").arg(i)));
            else
                QVERIFY2(ink == 0, qPrintable(QString("ink under %1").arg(i)));
        }
    }

    void autoSizeKeepsTheLeftEdgeAndTakesTheTextsExtent_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("widest");
        QTest::addColumn<int>("lines");
        QTest::newRow("short") << "Hi" << "Hi" << 1;
        QTest::newRow("long") << "Hello there, installer" << "Hello there, installer" << 1;
        QTest::newRow("line feed starts a line") << "ab\nlonger" << "longer" << 2;
        QTest::newRow("tab expands to the next stop") << "a\tb" << "a       b" << 1;
        QTest::newRow("empty keeps a line") << "" << " " << 1;
    }

    void autoSizeKeepsTheLeftEdgeAndTakesTheTextsExtent()
    {
        QFETCH(QString, caption);
        QFETCH(QString, widest);
        QFETCH(int, lines);
        form->Sized->SetCaption(caption.toStdString());
        QCOMPARE(form->Sized->Left(), 10);
        QCOMPARE(form->Sized->Top(), 40);
        QCOMPARE(form->Sized->Width(), metrics.horizontalAdvance(widest));
        QCOMPARE(form->Sized->Height(), lines * metrics.height());
    }

    void aFixedCentredLabelCutsBothEnds()
    {
        form->Narrow->SetCaption("WWWWWWWWWW");
        const QImage image = grab(form);
        const TRect &r = form->Narrow->BoundsRect();
        QVERIFY(inkInColumn(image, r.Left, r.Top, r.Height) > 0);
        QVERIFY(inkInColumn(image, r.Left + r.Width - 1, r.Top, r.Height) > 0);
        QCOMPARE(inkInColumn(image, r.Left - 1, r.Top, r.Height), 0);
        QCOMPARE(inkInColumn(image, r.Left + r.Width, r.Top, r.Height), 0);
    }

    void aFixedLabelDrawsFromItsTopWithoutWrapping()
    {
        form->Fixed->SetCaption("wrap me not, please, this runs on and on and on");
        const QImage image = grab(form);
        const TRect &r = form->Fixed->BoundsRect();
        QVERIFY(inkInColumn(image, r.Left + r.Width - 1, r.Top, r.Height) > 0);
        QCOMPARE(inkInRow(image, r.Top + r.Height, 0, 200), 0); // nothing below: one line, clipped
        QVERIFY(inkInRow(image, r.Top + metrics.ascent() - 2, r.Left, r.Width) > 0);
    }

    void aDisabledLabelIsGreyed()
    {
        form->Fixed->SetCaption("Install");
        form->Fixed->SetFontColor(clRed);
        auto redPixels = [&] {
            const QImage image = grab(form);
            int count = 0;
            for (int y = 90; y < 110; ++y)
                for (int x = 10; x < 160; ++x)
                    count += qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 60;
            return count;
        };
        QVERIFY(redPixels() > 10);
        form->Fixed->SetEnabled(false);
        QCOMPARE(redPixels(), 0);
        const QImage image = grab(form);
        QCOMPARE(image.pixel(form->Fixed->Left() + 1, form->Fixed->Top() + 1) & 0xFFFFFF, 0u); // background stays
        QVERIFY(inkInRow(image, form->Fixed->Top() + metrics.ascent() - 3, 10, 150) > 0);
    }

    void colourChangesRepaintOnlyTheLabel()
    {
        form->Fixed->SetCaption("Quit");
        QCoreApplication::processEvents();
        PaintSpy spy;
        form->Handle()->installEventFilter(&spy);

        form->Fixed->SetFontColor(clWhite); // the colour it has
        QCoreApplication::processEvents();
        QCOMPARE(spy.paints, 0);

        form->Fixed->SetFontColor(clRed);
        QCoreApplication::processEvents();
        QCOMPARE(spy.paints, 1);
        const TRect &r = form->Fixed->BoundsRect();
        QCOMPARE(spy.area.boundingRect(), QRect(r.Left, r.Top, r.Width, r.Height));
        form->Handle()->removeEventFilter(&spy);
    }

    void captionsShowAnsiOrUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QByteArray("Setup") << "Setup";
        QTest::newRow("Windows-1252") << QByteArray("Caf\xe9 \x80 \x93q\x94") << QString::fromUtf8("Café € “q”");
        QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9 \xe2\x82\xac") << QString::fromUtf8("Café €");
        QTest::newRow("broken UTF-8 is ANSI") << QByteArray("\xc3(") << QString::fromUtf8("Ã(");
    }

    void captionsShowAnsiOrUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QCOMPARE(toDisplay(bytes.toStdString()), shown);
    }
};

REGISTER_TEST(LabelTest)
#include "label_test.moc"
