#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace platform {

// Entries of a full palette: the colour table of every 8-bit file the component writes.
constexpr int FullPaletteSize = 256;

// The colours followed by opaque black up to `size` entries; longer lists are cut to `size`.
QList<QRgb> paddedPalette(const QList<QRgb> &colours, int size = FullPaletteSize);

// 256 greys from black to white, index = level.
QList<QRgb> greyPalette();

// Brings an image into one of the forms the component holds: Format_Indexed8 for palette and
// 8-bit grey images (a colour table covering every index used), Format_RGB32 for opaque and
// Format_ARGB32 for translucent true-colour images. A null image stays null.
QImage normalisedImage(const QImage &image);

// Extends an Indexed8 image's colour table with opaque black so every index in its pixels has
// an entry; existing entries are left as they are.
void coverUsedIndexes(QImage &indexed);

} // namespace platform
