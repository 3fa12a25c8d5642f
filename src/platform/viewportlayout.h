#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace platform {

// One scroll bar beside a viewport, in twips: where it stands, its maximum and its steps.
struct ScrollBarLayout
{
    bool visible = false;
    QRect geometry;
    int maximum = 0;
    int step = 0; // both the large and the small step

    bool operator==(const ScrollBarLayout &) const = default;
};

// A viewport that clips a picture, and the two scroll bars beside it, in twips.
struct ViewportLayout
{
    QRect viewport;
    ScrollBarLayout horizontal;
    ScrollBarLayout vertical;

    bool operator==(const ViewportLayout &) const = default;
};

// The viewport at `origin` for a picture of that size: the largest viewport, narrowed and
// lowered to the picture where it is smaller. A bar stands under (right of) the viewport along
// each side the picture exceeds, with maximum = picture size - viewport size, so every part of
// the picture is reachable, and steps of a tenth of that (at least 1). barThickness is the
// platform's scroll bar width.
ViewportLayout layOutViewport(QPoint origin, QSize maxView, QSize picture, int barThickness);

} // namespace platform
