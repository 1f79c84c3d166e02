#include "generator/artwork.h"

#include <QLinearGradient>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace artwork {

namespace {

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

QLinearGradient vertical(const QRectF &area, std::initializer_list<QGradientStop> stops)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setStops(QGradientStops(stops));
    return gradient;
}

QPainterPath diamond(QPointF centre, qreal halfWidth, qreal halfHeight)
{
    QPainterPath path;
    path.moveTo(centre.x(), centre.y() - halfHeight);
    path.lineTo(centre.x() + halfWidth, centre.y());
    path.lineTo(centre.x(), centre.y() + halfHeight);
    path.lineTo(centre.x() - halfWidth, centre.y());
    path.closeSubpath();
    return path;
}

// A four-pointed glint on the brightest stars.
void drawGlint(QPainter &p, QPointF centre, qreal length, int alpha)
{
    for (const QPointF direction : {QPointF(1, 0), QPointF(0, 1)}) {
        QLinearGradient ray(centre - direction * length, centre + direction * length);
        ray.setColorAt(0, withAlpha(Qt::white, 0));
        ray.setColorAt(0.5, withAlpha(QColor(220, 230, 255), alpha));
        ray.setColorAt(1, withAlpha(Qt::white, 0));
        p.setPen(QPen(QBrush(ray), 1));
        p.drawLine(centre - direction * length, centre + direction * length);
    }
}

} // namespace

void fillBackdrop(QPainter &p, const QRect &area)
{
    p.fillRect(area, vertical(area, {{0, QColor(3, 4, 12)}, {0.55, QColor(14, 18, 40)}, {1, QColor(2, 2, 6)}}));
    // A cold haze in the middle keeps the large dark areas from looking flat.
    QRadialGradient haze(area.center(), area.width() * 0.6);
    haze.setColorAt(0, QColor(40, 60, 120, 50));
    haze.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(area, haze);
}

void scatterStars(QPainter &p, const QRect &area, int count, quint32 seed)
{
    // A fixed seed draws the same sky on every build.
    QRandomGenerator random(seed);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + random.bounded(double(area.width())),
                         area.top() + random.bounded(double(area.height())));
        const int brightness = 60 + random.bounded(196);
        const qreal size = 0.4 + random.bounded(0.9);
        p.setBrush(QColor(brightness * 8 / 10, brightness * 9 / 10, brightness));
        p.drawEllipse(at, size, size);
        if (brightness > 240 && i % 3 == 0)
            drawGlint(p, at, 3 + random.bounded(3.0), 200);
    }
    p.restore();
}

void drawFloorGrid(QPainter &p, const QRect &floor, qreal vanishX)
{
    p.save();
    p.setClipRect(floor);
    p.setRenderHint(QPainter::Antialiasing);
    // Lines fade in towards the viewer, like a floor lit from the front.
    QLinearGradient fade(floor.topLeft(), floor.bottomLeft());
    fade.setColorAt(0, withAlpha(Steel, 10));
    fade.setColorAt(1, withAlpha(Steel, 110));
    p.setPen(QPen(QBrush(fade), 1));
    const qreal spread = floor.width() * 2.5;
    for (int i = -12; i <= 12; ++i)
        p.drawLine(QPointF(vanishX, floor.top()), QPointF(vanishX + i * spread / 24, floor.bottom() + floor.height()));
    for (int i = 1; i <= 9; ++i) {
        const qreal y = floor.top() + floor.height() * (i * i) / 81.0;
        p.drawLine(QPointF(floor.left(), y), QPointF(floor.right() + 1, y));
    }
    QLinearGradient horizon(floor.topLeft(), floor.topRight());
    horizon.setColorAt(0, withAlpha(Steel, 0));
    horizon.setColorAt(0.5, QColor(180, 210, 255, 200));
    horizon.setColorAt(1, withAlpha(Steel, 0));
    p.setPen(QPen(QBrush(horizon), 1));
    p.drawLine(QPointF(floor.left(), floor.top() + 0.5), QPointF(floor.right() + 1, floor.top() + 0.5));
    p.restore();
}

