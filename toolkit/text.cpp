#include "toolkit/text.h"

#include "toolkit/bundled_fonts.h"
#include "toolkit/types.h"

#include <QFont>
#include <QStringDecoder>

namespace {

bool holdsMultiByteUtf8(const std::string &bytes)
{
    bool anyHighByte = false;
    for (unsigned char c : bytes)
        anyHighByte |= c >= 0x80;
    if (!anyHighByte)
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString ignored = utf8(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return !utf8.hasError();
}

} // namespace

QString toDisplay(const std::string &bytes)
{
    const QByteArrayView view(bytes.data(), qsizetype(bytes.size()));
    if (holdsMultiByteUtf8(bytes))
        return QString::fromUtf8(view);
    QStringDecoder ansi("windows-1252");
    if (!ansi.isValid())
        return QString::fromLatin1(view);
    return ansi(view);
}

std::string fromDisplay(const QString &text)
{
    return text.toStdString();
}

QFont toQFont(const TFont &font)
{
    QString family = QString::fromStdString(font.Name);
    if (family == u"Arial" || family == u"MS Sans Serif")
        family = QStringLiteral("Liberation Sans");
    else if (family == u"Terminal") {
        registerDosTerminalFace(); // read on its first use
        family = DosTerminalFamily;
    }
    QFont qfont(family);
    qfont.setPixelSize(font.Height);
    qfont.setBold(font.Bold);
    return qfont;
}
