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
// colour (blocks are clipped at the image's edges), or has the colour of such a block's pixel
// next to it: that takes in the whole of a uniform background up to its outline, thin gaps
// included, while the fine grain of a photograph, which seldom repeats one colour nine times,
// is not affected.
class FlatAreaMask
{
public:
    // `source` is Format_RGB32 or Format_RGBX8888 (any 32-bit format in which equal colours are
    // equal words) and must outlive the mask. The mask starts at `firstRow` (it looks at the
    // image's rows above it as needed).
    explicit FlatAreaMask(const QImage &source, int firstRow = 0);

    // One byte per pixel of row y, non-zero for flat-area pixels. Rows must be asked for in
    // order, starting at the first row; the pointer is valid until the next call.
    const uchar *row(int y);

private:
    using Row = std::vector<uchar>;
    const quint32 *pixels(int y) const;
    // Marks in m_centres the pixels of row that are the centre of a uniform 3 x 3 block.
    void markCentres(const quint32 *__restrict above, const quint32 *__restrict row,
        const quint32 *__restrict below);
    // Each pixel that is a centre or next to one.
    static void widen(const Row &centres, Row &widened);
    // Block centres of row r, widened by one pixel sideways (all zero outside the image).
    const Row &widenedCentres(int r);
    // Pixels of row r that lie in a uniform block (all zero outside the image).
    const Row &blockPixels(int r);

    const QImage &m_source;
    int m_width;
    int m_height;
    int m_next;
    Row m_none;
    Row m_columnUniform;
    Row m_centres;
    Row m_near; // block pixels in the column above, at or below
    Row m_nearby; // m_near widened by one pixel sideways
    Row m_flat;
    std::array<Row, 4> m_widened;
    int m_widenedDone; // the last row computed
    std::array<Row, 3> m_blocks;
    int m_blocksDone;
};

} // namespace platform
