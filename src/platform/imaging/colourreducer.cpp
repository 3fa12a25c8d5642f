#include "platform/imaging/colourreducer.h"

#include "platform/imaging/palettes.h"
#include "platform/imaging/remapper.h"

#include <libimagequant.h>
#include <memory>
#include <vector>

namespace platform {

namespace {

// A small open-addressing table from opaque RGB32 words to palette indexes. The word 0 marks
// an empty slot: opaque words always carry alpha 0xFF, so no colour collides with it.
class ColourTable
{
public:
    explicit ColourTable(int capacity)
        : m_keys(size_t(capacity), 0u)
        , m_values(size_t(capacity), 0)
        , m_mask(quint32(capacity - 1))
    { }

    // The index of word, adding it with the next index when it is new.
    int indexOf(quint32 word, QList<QRgb> &colours)
    {
        quint32 slot = (word * 2654435761u) & m_mask;
        while (m_keys[slot] != 0) {
            if (m_keys[slot] == word)
                return m_values[slot];
            slot = (slot + 1) & m_mask;
        }
        m_keys[slot] = word;
        m_values[slot] = quint16(colours.size());
        colours.append(word);
        return colours.size() - 1;
    }

private:
    std::vector<quint32> m_keys;
    std::vector<quint16> m_values;
    quint32 m_mask;
};

// Lays translucent pixels over white, in place, and marks the image opaque.
void flattenOnWhite(QImage &image)
{
    image.convertTo(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0, width = image.width(); x < width; ++x) {
            const int alpha = qAlpha(line[x]);
            const auto over
                = [alpha](int c) { return (c * alpha + 255 * (255 - alpha) + 127) / 255; };
            line[x] = qRgb(over(qRed(line[x])), over(qGreen(line[x])), over(qBlue(line[x])));
        }
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
}

QImage mapExactly(const QImage &image, int colourCount)
{
    QImage indexed(image.size(), QImage::Format_Indexed8);
    if (indexed.isNull())
        return indexed;
    QList<QRgb> colours;
    colours.reserve(colourCount);
    ColourTable table(1024);
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0, width = image.width(); x < width; ++x)
            out[x] = uchar(table.indexOf(line[x] | 0xFF000000u, colours));
    }
    indexed.setColorTable(paddedPalette(colours));
    return indexed;
}

struct LiqDeleter
{
    void operator()(liq_attr *attr) const { liq_attr_destroy(attr); }
    void operator()(liq_image *image) const { liq_image_destroy(image); }
    void operator()(liq_result *result) const { liq_result_destroy(result); }
};

QString quantizerError(liq_error code)
{
    if (code == LIQ_OUT_OF_MEMORY)
        return QStringLiteral("There is not enough memory to reduce the image to 256 colours.");
    return QStringLiteral("The image cannot be reduced to 256 colours (quantizer error %1).")
        .arg(int(code));
}

} // namespace

ColourReducer::Settings ColourReducer::defaultSettings()
{
    return {8, 0.75f};
}

QList<QRgb> ColourReducer::distinctColours(const QImage &image, int limit)
{
    QList<QRgb> colours;
    if (image.isNull() || limit < 0)
        return colours;
    const QImage rgb
        = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
        ? image
        : image.convertToFormat(QImage::Format_RGB32);
    int capacity = 16;
    while (capacity < 2 * (limit + 1))
        capacity *= 2;
    ColourTable table(capacity);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(rgb.constScanLine(y));
        for (int x = 0, width = rgb.width(); x < width; ++x) {
            table.indexOf(line[x] | 0xFF000000u, colours);
            if (colours.size() > limit)
                return colours;
        }
    }
    return colours;
}

bool ColourReducer::toPalette256(QImage &image, QString *error)
{
    return toPalette256(image, defaultSettings(), error);
}

bool ColourReducer::toPalette256(QImage &image, const Settings &settings, QString *error)
{
    return toPalette256(image, settings, error, Extras());
}

