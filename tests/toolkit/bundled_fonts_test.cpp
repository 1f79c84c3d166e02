// The fonts the program carries, and the viewer's DOS face made at build time
// from Terminus' 14-pixel strike: drawn here as the viewer draws it, white on
// black, cell by cell.
#include "tests/support/test_registry.h"
#include "toolkit/bundled_fonts.h"
#include "toolkit/code_page_437.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTest>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

constexpr int CellWidth = 8;
constexpr int LineHeight = 12;

QFont dosFace()
{
    registerDosTerminalFace();
    QFont font(DosTerminalFamily);
    font.setPixelSize(LineHeight);
    return font;
}

// The lines drawn one under the other in the font, as a one-bit picture:
// true where a pixel is set.
QImage drawn(const QStringList &lines, const QFont &font, int lineHeight)
{
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    QImage picture(std::max(width, 1), int(lines.size()) * lineHeight, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(0, i * lineHeight + metrics.ascent(), lines[i]);
    return picture;
}

bool set(const QImage &picture, int x, int y)
{
    return qGray(picture.pixel(x, y)) > 128;
}

bool columnRunsThrough(const QImage &picture, int x)
{
    for (int y = 0; y < picture.height(); ++y)
        if (!set(picture, x, y))
            return false;
    return true;
}

bool rowRunsThrough(const QImage &picture, int y)
{
    for (int x = 0; x < picture.width(); ++x)
        if (!set(picture, x, y))
            return false;
    return true;
}

int columnsRunningThrough(const QImage &picture)
{
    int count = 0;
    for (int x = 0; x < picture.width(); ++x)
        count += columnRunsThrough(picture, x) ? 1 : 0;
    return count;
}

int rowsRunningThrough(const QImage &picture)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        count += rowRunsThrough(picture, y) ? 1 : 0;
    return count;
}

QString rowText(const QImage &picture, int y)
{
    QString text;
    for (int x = 0; x < picture.width(); ++x)
        text += set(picture, x, y) ? u'#' : u'.';
    return text;
}

} // namespace

