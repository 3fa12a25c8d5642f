#pragma once

#include "platform/imaging/gifanimation.h"

#include <QImage>
#include <QString>

// Animated GIFs for the tests, written and read with giflib's own whole-file calls, not with the
// program's reader and writer. The program's frame and animation structs only carry the data.
namespace giftesting {

// Writes the animation with EGifSpew: screen, global table, the loop block when there is a loop
// count, and a graphic control block for every frame that has one.
bool writeAnimationWithGiflib(const QString &path, const platform::GifAnimation &animation);

// Reads a GIF with DGifSlurp into the same form; frames stay as stored (deinterlaced). Fails the
// current test when giflib cannot read it.
platform::GifAnimation readAnimationWithGiflib(const QString &path);

// A frame of rect.size() pixels, every pixel of the given index.
platform::GifFrame flatFrame(const QRect &rect, int index);

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

} // namespace giftesting
