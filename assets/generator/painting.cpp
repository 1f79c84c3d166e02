#include "generator/painting.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <vector>

namespace {

// Areas the windows rely on, in picture coordinates.
const QRect MainPlates[] = {{12, 244, 102, 26}, {117, 244, 107, 26}, {228, 244, 109, 26}, {342, 244, 96, 26}};
const QRect MainTitleArea(60, 166, 330, 40); // covers rows 170-201 behind the white titles
const QRect ChooserPromptStrip(146, 0, 154, 19);
const QRect ChooserListField(70, 82, 228, 234);
const QRect ChooserPlates[] = {{4, 319, 94, 26}, {100, 319, 99, 26}, {202, 319, 94, 26}};
const QRect SmallWhitePanel(0, 4, 113, 24);
const QRect SmallPlates[] = {{10, 88, 100, 26}, {142, 88, 100, 26}};
const QRect NewFolderEditBand(0, 56, 250, 29);

const QColor Night(8, 10, 26);
const QColor Dusk(34, 12, 52);
const QColor Neon(255, 46, 136);
const QColor Ice(64, 214, 255);
const QColor LogoRed(214, 24, 32);

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void fillNightSky(QPainter &p, const QRect &area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, Night);
    sky.setColorAt(0.6, Dusk);
    sky.setColorAt(1, Night);
    p.fillRect(area, sky);
}

// A floor of neon lines running to a vanishing point on the horizon.
void drawNeonGrid(QPainter &p, const QRect &floor, int vanishX)
{
    p.save();
    p.setClipRect(floor);
    p.setRenderHint(QPainter::Antialiasing);
    QColor line = Neon;
    line.setAlpha(110);
    p.setPen(QPen(line, 1));
    for (int x = -floor.width(); x <= 2 * floor.width(); x += 40)
        p.drawLine(QPointF(vanishX, floor.top()), QPointF(floor.left() + x, floor.bottom() + 40));
    for (int i = 1; i < 12; ++i) {
        const int y = floor.top() + i * i * floor.height() / 100;
        line.setAlpha(40 + 6 * i);
        p.setPen(QPen(line, 1));
        p.drawLine(floor.left(), y, floor.right(), y);
    }
    p.restore();
}

void drawSun(QPainter &p, QPointF centre, qreal radius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient glow(centre.x(), centre.y() - radius, centre.x(), centre.y() + radius);
    glow.setColorAt(0, QColor(255, 214, 90));
    glow.setColorAt(1, Neon);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);
    // Horizontal cuts through the lower half.
    p.setBrush(Dusk);
    for (int i = 0; i < 5; ++i) {
        const qreal y = centre.y() + radius * (0.15 + i * 0.18);
        p.drawRect(QRectF(centre.x() - radius, y, 2 * radius, 2 + i));
    }
    p.restore();
}

void drawLogo(QPainter &p, const QRect &box, int pixelSize, const QColor &fill)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont font("Liberation Sans");
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, pixelSize / 8.0);
    QPainterPath path;
    path.addText(0, 0, font, "VELDRA");
    const QRectF bounds = path.boundingRect();
    path.translate(box.center().x() - bounds.center().x(), box.center().y() - bounds.center().y());
    p.setPen(QPen(QColor(20, 0, 0), 2));
    p.setBrush(fill);
    p.drawPath(path.translated(1.5, 1.5));
    QLinearGradient shine(0, path.boundingRect().top(), 0, path.boundingRect().bottom());
    shine.setColorAt(0, fill.lighter(150));
    shine.setColorAt(1, fill.darker(130));
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(shine);
    p.drawPath(path);
    p.restore();
}

// A bevelled metal plate for a black link: light enough for black text,
// mid enough for white hover text.
void drawPlate(QPainter &p, const QRect &plate, bool rounded)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, rounded);
    QLinearGradient metal(plate.topLeft(), plate.bottomLeft());
    metal.setColorAt(0, QColor(214, 216, 224));
    metal.setColorAt(0.45, QColor(172, 174, 184));
    metal.setColorAt(0.55, QColor(150, 152, 164));
    metal.setColorAt(1, QColor(176, 178, 188));
    const qreal radius = rounded ? plate.height() / 2.0 : 3;
    const QRectF body = QRectF(plate).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(40, 40, 52), 1));
    p.setBrush(metal);
    p.drawRoundedRect(body, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.drawLine(QPointF(body.left() + radius, body.top() + 1.5), QPointF(body.right() - radius, body.top() + 1.5));
    p.setPen(QPen(QColor(70, 70, 84), 1));
    p.drawLine(QPointF(body.left() + radius, body.bottom() - 1.5),
               QPointF(body.right() - radius, body.bottom() - 1.5));
    p.restore();
}

