#pragma once

#include <QImage>
#include <array>
#include <vector>

namespace platform {

// Finds the flat areas of a true-colour image, one row at a time.
//
// Error diffusion spreads the errors of neighbouring detail into a flat background, so a
// background of one colour would come out speckled with several indexes, and the GIF tool could
// not make it transparent. A pixel belongs to a flat area when it lies in a 3 x 3 block of one
// colour (blocks are clipped at the image's edges), or touches such a block: that takes in the
// whole of a uniform background up to its outline, while the fine grain of a photograph, which
// seldom repeats one colour nine times, is not affected.
class FlatAreaMask
{
public:
    // `source` is Format_RGB32 or Format_RGBX8888 (any 32-bit format in which equal colours are
    // equal words) and must outlive the mask.
    explicit FlatAreaMask(const QImage &source);

    // One byte per pixel of row y, non-zero for flat-area pixels. Rows must be asked for in
    // order, starting at 0; the pointer is valid until the next call.
    const uchar *row(int y);

private:
    void markBlockCentres(int y, std::vector<uchar> &widened);

    const QImage &m_source;
    int m_next = 0;
    // Block centres widened by one pixel sideways, for rows y - 1, y and y + 1.
    std::array<std::vector<uchar>, 3> m_widened;
    std::vector<uchar> m_centres;
    std::vector<uchar> m_columnUniform;
    std::vector<uchar> m_flat;
};

} // namespace platform