void drawEmblem(QPainter &p, QPointF centre, qreal radius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal width = radius * 0.78;
    // Red glow behind the crest.
    QRadialGradient glow(centre, radius * 1.5);
    glow.setColorAt(0, withAlpha(Ember, 110));
    glow.setColorAt(1, withAlpha(Ember, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 1.5, radius * 1.5);

    // Chrome rim: sky above the horizon, ground below it.
    const QRectF bounds(centre.x() - width, centre.y() - radius, 2 * width, 2 * radius);
    p.setPen(QPen(QColor(10, 10, 16), qMax(1.0, radius / 24)));
    p.setBrush(vertical(bounds, {{0, QColor(250, 252, 255)},
                                 {0.48, QColor(150, 170, 200)},
                                 {0.5, QColor(60, 50, 60)},
                                 {0.75, QColor(170, 160, 170)},
                                 {1, QColor(240, 240, 245)}}));
    p.drawPath(diamond(centre, width, radius));

    // Red core with facets: the left half lit, the right half in shade.
    const qreal inner = 0.72;
    const QPainterPath core = diamond(centre, width * inner, radius * inner);
    p.setPen(QPen(QColor(40, 0, 4), qMax(1.0, radius / 30)));
    p.setBrush(vertical(bounds, {{0, QColor(255, 110, 100)}, {0.5, QColor(190, 14, 26)}, {1, QColor(70, 0, 8)}}));
    p.drawPath(core);
    QPainterPath shade;
    shade.moveTo(centre.x(), centre.y() - radius * inner);
    shade.lineTo(centre.x() + width * inner, centre.y());
    shade.lineTo(centre.x(), centre.y() + radius * inner);
    shade.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawPath(shade);

    // A chrome chevron cut into the core.
    const qreal w = width * inner;
    const qreal h = radius * inner;
    QPainterPath chevron;
    chevron.moveTo(centre.x() - w * 0.62, centre.y() - h * 0.42);
    chevron.lineTo(centre.x() - w * 0.30, centre.y() - h * 0.42);
    chevron.lineTo(centre.x(), centre.y() + h * 0.22);
    chevron.lineTo(centre.x() + w * 0.30, centre.y() - h * 0.42);
    chevron.lineTo(centre.x() + w * 0.62, centre.y() - h * 0.42);
    chevron.lineTo(centre.x(), centre.y() + h * 0.70);
    chevron.closeSubpath();
    p.setPen(QPen(QColor(20, 0, 0), qMax(1.0, radius / 30)));
    p.setBrush(vertical(chevron.boundingRect(), {{0, Qt::white}, {0.5, QColor(170, 185, 210)}, {1, QColor(90, 90, 110)}}));
    p.drawPath(chevron);

    // A highlight along the upper left edge of the rim.
    p.setPen(QPen(QColor(255, 255, 255, 170), qMax(1.0, radius / 36)));
    p.drawLine(QPointF(centre.x() - width + radius / 16, centre.y() - radius / 16),
               QPointF(centre.x() - radius / 16, centre.y() - radius + radius / 8));
    p.restore();
}

void drawWings(QPainter &p, QPointF centre, qreal span, qreal height)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (const int side : {-1, 1}) {
        // Each wing: three stacked blades, shorter towards the bottom.
        for (int blade = 0; blade < 3; ++blade) {
            const qreal top = centre.y() - height / 2 + blade * height / 3;
            const qreal length = span * (1 - blade * 0.22);
            const qreal thick = height / 3 - 2;
            QPainterPath path;
            path.moveTo(centre.x(), top);
            path.lineTo(centre.x() + side * length, top + thick * 0.2);
            path.lineTo(centre.x() + side * (length - thick * 1.6), top + thick);
            path.lineTo(centre.x(), top + thick);
            path.closeSubpath();
            QLinearGradient metal(QPointF(centre.x(), top), QPointF(centre.x() + side * length, top));
            metal.setColorAt(0, QColor(190, 200, 220));
            metal.setColorAt(0.6, QColor(70, 80, 110, 220));
            metal.setColorAt(1, QColor(30, 36, 60, 60));
            p.setPen(QPen(QColor(0, 0, 0, 160), 1));
            p.setBrush(metal);
            p.drawPath(path);
        }
    }
    p.restore();
}