void drawWhiteStrip(QPainter &p, const QRect &strip)
{
    p.fillRect(strip, Qt::white);
    p.fillRect(QRect(strip.left(), strip.bottom() + 1, strip.width(), 1), LogoRed);
}

void drawMetalBand(QPainter &p, const QRect &band)
{
    QLinearGradient metal(band.topLeft(), band.bottomLeft());
    metal.setColorAt(0, QColor(60, 62, 72));
    metal.setColorAt(0.35, QColor(170, 172, 182));
    metal.setColorAt(0.5, QColor(120, 122, 132));
    metal.setColorAt(1, QColor(40, 42, 50));
    p.fillRect(band, metal);
}

// A grey band sweeping across the picture, thicker at its left.
void drawSwoosh(QPainter &p, int top, int bottom, int width)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath swoosh;
    swoosh.moveTo(0, top + 2);
    swoosh.cubicTo(width * 0.4, top - 4, width * 0.7, top + 10, width, top + 6);
    swoosh.lineTo(width, bottom - 10);
    swoosh.cubicTo(width * 0.6, bottom - 4, width * 0.3, bottom + 2, 0, bottom);
    swoosh.closeSubpath();
    QLinearGradient grey(0, top, 0, bottom);
    grey.setColorAt(0, QColor(150, 150, 156));
    grey.setColorAt(0.5, QColor(96, 96, 104));
    grey.setColorAt(1, QColor(44, 44, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(grey);
    p.drawPath(swoosh);
    p.restore();
}

void drawMainArt(QPainter &p)
{
    fillNightSky(p, QRect(0, 0, 450, 270));
    drawSun(p, QPointF(225, 118), 58);
    drawNeonGrid(p, QRect(0, 150, 450, 94), 225);
    p.fillRect(QRect(0, 149, 450, 1), Ice);
    drawLogo(p, QRect(60, 20, 330, 70), 58, LogoRed);
    // The dark band behind the two white title lines.
    QColor shade(4, 4, 14, 235);
    p.fillRect(MainTitleArea, shade);
    p.fillRect(QRect(MainTitleArea.left(), MainTitleArea.top() - 1, MainTitleArea.width(), 1), Ice);
    p.fillRect(QRect(MainTitleArea.left(), MainTitleArea.bottom() + 1, MainTitleArea.width(), 1), Ice);
    p.fillRect(QRect(0, 238, 450, 32), QColor(12, 12, 20));
    for (const QRect &plate : MainPlates)
        drawPlate(p, plate, false);
}

void drawChooserArt(QPainter &p)
{
    fillNightSky(p, QRect(0, 0, 300, 350));
    // Left pillar and header.
    QLinearGradient pillar(0, 0, 66, 0);
    pillar.setColorAt(0, QColor(30, 30, 40));
    pillar.setColorAt(0.5, QColor(90, 92, 104));
    pillar.setColorAt(1, QColor(24, 24, 34));
    p.fillRect(QRect(0, 0, 66, 316), pillar);
    p.fillRect(QRect(64, 0, 2, 316), Neon);
    p.save();
    p.translate(22, 300);
    p.rotate(-90);
    drawLogo(p, QRect(0, -14, 260, 36), 30, LogoRed);
    p.restore();
    drawNeonGrid(p, QRect(66, 20, 234, 60), 183);
    drawWhiteStrip(p, ChooserPromptStrip);
    p.fillRect(ChooserListField, Qt::black);
    p.setPen(QColor(70, 70, 86));
    p.drawRect(ChooserListField.adjusted(0, 0, -1, -1));
    for (const QRect &plate : ChooserPlates)
        drawPlate(p, plate, false);
}

void drawSmallArt(QPainter &p)
{
    p.fillRect(QRect(0, 0, 250, 120), Qt::black);
    QRadialGradient glow(QPointF(180, 70), 120);
    glow.setColorAt(0, QColor(40, 10, 30));
    glow.setColorAt(1, Qt::black);
    p.fillRect(QRect(0, 54, 250, 66), glow);
    drawSwoosh(p, 28, 53, 250);
    drawWhiteStrip(p, SmallWhitePanel);
    drawLogo(p, QRect(118, 2, 128, 26), 22, LogoRed);
}

void drawNewFolderArt(QPainter &p)
{
    fillNightSky(p, QRect(0, 0, 250, 120));
    drawLogo(p, QRect(118, 2, 128, 26), 22, LogoRed);
    drawMetalBand(p, QRect(0, 32, 250, 18));
    drawWhiteStrip(p, SmallWhitePanel);
    p.fillRect(NewFolderEditBand, Qt::black);
    p.fillRect(QRect(0, NewFolderEditBand.top(), 250, 1), Ice);
    p.fillRect(QRect(0, NewFolderEditBand.bottom(), 250, 1), Ice);
}

QRgb nearest(const std::vector<QRgb> &palette, QRgb colour)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < int(palette.size()); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return uint(best);
}

} // namespace

