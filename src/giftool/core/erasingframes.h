#pragma once

#include "platform/imaging/gifanimation.h"

namespace giftool {

// Optimised animations draw each frame over what the frame before left, and erase what moved by
// painting the background over it. Once the background is transparent those pixels erase
// nothing: what was under them shows through. `saved` is `opened` after the per-frame rule of
// transparentAnimation, frame for frame in the same places. Every frame of `saved` that, drawn
// as a browser draws it, would not show the opened frame's picture with the pixels the rule made
// clear turned clear, is rewritten:
// - the frame before is restored to the background when something it left must turn clear, its
//   area grown with transparent pixels to cover that (in a table of its own when its table has
//   no entry to spare for clear);
// - the frame holds what then differs from its picture, cropped to the rectangle of the
//   difference, with its own colour table (or the global one) when that holds the colours and a
//   table of its own otherwise; its delay and disposal stay.
// Frames that already show right keep every byte, and so does the whole animation when a frame's
// change, or a grown frame, needs more than 256 colours, when the frames span more than 32
// million pixels of the screen, or when checking them would compare more than 2 billion pixels.
// Returns the number of frames rewritten.
int mendErasingFrames(const platform::GifAnimation &opened, platform::GifAnimation &saved);

} // namespace giftool
