#include "platform/imaging/remapper.h"

#include "platform/imaging/flatareamask.h"
#include "platform/imaging/palettemapper.h"

#include <vector>

namespace platform {

namespace {

struct PixelReader
{
    bool rgbxOrder;

    void operator()(const uchar *line, int x, int &red, int &green, int &blue) const
    {
        if (rgbxOrder) {
            const uchar *p = line + 4 * x;
            red = p[0];
            green = p[1];
            blue = p[2];
        } else {
            const QRgb p = reinterpret_cast<const QRgb *>(line)[x];
            red = qRed(p);
            green = qGreen(p);
            blue = qBlue(p);
        }
    }
};

void mapNearest(const QImage &source, PixelReader read, PaletteMapper &mapper, QImage &out)
{
    int red = 0, green = 0, blue = 0;
    for (int y = 0; y < source.height(); ++y) {
        const uchar *line = source.constScanLine(y);
        uchar *target = out.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            read(line, x, red, green, blue);
            target[x] = mapper.nearest(red, green, blue);
        }
    }
}

void diffuseErrors(
    const QImage &source, PixelReader read, PaletteMapper &mapper, float level, QImage &out)
{
    const int width = source.width();
    const QList<QRgb> &palette = mapper.palette();
    FlatAreaMask flatAreas(source);
    // Errors per channel for this row and the next, with one spare pixel at either end.
    const auto cells = static_cast<size_t>(width + 2) * 3;
    std::vector<float> current(cells, 0.0f);
    std::vector<float> next(cells, 0.0f);
    int red = 0, green = 0, blue = 0;
    for (int y = 0; y < source.height(); ++y) {
        const uchar *flat = flatAreas.row(y);
        const uchar *line = source.constScanLine(y);
        uchar *target = out.scanLine(y);
        const bool forward = y % 2 == 0;
        const int step = forward ? 1 : -1;
        std::fill(next.begin(), next.end(), 0.0f);
        for (int i = 0; i < width; ++i) {
            const int x = forward ? i : width - 1 - i;
            read(line, x, red, green, blue);
            if (flat[x]) {
                target[x] = mapper.nearest(red, green, blue);
                continue;
            }
            float *here = &current[size_t(x + 1) * 3];
            const float wanted[3] = {std::clamp(red + here[0], 0.0f, 255.0f),
                std::clamp(green + here[1], 0.0f, 255.0f),
                std::clamp(blue + here[2], 0.0f, 255.0f)};
            const uchar index = mapper.nearestInBlock(
                int(wanted[0] + 0.5f), int(wanted[1] + 0.5f), int(wanted[2] + 0.5f));
            target[x] = index;
            const QRgb chosen = palette[index];
            const float error[3] = {(wanted[0] - float(qRed(chosen))) * level,
                (wanted[1] - float(qGreen(chosen))) * level,
                (wanted[2] - float(qBlue(chosen))) * level};
            float *ahead = here + 3 * step;
            float *belowBehind = &next[size_t(x + 1 - step) * 3];
            float *below = &next[size_t(x + 1) * 3];
            float *belowAhead = &next[size_t(x + 1 + step) * 3];
            for (int c = 0; c < 3; ++c) {
                ahead[c] += error[c] * (7.0f / 16.0f);
                belowBehind[c] += error[c] * (3.0f / 16.0f);
                below[c] += error[c] * (5.0f / 16.0f);
                belowAhead[c] += error[c] * (1.0f / 16.0f);
            }
        }
        std::swap(current, next);
    }
}

} // namespace

QImage Remapper::remap(const QImage &source, const QList<QRgb> &palette, float dithering)
{
    const bool rgbxOrder = source.format() == QImage::Format_RGBX8888;
    if (source.isNull() || palette.isEmpty() || palette.size() > 256
        || (!rgbxOrder && source.format() != QImage::Format_RGB32))
        return QImage();
    QImage out(source.size(), QImage::Format_Indexed8);
    if (out.isNull())
        return out;
    out.setColorTable(palette);
    PaletteMapper mapper(palette);
    const PixelReader read{rgbxOrder};
    if (dithering > 0.0f)
        diffuseErrors(source, read, mapper, std::min(dithering, 1.0f), out);
    else
        mapNearest(source, read, mapper, out);
    return out;
}

} // namespace platform
