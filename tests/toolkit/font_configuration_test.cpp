// The desktop's font configuration as the program reads it, against what
// fontconfig's own start-up reads: the same files, the same fonts, the same
// choices for the same requests; and where fontconfig has to fall back, the
// program leaves it to fontconfig.
#include "tests/support/test_registry.h"
#include "toolkit/font_configuration.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fontconfig/fontconfig.h>
#include <memory>
#include <set>
#include <string>

namespace {

struct ConfigRelease {
    void operator()(FcConfig *config) const { FcConfigDestroy(config); }
};
using Config = std::unique_ptr<FcConfig, ConfigRelease>;

std::set<std::string> strings(FcStrList *list)
{
    std::set<std::string> all;
    while (const FcChar8 *s = FcStrListNext(list))
        all.insert(reinterpret_cast<const char *>(s));
    FcStrListDone(list);
    return all;
}

std::set<std::string> fontFiles(FcConfig *config, FcSetName set)
{
    std::set<std::string> files;
    const FcFontSet *fonts = FcConfigGetFonts(config, set);
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcChar8 *file = nullptr;
        int index = 0;
        FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file);
        FcPatternGetInteger(fonts->fonts[i], FC_INDEX, 0, &index);
        files.insert(std::string(reinterpret_cast<const char *>(file)) + "#" + std::to_string(index));
    }
    return files;
}

// The font chosen for a request and how it is to be drawn, as text.
std::string choice(FcConfig *config, const char *request)
{
    FcPattern *pattern = FcNameParse(reinterpret_cast<const FcChar8 *>(request));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return "no match";
    FcObjectSet *shown = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_HINTING, FC_HINT_STYLE, FC_ANTIALIAS,
                                          FC_RGBA, FC_LCD_FILTER, FC_EMBEDDED_BITMAP, nullptr);
    FcPattern *filtered = FcPatternFilter(match, shown);
    FcChar8 *text = FcNameUnparse(filtered);
    const std::string described = reinterpret_cast<const char *>(text);
    FcStrFree(text);
    FcPatternDestroy(filtered);
    FcObjectSetDestroy(shown);
    FcPatternDestroy(match);
    return described;
}

// FONTCONFIG_FILE set for one scope, as a user or a session may set it.
auto configFileSetTo(const QString &path)
{
    const QByteArray before = qgetenv("FONTCONFIG_FILE");
    const bool wasSet = qEnvironmentVariableIsSet("FONTCONFIG_FILE");
    qputenv("FONTCONFIG_FILE", QFile::encodeName(path));
    return qScopeGuard([before, wasSet] {
        if (wasSet)
            qputenv("FONTCONFIG_FILE", before);
        else
            qunsetenv("FONTCONFIG_FILE");
    });
}

void write(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class FontConfigurationTest : public QObject {
    Q_OBJECT

private slots:
    void readsWhatFontconfigReads()
    {
        const Config ours(loadDesktopFontConfiguration());
        const Config stock(FcInitLoadConfigAndFonts());
        QVERIFY(ours && stock);
        const std::set<std::string> files = strings(FcConfigGetConfigFiles(ours.get()));
        QVERIFY(!files.empty());
        QCOMPARE(files, strings(FcConfigGetConfigFiles(stock.get())));
        QCOMPARE(strings(FcConfigGetCacheDirs(ours.get())), strings(FcConfigGetCacheDirs(stock.get())));
        const std::set<std::string> fonts = fontFiles(ours.get(), FcSetSystem);
        QVERIFY(!fonts.empty());
        QCOMPARE(fonts, fontFiles(stock.get(), FcSetSystem));
        for (const char *request : {"sans-serif", "serif", "monospace", "Arial:bold", "Helvetica:pixelsize=11",
                                    "Times New Roman:italic", ":lang=ja", ":lang=ar", "Terminal"})
            QCOMPARE(choice(ours.get(), request), choice(stock.get(), request));
    }

    void followsFontconfigFile()
    {
        // A configuration of the user's own, naming one folder of fonts.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(QFile::copy(":/fonts/LiberationSans-Regular.ttf", folder.filePath("only.ttf")));
        const QString conf = folder.filePath("fonts.conf");
        write(conf, "<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">"
                    "<fontconfig><dir>" + QFile::encodeName(folder.path()) + "</dir>"
                    "<cachedir>" + QFile::encodeName(folder.filePath("cache")) + "</cachedir></fontconfig>");
        const auto restore = configFileSetTo(conf);
        const Config ours(loadDesktopFontConfiguration());
        QVERIFY(ours);
        QCOMPARE(fontFiles(ours.get(), FcSetSystem),
                 std::set<std::string>{QFile::encodeName(folder.filePath("only.ttf")).toStdString() + "#0"});
    }

    void leavesFallbacksToFontconfig_data()
    {
        QTest::addColumn<QByteArray>("configuration"); // empty: no file at all
        QTest::newRow("no such file") << QByteArray();
        QTest::newRow("not XML") << QByteArray("<fontconfig><dir>/usr/share/fonts</fontconfig");
        QTest::newRow("no cache folder")
            << QByteArray("<?xml version=\"1.0\"?><fontconfig><dir>/usr/share/fonts</dir></fontconfig>");
    }

    void leavesFallbacksToFontconfig()
    {
        QFETCH(QByteArray, configuration);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString conf = folder.filePath("fonts.conf");
        if (!configuration.isEmpty())
            write(conf, configuration);
        const auto restore = configFileSetTo(conf);
        const Config ours(loadDesktopFontConfiguration());
        QVERIFY(!ours);
    }

    void bundledFontsJoinTheConfigurationInUse()
    {
        // The test program starts as the installer does: the desktop's
        // configuration first, then the fonts it carries. Had fontconfig been
        // started before, the carried fonts would sit in a configuration no
        // longer in use.
        const std::set<std::string> carried = fontFiles(FcConfigGetCurrent(), FcSetApplication);
        QVERIFY2(!carried.empty(), "no carried font in fontconfig's current configuration");
        QVERIFY(!fontFiles(FcConfigGetCurrent(), FcSetSystem).empty());
    }
};

REGISTER_TEST(FontConfigurationTest)
#include "font_configuration_test.moc"
