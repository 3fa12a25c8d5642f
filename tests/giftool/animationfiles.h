#pragma once

#include "platform/imaging/gifanimation.h"

#include <QImage>
#include <QString>

// GIFs read with giflib's own whole-file calls and with Qt's reader, not with the program's
// reader. The program's frame and animation structs only carry the data. The files the tests
// open are in data/ (see its README).
namespace giftesting {

inline const QRgb Cream = qRgb(236, 228, 200);
inline const QRgb NearCream = qRgb(230, 222, 196);
inline const QRgb Red = qRgb(200, 30, 30);
inline const QRgb White = qRgb(255, 255, 255);
inline const QRgb Black = qRgb(0, 0, 0);

// Reads a GIF with DGifSlurp into the same form; frames stay as stored (deinterlaced). Fails the
// current test when giflib cannot read it.
platform::GifAnimation readAnimationWithGiflib(const QString &path);

// The indexes of an 8-bit picture as a frame at 0,0 without a control block.
platform::GifFrame frameOf(const QImage &indexed);

// The frames of a GIF as Qt's reader composes them (each the whole screen, ARGB32), with the
// delays it reports in milliseconds and its loop count.
struct QtFrames
{
    QList<QImage> images;
    QList<int> delays;
    int loopCount = 0;
};
QtFrames readFramesWithQt(const QString &path);

// The frames of a GIF as ImageMagick composes them (/usr/bin/convert -coalesce, written as PNG
// and read back with Qt), each the whole screen as ARGB32; an empty list when convert is not
// installed.
QList<QImage> coalescedByImageMagick(const QString &path);

// How many pixels of each picture of `saved` differ from the same picture of `opened` with its
// background made clear: a pixel clear in `opened` or of a background color must be clear,
// any other must be opaque and of the same color. The counts, one per frame, are separated by
// blanks; a frame one list lacks, or of another size, counts as "all".
QString wrongPixels(
    const QList<QImage> &opened, const QList<QImage> &saved, const QList<QRgb> &background);

// The path of an animation in tests/data/optimised (see its README).
QString optimisedFile(const QString &name);

// Reads a saved GIF with giflib and with Qt's reader, independently of the tool, and checks
// (with QTest) that both see transparentIndex as the transparent color (or none when it is
// -1) and every other pixel equal to the 256-color picture expected.
void verifyDecoders(const QString &path, const QImage &expected, int transparentIndex);

} // namespace giftesting
