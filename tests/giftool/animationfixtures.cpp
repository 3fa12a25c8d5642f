#include "animationfixtures.h"

#include "animationfiles.h"

namespace giftesting {

using platform::GifAnimation;
using platform::GifFrame;

namespace {

void paint(GifFrame &frame, const QRect &area, int index)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            frame.line(y)[x] = uchar(index);
}

} // namespace

GifAnimation fourFrames(bool twoTone)
{
    GifAnimation animation;
    animation.screen = QSize(40, 30);
    animation.globalColours = {Cream, Red, Blue, Green, NearCream, Black, Black, Black};
    animation.loopCount = 0;

    GifFrame first = flatFrame(QRect(0, 0, 40, 30), 0);
    if (twoTone)
        paint(first, QRect(0, 0, 20, 2), 4);
    paint(first, QRect(10, 8, 12, 10), 1);
    first.delay = 10;
    first.disposal = 1;

    GifFrame second = flatFrame(QRect(5, 5, 20, 10), 1);
    second.localColours = {Blue, Cream, Red, White, NearCream, Black, Black, Black};
    paint(second, QRect(2, 3, 16, 2), 0);
    paint(second, QRect(0, 0, 2, 2), 3);
    if (twoTone)
        paint(second, QRect(0, 9, 20, 1), 4);
    second.delay = 20;
    second.disposal = 2;

    GifFrame third = flatFrame(QRect(0, 0, 40, 30), 0);
    paint(third, QRect(0, 0, 6, 6), 3);
    paint(third, QRect(20, 20, 2, 2), 2);
    third.transparentIndex = 3;

    GifFrame fourth = flatFrame(QRect(30, 20, 10, 10), 1);
    fourth.localColours = {Black, White};
    paint(fourth, QRect(0, 0, 5, 10), 0);
    fourth.hasControl = false;

    animation.frames = {first, second, third, fourth};
    return animation;
}

} // namespace giftesting
