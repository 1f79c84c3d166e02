#pragma once

#include <QImage>
#include <QList>

// A colour table of exactly `size` distinct colours for `picture` (fewer only
// when the picture has fewer). Each entry is a colour the picture really
// uses, so every entry is used and large flat areas keep their exact colour.
QList<QRgb> colourTableFor(const QImage &picture, int size);

// `picture` as an 8-bit palette picture whose colour table is exactly
// colourTableFor(picture, size).
QImage toIndexed(const QImage &picture, int size);
