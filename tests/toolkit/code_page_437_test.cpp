#include "tests/support/test_registry.h"
#include "toolkit/code_page_437.h"

#include <QTest>
#include <iconv.h>

namespace {

// glibc's own IBM437 converter: an independent reading of the upper half.
QChar iconvIbm437(unsigned char byte)
{
    iconv_t converter = iconv_open("UTF-16LE", "IBM437");
    if (converter == iconv_t(-1))
        return QChar();
    char in[1] = {char(byte)};
    char16_t out[2] = {};
    char *inAt = in;
    char *outAt = reinterpret_cast<char *>(out);
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t result = iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
    iconv_close(converter);
    return result == std::size_t(-1) || outLeft != sizeof out - 2 ? QChar() : QChar(out[0]);
}

} // namespace

class CodePage437Test : public QObject {
    Q_OBJECT

private slots:
    void theUpperHalfMatchesGlibc()
    {
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const QChar expected = iconvIbm437(static_cast<unsigned char>(byte));
            QVERIFY2(!expected.isNull(), qPrintable(QString("glibc has no IBM437 for 0x%1").arg(byte, 0, 16)));
            QVERIFY2(charOfCodePage437(static_cast<unsigned char>(byte)) == expected,
                     qPrintable(QString("0x%1: U+%2, expected U+%3")
                                    .arg(byte, 0, 16)
                                    .arg(charOfCodePage437(static_cast<unsigned char>(byte)).unicode(), 4, 16, QChar('0'))
                                    .arg(expected.unicode(), 4, 16, QChar('0'))));
        }
    }

    // glibc decodes these as control characters; the DOS screen shows glyphs.
    // The tab stays a tab for the text box to expand.
    void theControlCodesShowTheirScreenGlyphs()
    {
        const QString glyphs = QStringLiteral(u"☺☻♥♦♣♠•◘\t◙♂♀♪♫☼►◄↕‼¶§▬↨↑↓→←∟↔▲▼");
        QCOMPARE(glyphs.size(), 0x1F);
        for (int byte = 0x01; byte <= 0x1F; ++byte)
            QVERIFY2(charOfCodePage437(static_cast<unsigned char>(byte)) == glyphs.at(byte - 1),
                     qPrintable(QString("0x%1").arg(byte, 2, 16, QChar('0'))));
        QCOMPARE(charOfCodePage437(0x7F), QChar(u'⌂'));
        // The whole-string decoder reads the same table.
        QByteArray everyByte;
        for (int byte = 0; byte <= 0xFF; ++byte)
            everyByte.append(char(byte));
        const QString decoded = fromCodePage437(std::string_view(everyByte.constData(), everyByte.size()));
        for (int byte = 0; byte <= 0xFF; ++byte)
            QCOMPARE(decoded.at(byte), charOfCodePage437(static_cast<unsigned char>(byte)));
    }
};

REGISTER_TEST(CodePage437Test)
#include "code_page_437_test.moc"
