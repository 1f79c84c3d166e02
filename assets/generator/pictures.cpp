#include "generator/pictures.h"

#include "generator/artwork.h"

#include <QLinearGradient>
#include <QPainterPath>

using namespace artwork;

namespace {

const QString GroupName = QStringLiteral("VELDRA");

namespace main_window {
const QSize Size(450, 270);
// Install, the two text files and Quit; each plate runs to the last row.
const QRect Plates[] = {{12, 244, 102, 26}, {117, 244, 107, 26}, {228, 244, 109, 26}, {342, 244, 96, 26}};
const QRect TitlePanel(86, 164, 278, 44); // behind the two white title lines
const QRect LinkBar(0, 238, 450, 32);
const QRect Floor(0, 128, 450, 110);
const QPointF EmblemCentre(225, 54);
const QRectF Lettering(95, 96, 260, 44);
const QPointF Caption(225, 153);
} // namespace main_window

namespace chooser {
const QSize Size(300, 350);
const QRect Plates[] = {{4, 319, 94, 26}, {100, 319, 99, 26}, {202, 319, 94, 26}}; // ok, makedir, cancel
const QRect PromptStrip(146, 0, 154, 19);
const QRect ListField(72, 84, 224, 230); // holds the drive and folder lists
const QRect Pillar(0, 0, 70, 316);
const QRect Header(70, 0, 230, 82);
const QRect LinkBar(0, 316, 300, 34);
} // namespace chooser

namespace small_window {
const QSize Size(250, 120);
const QRect PromptStrip(0, 4, 113, 24);
const QRectF Lettering(136, 5, 108, 20);
const QPointF EmblemCentre(126, 15);
const QRect PillPlates[] = {{10, 88, 100, 26}, {142, 88, 100, 26}}; // ok / cancel; credits and progress use the right one
const QRect EditBand(0, 56, 250, 29); // black, behind the new folder's name box
const QRect MetalBand(0, 33, 250, 19);
const QRect Swoosh(0, 28, 250, 25); // clear of the white status line below it
} // namespace small_window

QImage canvas(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Ink);
    return image;
}

// The emblem and the name over the top right corner of the small windows.
void drawSmallHeader(QPainter &p)
{
    drawEmblem(p, small_window::EmblemCentre, 12);
    drawLettering(p, small_window::Lettering, GroupName);
}

} // namespace

QImage drawMainPicture()
{
    using namespace main_window;
    QImage image = canvas(Size);
    QPainter p(&image);
    fillBackdrop(p, image.rect());
    scatterStars(p, QRect(0, 0, Size.width(), Floor.top()), 140, 7);
    drawFloorGrid(p, Floor, Size.width() / 2.0);
    drawWings(p, EmblemCentre + QPointF(0, 6), 150, 30);
    drawEmblem(p, EmblemCentre, 46);
    drawLettering(p, Lettering, GroupName);
    drawCaption(p, Caption, QStringLiteral("PROUDLY PRESENTS"));
    drawDarkGlassPanel(p, TitlePanel);
    drawBar(p, LinkBar);
    for (const QRect &plate : Plates)
        drawPlate(p, plate, PlateShape::Bevelled);
    return image;
}

