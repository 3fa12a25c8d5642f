#pragma once

#include <cmath>

namespace frameset {

// How many of the design's units one pixel of the screen spans; one whole factor serves both
// directions. Sizes shown to the user and written to documents are pixel counts.
class PixelScale
{
public:
    explicit constexpr PixelScale(int unitsPerPixel = 15)
        : m_factor(unitsPerPixel > 0 ? unitsPerPixel : 15)
    { }

    constexpr int factor() const { return m_factor; }
    // Whole pixels with the remainder dropped, as the size displays count them: the size is
    // rounded to whole units first.
    int toWholePixels(double units) const
    {
        return static_cast<int>(std::lround(units)) / m_factor;
    }

private:
    int m_factor;
};

} // namespace frameset
