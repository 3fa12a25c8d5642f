#pragma once

#include <QString>

namespace platform {

// The largest image the component accepts, in pixels. Checked against the dimensions in a file's
// header before any pixel memory is allocated, so a hostile header cannot exhaust memory.
constexpr qint64 MaxImagePixels = 100'000'000;

// Whether an image of width x height pixels may be decoded: both sides positive and the area
// within MaxImagePixels.
bool fitsPixelLimit(qint64 width, qint64 height);

// The reason given when fitsPixelLimit() refuses a size.
QString pixelLimitMessage(qint64 width, qint64 height);

} // namespace platform