QImage drawChooserPicture()
{
    using namespace chooser;
    QImage image = canvas(Size);
    QPainter p(&image);
    fillBackdrop(p, image.rect());
    scatterStars(p, Header, 50, 11);
    drawFloorGrid(p, QRect(Header.left(), 40, Header.width(), Header.bottom() - 40), Header.center().x());

    // The left pillar: brushed metal, the emblem on top, the name running up.
    QLinearGradient metal(Pillar.topLeft(), Pillar.topRight());
    metal.setColorAt(0, QColor(16, 18, 26));
    metal.setColorAt(0.45, QColor(72, 78, 96));
    metal.setColorAt(0.55, QColor(56, 60, 76));
    metal.setColorAt(1, QColor(12, 12, 18));
    p.fillRect(Pillar, metal);
    p.fillRect(QRect(Pillar.right(), Pillar.top(), 1, Pillar.height()), Ember);
    drawEmblem(p, QPointF(Pillar.center().x(), 40), 28);
    p.save();
    p.translate(Pillar.center().x(), Pillar.bottom() - 20);
    p.rotate(-90);
    drawLettering(p, QRectF(0, -16, 220, 32), GroupName);
    p.restore();

    drawWhiteStrip(p, PromptStrip);
    drawSunkenField(p, ListField);
    drawBar(p, LinkBar);
    for (const QRect &plate : Plates)
        drawPlate(p, plate, PlateShape::Bevelled);
    return image;
}

QImage drawNewFolderPicture()
{
    using namespace small_window;
    QImage image = canvas(Size);
    QPainter p(&image);
    fillBackdrop(p, image.rect());
    scatterStars(p, image.rect(), 40, 5);
    drawMetalBand(p, MetalBand);
    // The header's glow reaches left; the strip covers it to stay white.
    drawSmallHeader(p);
    drawWhiteStrip(p, PromptStrip);
    drawRuledBand(p, EditBand);
    for (const QRect &plate : PillPlates)
        drawPlate(p, plate, PlateShape::Pill);
    return image;
}

QImage drawSmallPicture()
{
    using namespace small_window;
    QImage image = canvas(Size);
    QPainter p(&image);
    image.fill(Qt::black);
    // Stars only below the text lines, so the credits stay on black.
    scatterStars(p, QRect(0, 90, PillPlates[1].left() - 4, 30), 20, 3);
    drawSwoosh(p, Swoosh);
    drawSmallHeader(p);
    drawWhiteStrip(p, PromptStrip);
    drawPlate(p, PillPlates[1], PlateShape::Pill);
    return image;
}

QImage drawIcon()
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A steel box, seen slightly from above, that the arrow drops into.
    const QRectF front(8, 32, 48, 26);
    QPainterPath lid;
    lid.moveTo(8, 32);
    lid.lineTo(16, 24);
    lid.lineTo(48, 24);
    lid.lineTo(56, 32);
    lid.closeSubpath();
    p.setPen(QPen(QColor(8, 8, 14), 1.5));
    p.setBrush(QColor(24, 26, 36));
    p.drawPath(lid);
    QLinearGradient steel(front.topLeft(), front.bottomLeft());
    steel.setColorAt(0, QColor(200, 206, 220));
    steel.setColorAt(0.5, QColor(120, 128, 150));
    steel.setColorAt(1, QColor(50, 54, 70));
    p.setBrush(steel);
    p.drawRoundedRect(front, 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 180), 1));
    p.drawLine(QPointF(11, 34.5), QPointF(53, 34.5));
    // The emblem's red diamond on the box front.
    QPainterPath mark;
    mark.moveTo(32, 39);
    mark.lineTo(38, 45);
    mark.lineTo(32, 51);
    mark.lineTo(26, 45);
    mark.closeSubpath();
    p.setPen(QPen(QColor(40, 0, 4), 1));
    p.setBrush(Ember);
    p.drawPath(mark);

    QPainterPath arrow;
    arrow.moveTo(26, 2);
    arrow.lineTo(38, 2);
    arrow.lineTo(38, 16);
    arrow.lineTo(47, 16);
    arrow.lineTo(32, 33);
    arrow.lineTo(17, 16);
    arrow.lineTo(26, 16);
    arrow.closeSubpath();
    QLinearGradient red(QPointF(0, 2), QPointF(0, 33));
    red.setColorAt(0, QColor(255, 140, 120));
    red.setColorAt(0.5, QColor(230, 30, 40));
    red.setColorAt(1, QColor(120, 0, 10));
    p.setPen(QPen(QColor(30, 0, 4), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(red);
    p.drawPath(arrow);
    return image;
}
