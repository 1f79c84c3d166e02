// The windows lay black links on the button plates, black prompts on the white
// strips and white text and widgets on the dark areas of their pictures, at
// fixed places. These tests keep the generated pictures to those places.
#include <QImage>
#include <QSet>
#include <QTest>

using Rects = QList<QRect>;

namespace {

double meanLuminance(const QImage &picture, const QRect &area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qGray(picture.pixel(x, y));
    return sum / (area.width() * area.height());
}

QPoint firstNonWhitePixel(const QImage &picture, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (picture.pixel(x, y) != qRgb(255, 255, 255))
                return {x, y};
    return {-1, -1};
}

int usedColourCount(const QImage &indexed)
{
    QSet<uchar> used;
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x)
            used.insert(indexed.constScanLine(y)[x]);
    return int(used.size());
}

// The picture's strips just left of, right of and above a plate.
Rects surroundings(const QRect &plate)
{
    const int middle = plate.height() / 2;
    return {QRect(plate.left() - 3, plate.top() + middle - 4, 2, 8),
            QRect(plate.right() + 2, plate.top() + middle - 4, 2, 8),
            QRect(plate.left() + plate.height() / 2, plate.top() - 3, plate.width() - plate.height(), 2)};
}

} // namespace

class AssetsTest : public QObject {
    Q_OBJECT

private slots:
    void pictureKeepsItsLayout_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("minColours");
        QTest::addColumn<int>("maxColours");
        QTest::addColumn<Rects>("plates");
        QTest::addColumn<Rects>("whiteStrips");
        QTest::addColumn<Rects>("darkAreas");

        QTest::newRow("main window") << ":/assets/main.png" << QSize(450, 270) << 2 << 256
                                     << Rects{{12, 244, 102, 26}, {117, 244, 107, 26},
                                              {228, 244, 109, 26}, {342, 244, 96, 26}}
                                     << Rects{} << Rects{{95, 170, 262, 32}};
        QTest::newRow("folder chooser") << ":/assets/chooser.png" << QSize(300, 350) << 2 << 256
                                        << Rects{{4, 319, 94, 26}, {100, 319, 99, 26}, {202, 319, 94, 26}}
                                        << Rects{{146, 0, 154, 19}} << Rects{{73, 86, 221, 227}};
        QTest::newRow("new folder") << ":/assets/newfolder.png" << QSize(250, 120) << 220 << 220
                                    << Rects{{10, 88, 100, 26}, {142, 88, 100, 26}} << Rects{{0, 4, 113, 24}}
                                    << Rects{{0, 56, 250, 29}};
        QTest::newRow("credits and progress") << ":/assets/small.png" << QSize(250, 120) << 220 << 220
                                              << Rects{{142, 88, 100, 26}} << Rects{{0, 4, 113, 24}}
                                              << Rects{{2, 54, 246, 32}};
    }

    void pictureKeepsItsLayout()
    {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        QFETCH(int, minColours);
        QFETCH(int, maxColours);
        QFETCH(Rects, plates);
        QFETCH(Rects, whiteStrips);
        QFETCH(Rects, darkAreas);

        const QImage picture(resource);
        QVERIFY2(!picture.isNull(), qPrintable(resource + " is not among the resources"));
        QCOMPARE(picture.size(), size);
        QCOMPARE(picture.format(), QImage::Format_Indexed8);
        QVERIFY(picture.colorCount() >= minColours && picture.colorCount() <= maxColours);
        QCOMPARE(usedColourCount(picture), picture.colorCount());

        for (const QRect &plate : plates) {
            // Away from the bevel and the round ends, where the link text stands.
            const QRect face = plate.adjusted(plate.height() / 2, 6, -plate.height() / 2, -6);
            const double brightness = meanLuminance(picture, face);
            QVERIFY2(brightness > 120, "plate too dark for a black link");
            QVERIFY2(brightness < 200, "plate too light for a white hovered link");
            for (const QRect &outside : surroundings(plate))
                QVERIFY2(meanLuminance(picture, outside) < brightness - 60, "plate does not stand out");
        }
        for (const QRect &strip : whiteStrips)
            QCOMPARE(firstNonWhitePixel(picture, strip), QPoint(-1, -1));
        for (const QRect &area : darkAreas)
            QVERIFY2(meanLuminance(picture, area) < 40, "area behind white text not dark");
    }

    void iconStandsOnTransparency()
    {
        const QImage icon(":/assets/icon.png");
        QCOMPARE(icon.size(), QSize(64, 64));
        QVERIFY(icon.hasAlphaChannel());
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(63, 63)), 0);
        QCOMPARE(qAlpha(icon.pixel(32, 40)), 255);
    }
};

QTEST_MAIN(AssetsTest)
#include "tst_assets.moc"
