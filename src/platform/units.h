#pragma once

#include <QPoint>
#include <QPointF>
#include <cmath>

class QScreen;

namespace platform {

constexpr int TwipsPerInch = 1440;

// Twips per pixel for a screen of the given logical dpi, rounded to a whole number
// (15 at 96 dpi). One integer factor serves both directions so coordinates never drift.
int twipsPerPixelForDpi(double dpi);

// The factor of a screen (the primary screen when null); 15 when there is no screen at all.
int screenTwipsPerPixel(const QScreen *screen = nullptr);

// The pixel under a pointer position given in fractional pixels (as under fractional display
// scaling): the pixel whose square holds the position, so rounding never lands past the last one.
inline QPoint pixelUnder(QPointF position)
{
    return QPoint(
        static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y())));
}

// Converts between twips and pixels with one fixed integer factor.
class TwipsScale
{
public:
    explicit constexpr TwipsScale(int twipsPerPixel = 15)
        : m_factor(twipsPerPixel > 0 ? twipsPerPixel : 15)
    { }

    constexpr int factor() const { return m_factor; }
    constexpr int toTwips(int pixels) const { return pixels * m_factor; }
    // Nearest whole pixel.
    int toPixels(double twips) const { return static_cast<int>(std::lround(twips / m_factor)); }
    // Whole pixels with the remainder dropped, as the size displays count them.
    int toWholePixels(double twips) const
    {
        return static_cast<int>(std::lround(twips)) / m_factor;
    }

private:
    int m_factor;
};

} // namespace platform