class BundledFontsTest : public QObject {
    Q_OBJECT

private slots:
    void everyFontResourceRegistersItsFamily_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("style");
        QTest::newRow("Arial's stand-in") << ":/fonts/LiberationSans-Regular.ttf" << "Liberation Sans" << "Regular";
        QTest::newRow("its bold") << ":/fonts/LiberationSans-Bold.ttf" << "Liberation Sans" << "Bold";
        QTest::newRow("the DOS face") << ":/fonts/dos-terminal-8x12.bdf" << DosTerminalFamily << "Regular";
    }

    void everyFontResourceRegistersItsFamily()
    {
        QFETCH(QString, resource);
        QFETCH(QString, family);
        QFETCH(QString, style);
        const int id = QFontDatabase::addApplicationFont(resource);
        QVERIFY2(id >= 0, qPrintable(resource));
        QCOMPARE(QFontDatabase::applicationFontFamilies(id), QStringList{family});
        QVERIFY(QFontDatabase::styles(family).contains(style));
    }

    void noResourceFailsToRegister()
    {
        QCOMPARE(registerBundledFonts(), 0);
        QVERIFY(registerDosTerminalFace());
        QStringList resources;
        QDirIterator fonts(QStringLiteral(":/fonts"), QDir::Files);
        while (fonts.hasNext())
            resources << fonts.next();
        QCOMPARE(resources.size(), 3);
    }

    void everyCodePage437CharacterFillsOneEightByTwelveCell()
    {
        const QFont font = dosFace();
        QCOMPARE(QFontInfo(font).family(), DosTerminalFamily);
        const QRawFont raw = QRawFont::fromFont(font);
        const QFontMetrics metrics(font);
        QCOMPARE(metrics.height(), LineHeight);
        for (int byte = 0; byte < 256; ++byte) {
            const QChar shown = charOfCodePage437(static_cast<unsigned char>(byte));
            if (shown == u'\t')
                continue;
            QVERIFY2(raw.supportsCharacter(shown), qPrintable(QString("byte 0x%1").arg(byte, 2, 16, QChar(u'0'))));
            QCOMPARE(metrics.horizontalAdvance(shown), CellWidth);
        }
    }

    // Box-drawing strokes and blocks run through the cell's edges, so that
    // they join without a gap to the cells beside, above and below.
    void strokesJoinAcrossCellsAndLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("throughColumns");
        QTest::addColumn<int>("throughRows");
        QTest::newRow("│ down three lines") << QStringList{"│", "│", "│"} << 1 << 0;
        QTest::newRow("║ down three lines") << QStringList{"║", "║", "║"} << 2 << 0;
        QTest::newRow("─ along three cells") << QStringList{"───"} << 0 << 1;
        QTest::newRow("═ along three cells") << QStringList{"═══"} << 0 << 2;
        QTest::newRow("╦ between ═") << QStringList{"═╦═"} << 0 << 1;
        QTest::newRow("╠═╣ meets ║") << QStringList{"║", "╠", "║"} << 1 << 0;
        QTest::newRow("█ a full cell") << QStringList{"██", "██"} << 16 << 24;
    }

    void strokesJoinAcrossCellsAndLines()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, throughColumns);
        QFETCH(int, throughRows);
        const QImage picture = drawn(lines, dosFace(), LineHeight);
        QCOMPARE(picture.width(), CellWidth * int(lines.first().size()));
        QCOMPARE(columnsRunningThrough(picture), throughColumns);
        QCOMPARE(rowsRunningThrough(picture), throughRows);
    }

    void halfBlocksSplitTheCellInTwoEqualHalves()
    {
        const QImage upper = drawn({"▀"}, dosFace(), LineHeight);
        const QImage lower = drawn({"▄"}, dosFace(), LineHeight);
        for (int y = 0; y < LineHeight; ++y) {
            QCOMPARE(rowRunsThrough(upper, y), y < LineHeight / 2);
            QCOMPARE(rowRunsThrough(lower, y), y >= LineHeight / 2);
        }
    }

    // A shade repeats every two rows in its cell; stacked, the pattern must
    // go on across the line boundary as it does inside a cell.
    void shadesRunOnAcrossLines_data()
    {
        QTest::addColumn<QString>("shade");
        QTest::newRow("light") << "░";
        QTest::newRow("medium") << "▒";
        QTest::newRow("dark") << "▓";
    }

    void shadesRunOnAcrossLines()
    {
        QFETCH(QString, shade);
        const QImage picture = drawn({shade, shade, shade}, dosFace(), LineHeight);
        for (int y = 2; y < picture.height(); ++y)
            QCOMPARE(rowText(picture, y), rowText(picture, y - 2));
        QVERIFY(rowText(picture, 0) != rowText(picture, 1));
    }

    // Letters keep the source strike's rows 2 to 11 (capital height down to
    // the baseline) unchanged, one row higher; accents and descenders above
    // and below them fold into one row each and lose no pixel column.
    void lettersKeepTheirTerminusShapes_data()
    {
        QTest::addColumn<QString>("character");
        for (const char *text : {"A", "M", "W", "a", "e", "g", "y", "0", "&", "É", "Å", "ç", "ñ", "Σ", "½"})
            QTest::newRow(text) << QString::fromUtf8(text);
    }

    void lettersKeepTheirTerminusShapes()
    {
        QFETCH(QString, character);
        const QStringList source = terminusFourteenRows(character.toUcs4().value(0));
        QCOMPARE(source.size(), 14);
        const QImage face = drawn({character}, dosFace(), LineHeight);
        for (int y = 2; y < 12; ++y)
            QCOMPARE(rowText(face, y - 1), source[y]);
        for (int x = 0; x < CellWidth; ++x) {
            QCOMPARE(set(face, x, 0), source[0][x] == u'#' || source[1][x] == u'#');
            QCOMPARE(set(face, x, 11), source[12][x] == u'#' || source[13][x] == u'#');
        }
    }

private:
    // The character in Terminus' 14-pixel strike as FreeType reads it (Qt
    // offers only one strike of a face), one text row of '#' and '.' per
    // pixel row of its 8 x 14 cell.
    static QStringList terminusFourteenRows(char32_t codePoint)
    {
        QStringList rows(14, QString(CellWidth, u'.'));
        FT_Library library;
        FT_Face face;
        if (FT_Init_FreeType(&library) != 0)
            return {};
        if (FT_New_Face(library, TERMINUS_OTB, 0, &face) == 0) {
            for (int i = 0; i < face->num_fixed_sizes; ++i)
                if (face->available_sizes[i].height == 14)
                    FT_Select_Size(face, i);
            if (FT_Load_Char(face, codePoint, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0) {
                const FT_GlyphSlot slot = face->glyph;
                for (unsigned row = 0; row < slot->bitmap.rows; ++row)
                    for (unsigned column = 0; column < slot->bitmap.width; ++column)
                        if (slot->bitmap.buffer[row * slot->bitmap.pitch + column / 8] & (0x80 >> (column % 8)))
                            rows[12 - slot->bitmap_top + int(row)][slot->bitmap_left + int(column)] = u'#';
            } else {
                rows.clear();
            }
        } else {
            rows.clear();
        }
        FT_Done_FreeType(library);
        return rows;
    }
};

REGISTER_TEST(BundledFontsTest)
#include "bundled_fonts_test.moc"