QImage drawMainPicture()
{
    QImage image = canvas(450, 270);
    QPainter p(&image);
    drawMainArt(p);
    return image;
}

QImage drawChooserPicture()
{
    QImage image = canvas(300, 350);
    QPainter p(&image);
    drawChooserArt(p);
    return image;
}

QImage drawNewFolderPicture()
{
    QImage image = canvas(250, 120);
    QPainter p(&image);
    drawNewFolderArt(p);
    for (const QRect &plate : SmallPlates)
        drawPlate(p, plate, true);
    return image;
}

QImage drawSmallPicture()
{
    QImage image = canvas(250, 120);
    QPainter p(&image);
    drawSmallArt(p);
    drawPlate(p, SmallPlates[1], true);
    return image;
}

QImage drawIcon()
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient box(0, 20, 0, 60);
    box.setColorAt(0, QColor(120, 122, 136));
    box.setColorAt(1, QColor(40, 42, 54));
    p.setPen(QPen(QColor(10, 10, 20), 2));
    p.setBrush(box);
    p.drawRoundedRect(QRectF(8, 26, 48, 32), 4, 4);
    p.setBrush(Neon);
    p.setPen(Qt::NoPen);
    QPainterPath arrow;
    arrow.moveTo(26, 4);
    arrow.lineTo(38, 4);
    arrow.lineTo(38, 22);
    arrow.lineTo(48, 22);
    arrow.lineTo(32, 40);
    arrow.lineTo(16, 22);
    arrow.lineTo(26, 22);
    arrow.closeSubpath();
    p.drawPath(arrow);
    return image;
}

QImage toPalette(const QImage &picture, int colours)
{
    // The most used colours, counted on a 5-bit-per-channel grid, each
    // represented by its most frequent exact colour.
    QHash<QRgb, int> exactCounts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++exactCounts[picture.pixel(x, y) | 0xFF000000];
    QHash<QRgb, std::pair<QRgb, int>> cells; // cell -> (representative, total)
    QHash<QRgb, int> representativeCount;
    for (auto it = exactCounts.cbegin(); it != exactCounts.cend(); ++it) {
        const QRgb cell = it.key() & 0xFFF8F8F8;
        auto &entry = cells[cell];
        entry.second += it.value();
        if (it.value() > representativeCount.value(cell, 0)) {
            representativeCount[cell] = it.value();
            entry.first = it.key();
        }
    }
    std::vector<std::pair<int, QRgb>> ranked;
    for (const auto &entry : cells)
        ranked.emplace_back(entry.second, entry.first);
    std::sort(ranked.begin(), ranked.end(), [](auto a, auto b) { return a.first > b.first; });

    std::vector<QRgb> palette;
    for (const auto &[count, colour] : ranked) {
        if (int(palette.size()) == colours)
            break;
        palette.push_back(colour);
    }
    while (int(palette.size()) < colours)
        palette.push_back(qRgb(0, 0, 0));

    QImage indexed(picture.size(), QImage::Format_Indexed8);
    indexed.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    QHash<QRgb, uint> mapped;
    for (int y = 0; y < picture.height(); ++y) {
        uchar *line = indexed.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = picture.pixel(x, y) | 0xFF000000;
            auto it = mapped.find(colour);
            if (it == mapped.end())
                it = mapped.insert(colour, nearest(palette, colour));
            line[x] = uchar(*it);
        }
    }
    return indexed;
}
