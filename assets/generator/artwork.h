#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

// The drawing elements the window pictures share: one backdrop, one emblem,
// one lettering and one kind of button plate, so the windows look of a piece.
namespace artwork {

inline const QColor Ink(4, 5, 10);
inline const QColor Steel(120, 150, 200);
inline const QColor Ember(220, 28, 36);

enum class PlateShape { Bevelled, Pill };

void fillBackdrop(QPainter &p, const QRect &area);
void scatterStars(QPainter &p, const QRect &area, int count, quint32 seed);
void drawFloorGrid(QPainter &p, const QRect &floor, qreal vanishX);
// A faceted diamond crest centred on `centre`, `radius` from centre to tip.
void drawEmblem(QPainter &p, QPointF centre, qreal radius);
// Slanted blades reaching out left and right of the emblem.
void drawWings(QPainter &p, QPointF centre, qreal span, qreal height);
// The group's name in red chrome letters, fitted into `box`.
void drawLettering(QPainter &p, const QRectF &box, const QString &text);
// A small spaced-out caption in steel, centred on `centre`.
void drawCaption(QPainter &p, QPointF centre, const QString &text);
void drawPlate(QPainter &p, const QRect &plate, PlateShape shape);
void drawWhiteStrip(QPainter &p, const QRect &strip);
void drawMetalBand(QPainter &p, const QRect &band);
void drawSwoosh(QPainter &p, const QRect &band);
// A black field sunk into the picture, framed by a bevel just outside it.
void drawSunkenField(QPainter &p, const QRect &field);
// A black band across the picture between two thin steel rules.
void drawRuledBand(QPainter &p, const QRect &band);
void drawDarkGlassPanel(QPainter &p, const QRect &panel);
void drawBar(QPainter &p, const QRect &bar);

} // namespace artwork
