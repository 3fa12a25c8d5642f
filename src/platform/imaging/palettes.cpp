#include "platform/imaging/palettes.h"

namespace platform {

QList<QRgb> paddedPalette(const QList<QRgb> &colours, int size)
{
    QList<QRgb> palette = colours.mid(0, size);
    palette.reserve(size);
    while (palette.size() < size)
        palette.append(qRgb(0, 0, 0));
    return palette;
}

QList<QRgb> greyPalette()
{
    QList<QRgb> palette;
    palette.reserve(FullPaletteSize);
    for (int level = 0; level < FullPaletteSize; ++level)
        palette.append(qRgb(level, level, level));
    return palette;
}

void coverUsedIndexes(QImage &indexed)
{
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() >= 256)
        return;
    int highest = -1;
    for (int y = 0; y < indexed.height() && highest < 255; ++y) {
        const uchar *line = indexed.constScanLine(y);
        for (int x = 0, width = indexed.width(); x < width; ++x)
            highest = std::max(highest, int(line[x]));
    }
    if (highest >= indexed.colorCount())
        indexed.setColorTable(paddedPalette(indexed.colorTable(), highest + 1));
}

QImage normalisedImage(const QImage &image)
{
    if (image.isNull())
        return image;
    switch (image.format()) {
    case QImage::Format_Indexed8: {
        QImage indexed = image;
        coverUsedIndexes(indexed);
        return indexed;
    }
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: {
        QImage indexed = image.convertToFormat(QImage::Format_Indexed8);
        coverUsedIndexes(indexed);
        return indexed;
    }
    case QImage::Format_Grayscale8: {
        // An 8-bit grey image is a palette image whose palette is the grey ramp.
        QImage indexed(image.size(), QImage::Format_Indexed8);
        if (indexed.isNull())
            return indexed;
        for (int y = 0; y < image.height(); ++y)
            memcpy(indexed.scanLine(y), image.constScanLine(y), size_t(image.width()));
        indexed.setColorTable(greyPalette());
        indexed.setDotsPerMeterX(image.dotsPerMeterX());
        indexed.setDotsPerMeterY(image.dotsPerMeterY());
        return indexed;
    }
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return image;
    default:
        return image.convertToFormat(
            image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
}

} // namespace platform
