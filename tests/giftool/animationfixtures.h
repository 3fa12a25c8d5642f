#pragma once

#include "platform/imaging/gifanimation.h"

// The animations the animated-GIF tests open, built as data and written by giflib.
namespace giftesting {

inline const QRgb Cream = qRgb(236, 228, 200);
inline const QRgb NearCream = qRgb(230, 222, 196);
inline const QRgb Red = qRgb(200, 30, 30);
inline const QRgb Blue = qRgb(30, 40, 180);
inline const QRgb Green = qRgb(20, 160, 60);
inline const QRgb White = qRgb(255, 255, 255);
inline const QRgb Black = qRgb(0, 0, 0);

// Four frames on a 40 x 30 screen that loops for ever:
// 1. the whole screen in the global table (cream, red, blue, green, near-cream, ...): a cream
//    background, with a near-cream stripe over columns 0 to 19 of rows 0 and 1 when twoTone,
//    and a red box;
//    delay 10, left in place;
// 2. a 20 x 10 frame at 5,5 with its own table (blue, cream, red, white, near-cream, ...): cream
//    with a blue bar, a white corner and, when twoTone, a near-cream last row; delay 20,
//    restored to the background;
// 3. the whole screen in the global table, already transparent at green (3): cream with a green
//    corner and a blue dot; delay 0;
// 4. a 10 x 10 frame at 30,20 with its own table without cream (black, white): no control block.
platform::GifAnimation fourFrames(bool twoTone = false);

} // namespace giftesting
