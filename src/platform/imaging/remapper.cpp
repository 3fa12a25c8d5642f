#include "platform/imaging/remapper.h"

#include "platform/imaging/flatareamask.h"
#include "platform/imaging/palettemapper.h"

#include <system_error>
#include <thread>
#include <vector>

namespace platform {

namespace {

constexpr int RowsPerBand = 1024;
constexpr int MaxBands = 4;

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

// The rows [first, last) of the output image, written through plain pointers so that bands can
// be filled from several threads at once.
struct Band
{
    int first;
    int last;
    uchar *bits;
    qsizetype bytesPerLine;

    uchar *line(int y) const { return bits + y * bytesPerLine; }
};

void mapNearest(const QImage &source, PixelReader read, PaletteMapper &mapper, const Band &out)
{
    int red = 0, green = 0, blue = 0;
    for (int y = out.first; y < out.last; ++y) {
        const uchar *line = source.constScanLine(y);
        uchar *target = out.line(y);
        for (int x = 0, width = source.width(); x < width; ++x) {
            read(line, x, red, green, blue);
            target[x] = mapper.nearest(red, green, blue);
        }
    }
}

void diffuseErrors(
    const QImage &source, PixelReader read, PaletteMapper &mapper, float level, const Band &out)
{
    const int width = source.width();
    const QList<QRgb> &palette = mapper.palette();
    FlatAreaMask flatAreas(source, out.first);
    // Errors per channel for this row and the next, with one spare pixel at either end.
    const auto cells = static_cast<size_t>(width + 2) * 3;
    std::vector<float> current(cells, 0.0f);
    std::vector<float> next(cells, 0.0f);
    int red = 0, green = 0, blue = 0;
    for (int y = out.first; y < out.last; ++y) {
        const uchar *flat = flatAreas.row(y);
        const uchar *line = source.constScanLine(y);
        uchar *target = out.line(y);
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
    // Bands of rows are mapped side by side, each with its own mapper; errors are not passed
    // across a band's edge. The number of bands depends on the image alone, so the result is
    // the same on every machine.
    const int bands = std::clamp(source.height() / RowsPerBand, 1, MaxBands);
    const PixelReader read{rgbxOrder};
    const float level = std::min(dithering, 1.0f);
    uchar *bits = out.bits();
    const auto mapBand = [&](int band) {
        const Band rows{source.height() * band / bands, source.height() * (band + 1) / bands, bits,
            out.bytesPerLine()};
        PaletteMapper mapper(palette);
        if (level > 0.0f)
            diffuseErrors(source, read, mapper, level, rows);
        else
            mapNearest(source, read, mapper, rows);
    };
    std::vector<std::thread> workers;
    const int threads = std::max(1, int(std::thread::hardware_concurrency()));
    for (int band = 0; band < bands;) {
        const int batch = std::min(threads, bands - band);
        for (int i = 1; i < batch; ++i) {
            try {
                workers.emplace_back(mapBand, band + i);
            } catch (const std::system_error &) {
                mapBand(band + i); // no thread to be had: map the band here
            }
        }
        mapBand(band);
        for (std::thread &worker : workers)
            worker.join();
        workers.clear();
        band += batch;
    }
    return out;
}

} // namespace platform