bool ColourReducer::toPalette256(
    QImage &image, const Settings &settings, QString *error, const Extras &extras)
{
    if (extras.gifImageData)
        extras.gifImageData->clear();
    image = normalisedImage(image);
    if (image.isNull()) {
        *error = QStringLiteral("There is no image to reduce.");
        return false;
    }
    if (image.format() == QImage::Format_Indexed8) {
        image.setColorTable(paddedPalette(image.colorTable()));
        return true;
    }
    if (image.hasAlphaChannel())
        flattenOnWhite(image);
    const int colours = int(distinctColours(image, FullPaletteSize).size());
    if (colours <= FullPaletteSize) {
        QImage indexed = mapExactly(image, colours);
        if (indexed.isNull()) {
            *error = quantizerError(LIQ_OUT_OF_MEMORY);
            return false;
        }
        indexed.setDotsPerMeterX(image.dotsPerMeterX());
        indexed.setDotsPerMeterY(image.dotsPerMeterY());
        image = indexed;
        return true;
    }
    return quantize(image, settings, error, extras);
}

bool ColourReducer::choosePalette(
    const QImage &image, const Settings &settings, QList<QRgb> &colours, QString *error)
{
    // libimagequant chooses the palette from a sample of the picture, in its R, G, B, A byte
    // order; the picture itself stays as it is for the remapping. The sample and the
    // quantizer's own copy of it are gone again before the remapping needs its memory.
    QImage sample = paletteSample(image);
    std::vector<void *> rows(static_cast<size_t>(sample.height()));
    for (int y = 0; y < sample.height(); ++y)
        rows[size_t(y)] = sample.scanLine(y);
    const std::unique_ptr<liq_attr, LiqDeleter> attr(liq_attr_create());
    if (sample.isNull() || !attr) {
        *error = quantizerError(LIQ_OUT_OF_MEMORY);
        return false;
    }
    liq_set_max_colors(attr.get(), FullPaletteSize);
    liq_set_speed(attr.get(), std::clamp(settings.speed, 1, 10));
    const std::unique_ptr<liq_image, LiqDeleter> input(
        liq_image_create_rgba_rows(attr.get(), rows.data(), sample.width(), sample.height(), 0));
    liq_result *rawResult = nullptr;
    const liq_error code
        = input ? liq_image_quantize(input.get(), attr.get(), &rawResult) : LIQ_OUT_OF_MEMORY;
    if (code != LIQ_OK) {
        *error = quantizerError(code);
        return false;
    }
    const std::unique_ptr<liq_result, LiqDeleter> result(rawResult);
    const liq_palette *palette = liq_get_palette(result.get());
    for (unsigned i = 0; i < palette->count; ++i)
        colours.append(qRgb(palette->entries[i].r, palette->entries[i].g, palette->entries[i].b));
    return true;
}

bool ColourReducer::quantize(
    QImage &image, const Settings &settings, QString *error, const Extras &extras)
{
    QList<QRgb> colours;
    if (!choosePalette(image, settings, colours, error))
        return false;
    // Our own remapping is several times faster on large photographs and keeps flat areas on
    // one index.
    RemapOptions options;
    options.consumeSource = extras.consumeImage && image.isDetached();
    if (extras.gifImageData) {
        extras.gifImageData->begin();
        options.finishedRows = [gif = extras.gifImageData](const QImage &result, int first,
                                   int end) { gif->addRows(result, first, end); };
    }
    QImage indexed
        = Remapper::remap(image, colours, std::clamp(settings.dithering, 0.0f, 1.0f), options);
    if (indexed.isNull()) {
        if (extras.gifImageData)
            extras.gifImageData->clear();
        *error = quantizerError(LIQ_OUT_OF_MEMORY);
        return false;
    }
    indexed.setColorTable(paddedPalette(colours));
    indexed.setDotsPerMeterX(image.dotsPerMeterX());
    indexed.setDotsPerMeterY(image.dotsPerMeterY());
    image = indexed;
    if (extras.gifImageData)
        extras.gifImageData->finish(image);
    return true;
}

QImage ColourReducer::paletteSample(const QImage &image)
{
    // Every step-th pixel of every step-th row, so that at most SamplePixels are left.
    int step = 1;
    while (qint64(image.width()) * image.height() / (qint64(step) * step) > SamplePixels)
        ++step;
    QImage sample((image.width() + step - 1) / step, (image.height() + step - 1) / step,
        QImage::Format_RGBX8888);
    if (sample.isNull())
        return sample;
    for (int y = 0; y < sample.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y * step));
        uchar *out = sample.scanLine(y);
        for (int x = 0, width = sample.width(); x < width; ++x, out += 4) {
            const QRgb pixel = line[x * step];
            out[0] = uchar(qRed(pixel));
            out[1] = uchar(qGreen(pixel));
            out[2] = uchar(qBlue(pixel));
            out[3] = 0xFF;
        }
    }
    return sample;
}

} // namespace platform