void drawLettering(QPainter &p, const QRectF &box, const QString &text)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont font("Liberation Sans");
    font.setPixelSize(100);
    font.setBold(true);
    font.setItalic(true);
    font.setLetterSpacing(QFont::PercentageSpacing, 108);
    QPainterPath path;
    path.addText(0, 0, font, text);
    // Fit the letters into the box, centred.
    const QRectF natural = path.boundingRect();
    const qreal scale = qMin(box.width() / natural.width(), box.height() / natural.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-natural.center().x(), -natural.center().y());
    path = fit.map(path);
    const QRectF letters = path.boundingRect();
    // Glow and shadow grow with the letters; the outline stays at least a pixel.
    const qreal depth = letters.height() / 22;
    const qreal line = qMax(1.0, depth);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(Ember, 60), depth * 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(Ink, depth * 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(depth, depth));
    p.setPen(QPen(QColor(30, 0, 4), line * 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Red chrome: bright sky above a hard horizon, deep red ground below.
    p.setBrush(vertical(letters, {{0, QColor(255, 200, 190)},
                                  {0.3, QColor(255, 70, 64)},
                                  {0.52, QColor(200, 16, 28)},
                                  {0.54, QColor(90, 0, 10)},
                                  {1, QColor(230, 60, 50)}}));
    p.drawPath(path);
    p.setPen(QPen(QBrush(vertical(letters, {{0, QColor(255, 255, 255, 200)}, {0.5, QColor(255, 255, 255, 0)}})),
                  qMax(1.0, line * 0.6)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void drawCaption(QPainter &p, QPointF centre, const QString &text)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont font("Liberation Sans");
    font.setPixelSize(8);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    const QPointF baseline(centre.x() - width / 2, centre.y() + metrics.capHeight() / 2);
    p.setFont(font);
    p.setPen(QColor(150, 170, 210));
    p.drawText(baseline, text);
    // Rules either side that fade outwards.
    for (const int side : {-1, 1}) {
        const QPointF inner(centre.x() + side * (width / 2 + 8), centre.y());
        const QPointF outer = inner + QPointF(side * 60, 0);
        QLinearGradient fade(inner, outer);
        fade.setColorAt(0, QColor(150, 170, 210, 200));
        fade.setColorAt(1, QColor(150, 170, 210, 0));
        p.setPen(QPen(QBrush(fade), 1));
        p.drawLine(inner, outer);
    }
    p.restore();
}

void drawPlate(QPainter &p, const QRect &plate, PlateShape shape)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(plate).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = shape == PlateShape::Pill ? body.height() / 2 : 2.5;
    // Mid-light silver: black link text reads on it, and so does white hover text.
    p.setPen(QPen(QColor(14, 16, 22), 1));
    p.setBrush(vertical(body, {{0, QColor(196, 199, 208)},
                               {0.46, QColor(156, 159, 169)},
                               {0.54, QColor(136, 139, 150)},
                               {1, QColor(158, 161, 171)}}));
    p.drawRoundedRect(body, radius, radius);

    // Light from the top left: a bright inner edge there, a shadow opposite.
    const QRectF bevel = body.adjusted(1, 1, -1, -1);
    const qreal inner = qMax(0.0, radius - 1);
    p.setBrush(Qt::NoBrush);
    QLinearGradient edge(bevel.topLeft(), bevel.bottomRight());
    edge.setColorAt(0, QColor(255, 255, 255, 230));
    edge.setColorAt(0.45, QColor(255, 255, 255, 60));
    edge.setColorAt(0.55, QColor(40, 42, 54, 60));
    edge.setColorAt(1, QColor(40, 42, 54, 200));
    p.setPen(QPen(QBrush(edge), 1));
    p.drawRoundedRect(bevel, inner, inner);

    // A soft sheen on the upper half.
    const QRectF sheen = bevel.adjusted(radius * 0.6 + 2, 1, -radius * 0.6 - 2, -bevel.height() * 0.55);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(sheen, {{0, QColor(255, 255, 255, 90)}, {1, QColor(255, 255, 255, 0)}}));
    p.drawRoundedRect(sheen, sheen.height() / 2, sheen.height() / 2);
    p.restore();
}

void drawWhiteStrip(QPainter &p, const QRect &strip)
{
    p.fillRect(strip, Qt::white);
    // A red rule and a soft shadow under it lift the strip off the artwork.
    p.fillRect(QRect(strip.left(), strip.bottom() + 1, strip.width(), 1), Ember);
    p.fillRect(QRect(strip.left(), strip.bottom() + 2, strip.width(), 2), QColor(0, 0, 0, 140));
}

void drawMetalBand(QPainter &p, const QRect &band)
{
    p.fillRect(band, vertical(band, {{0, QColor(50, 54, 66)},
                                     {0.2, QColor(200, 206, 218)},
                                     {0.48, QColor(130, 136, 150)},
                                     {0.52, QColor(70, 74, 88)},
                                     {0.8, QColor(120, 124, 138)},
                                     {1, QColor(30, 32, 40)}}));
    // Rivet-like ticks every few pixels, the band's one ornament.
    for (int x = band.left() + 6; x < band.right(); x += 12) {
        p.fillRect(QRect(x, band.top() + band.height() / 2 - 1, 2, 2), QColor(20, 22, 30));
        p.fillRect(QRect(x, band.top() + band.height() / 2 - 1, 1, 1), QColor(230, 235, 245));
    }
}

void drawSwoosh(QPainter &p, const QRect &band)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal l = band.left(), r = band.right() + 1, t = band.top(), b = band.bottom() + 1;
    const qreal w = r - l;
    QPainterPath swoosh;
    swoosh.moveTo(l, t + 4);
    swoosh.cubicTo(l + w * 0.35, t - 2, l + w * 0.65, t + 8, r, t);
    swoosh.lineTo(r, t + (b - t) * 0.45);
    swoosh.cubicTo(l + w * 0.7, t + (b - t) * 0.75, l + w * 0.3, b, l, b);
    swoosh.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    p.setBrush(vertical(band, {{0, QColor(220, 222, 228)},
                               {0.35, QColor(150, 152, 160)},
                               {0.55, QColor(90, 92, 100)},
                               {1, QColor(40, 40, 46)}}));
    p.drawPath(swoosh);
    // A thin red streak riding the swoosh.
    QPainterPath streak;
    streak.moveTo(l + w * 0.05, b - 4);
    streak.cubicTo(l + w * 0.35, b - 6, l + w * 0.7, t + (b - t) * 0.55, r, t + (b - t) * 0.32);
    QLinearGradient fade(band.topLeft(), band.topRight());
    fade.setColorAt(0, withAlpha(Ember, 0));
    fade.setColorAt(0.5, withAlpha(Ember, 220));
    fade.setColorAt(1, withAlpha(Ember, 80));
    p.setPen(QPen(QBrush(fade), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(streak);
    p.restore();
}

void drawSunkenField(QPainter &p, const QRect &field)
{
    const QRect frame = field.adjusted(-2, -2, 2, 2);
    p.fillRect(frame, QColor(90, 96, 112));
    p.fillRect(QRect(frame.topLeft(), QSize(frame.width(), 1)), QColor(10, 10, 16));
    p.fillRect(QRect(frame.topLeft(), QSize(1, frame.height())), QColor(10, 10, 16));
    p.fillRect(QRect(frame.left() + 1, frame.top() + 1, frame.width() - 2, 1), QColor(40, 42, 52));
    p.fillRect(QRect(frame.left() + 1, frame.top() + 1, 1, frame.height() - 2), QColor(40, 42, 52));
    p.fillRect(QRect(frame.left(), frame.bottom(), frame.width(), 1), QColor(170, 176, 192));
    p.fillRect(QRect(frame.right(), frame.top(), 1, frame.height()), QColor(170, 176, 192));
    p.fillRect(field, Qt::black);
}

void drawRuledBand(QPainter &p, const QRect &band)
{
    p.fillRect(band, Qt::black);
    QLinearGradient rule(band.topLeft(), band.topRight());
    rule.setColorAt(0, QColor(40, 50, 80));
    rule.setColorAt(0.5, QColor(170, 190, 230));
    rule.setColorAt(1, QColor(40, 50, 80));
    p.fillRect(QRect(band.left(), band.top() - 1, band.width(), 1), rule);
    p.fillRect(QRect(band.left(), band.bottom() + 1, band.width(), 1), rule);
}

void drawDarkGlassPanel(QPainter &p, const QRect &panel)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(panel).adjusted(0.5, 0.5, -0.5, -0.5);
    // Nearly opaque: white titles stand on it whatever lies behind.
    p.setPen(QPen(QBrush(vertical(body, {{0, QColor(170, 190, 230, 220)}, {1, QColor(40, 50, 80, 220)}})), 1));
    p.setBrush(vertical(body, {{0, QColor(12, 14, 26, 245)}, {1, QColor(2, 2, 8, 245)}}));
    p.drawRoundedRect(body, 5, 5);
    // Red corner marks.
    p.setPen(QPen(Ember, 2, Qt::SolidLine, Qt::FlatCap));
    const qreal mark = 10;
    for (const QPointF corner : {body.topLeft(), body.topRight(), body.bottomLeft(), body.bottomRight()}) {
        const qreal dx = corner.x() < body.center().x() ? mark : -mark;
        const qreal dy = corner.y() < body.center().y() ? mark : -mark;
        const QPointF at = corner + QPointF(dx > 0 ? 3 : -3, dy > 0 ? 3 : -3);
        p.drawLine(at, at + QPointF(dx, 0));
        p.drawLine(at, at + QPointF(0, dy));
    }
    p.restore();
}

void drawBar(QPainter &p, const QRect &bar)
{
    p.fillRect(bar, vertical(bar, {{0, QColor(44, 48, 62)}, {0.15, QColor(24, 26, 36)}, {1, QColor(6, 6, 10)}}));
    p.fillRect(QRect(bar.left(), bar.top(), bar.width(), 1), QColor(130, 150, 190));
}

} // namespace artwork
