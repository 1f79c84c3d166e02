#include "tests/support/test_registry.h"

#include <QImage>
#include <QTest>

namespace {

double meanLuminance(const QImage &image, const QRect &area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (area.width() * area.height());
}

bool allWhite(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                return false;
    return true;
}

using Rects = QList<QRect>;

} // namespace

// The windows put black links on the plates, black prompts on the white
// strips and white text on the dark areas: the pictures must keep them there.
class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void picturesKeepTheirLayout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("colours");
        QTest::addColumn<Rects>("plates");
        QTest::addColumn<Rects>("whiteStrips");
        QTest::addColumn<Rects>("darkAreas");

        QTest::newRow("main") << "main" << QSize(450, 270) << 256
                              << Rects{{12, 244, 102, 26}, {117, 244, 107, 26}, {228, 244, 109, 26}, {342, 244, 96, 26}}
                              << Rects{} << Rects{{95, 170, 262, 32}};
        QTest::newRow("chooser") << "chooser" << QSize(300, 350) << 256
                                 << Rects{{4, 319, 94, 26}, {100, 319, 99, 26}, {202, 319, 94, 26}}
                                 << Rects{{146, 0, 154, 19}} << Rects{{73, 86, 221, 227}};
        QTest::newRow("new folder") << "newfolder" << QSize(250, 120) << 220
                                    << Rects{{10, 88, 100, 26}, {142, 88, 100, 26}} << Rects{{0, 4, 113, 24}}
                                    << Rects{{14, 58, 225, 21}};
        QTest::newRow("credits and progress") << "small" << QSize(250, 120) << 220
                                              << Rects{{142, 88, 100, 26}} << Rects{{0, 4, 113, 24}}
                                              << Rects{{2, 56, 246, 30}};
    }

    void picturesKeepTheirLayout()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(int, colours);
        QFETCH(Rects, plates);
        QFETCH(Rects, whiteStrips);
        QFETCH(Rects, darkAreas);

        const QImage picture(":/assets/" + name + ".png");
        QCOMPARE(picture.size(), size);
        QCOMPARE(picture.format(), QImage::Format_Indexed8);
        QCOMPARE(picture.colorCount(), colours);

        for (const QRect &plate : plates) {
            const QRect inside = plate.adjusted(6, 5, -6, -5);
            const QRect leftOfIt(plate.left() - 3, plate.top() + 5, 2, plate.height() - 10);
            QVERIFY2(meanLuminance(picture, inside) > 130, "plate too dark for its link");
            QVERIFY2(meanLuminance(picture, inside) < 215, "plate too light for a white hover");
            QVERIFY2(meanLuminance(picture, leftOfIt) < meanLuminance(picture, inside) - 60,
                     "plate does not stand out");
        }
        for (const QRect &strip : whiteStrips)
            QVERIFY2(allWhite(picture, strip), "strip not white");
        for (const QRect &area : darkAreas)
            QVERIFY2(meanLuminance(picture, area) < 50, "area behind white text not dark");
    }

    void theIconIsThere()
    {
        const QImage icon(":/assets/icon.png");
        QCOMPARE(icon.size(), QSize(64, 64));
    }
};

REGISTER_TEST(PicturesTest)
#include "pictures_test.moc"
