#pragma once

#include "giftool/core/backgroundselection.h"
#include "platform/imaging/gifanimation.h"

#include <QList>
#include <QRgb>

namespace giftool {

// What the tool did to the first frame of an animation, to be done to every frame.
struct AnimationEdits
{
    QList<PaletteEdit> edits; // in the first frame's color table, oldest first
    bool backgroundSelected = false;
    int transparentIndex = BackgroundSelection::NoIndex; // in the first frame's color table
};

struct TransparentAnimation
{
    platform::GifAnimation animation;
    int transparentFrames = 0; // frames whose table holds the transparent color
};

// The animation as the tool saves it. The window shows the first frame, whose color table (its
// own, or the global one) the edits name by index; they are done by index there. Any other
// table takes them by color:
// - a conversion recolors the entries that had one of the background's colors and moves their
//   pixels onto the first of those entries;
// - the transparent color is the entry of that exact color in the frame's table; after a
//   conversion, only the entry that took the frame's background.
// A frame whose table lacks the color stays as it is. A frame that already had a transparent
// index keeps it, and its pixels of the transparent color move onto it, so what was clear stays
// clear. An isolation of the connected background is done on the first frame only. Every frame
// gets a graphic control block; delays and disposal stay. Without a selected
// background only the conversions are done. Frames that would then show what the background
// used to erase are rewritten to show the opened picture with its background clear (see
// mendErasingFrames).
TransparentAnimation transparentAnimation(
    platform::GifAnimation animation, const AnimationEdits &edits);

// The animation with transparency switched off in every frame; false when no frame had any.
bool clearTransparency(platform::GifAnimation &animation);

} // namespace giftool
