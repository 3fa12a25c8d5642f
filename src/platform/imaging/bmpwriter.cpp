#include "platform/imaging/bmpwriter.h"

#include "platform/imaging/palettes.h"

#include <QIODevice>
#include <vector>

namespace platform {

namespace {

void putLittleEndian(QByteArray &out, qint64 offset, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[offset + i] = char((value >> (8 * i)) & 0xFF);
}

} // namespace

bool BmpWriter::write(QIODevice &device, const QImage &indexed, QString *error)
{
    if (indexed.format() != QImage::Format_Indexed8 || indexed.isNull()) {
        *error = QStringLiteral("Only palette images can be written as 8-bit BMP.");
        return false;
    }
    const int width = indexed.width(), height = indexed.height();
    const quint32 stride = (quint32(width) + 3) & ~3u;
    const quint64 pixelBytes = quint64(stride) * quint64(height);
    if (pixelBytes + PixelOffset > 0xFFFFFFFFull) {
        *error = QStringLiteral("The image is too large for a BMP file.");
        return false;
    }

    QByteArray header(PixelOffset, '\0');
    header[0] = 'B';
    header[1] = 'M';
    putLittleEndian(header, 2, quint32(PixelOffset + pixelBytes), 4);
    putLittleEndian(header, 10, PixelOffset, 4);
    putLittleEndian(header, 14, InfoHeaderSize, 4);
    putLittleEndian(header, 18, quint32(width), 4);
    putLittleEndian(header, 22, quint32(height), 4); // positive: rows stored bottom-up
    putLittleEndian(header, 26, 1, 2); // planes
    putLittleEndian(header, 28, 8, 2); // bits per pixel
    putLittleEndian(header, 30, 0, 4); // no compression
    putLittleEndian(header, 34, quint32(pixelBytes), 4);
    putLittleEndian(header, 38, quint32(std::max(indexed.dotsPerMeterX(), 0)), 4);
    putLittleEndian(header, 42, quint32(std::max(indexed.dotsPerMeterY(), 0)), 4);
    putLittleEndian(header, 46, 256, 4); // colours used
    putLittleEndian(header, 50, 0, 4); // all colours important
    const QList<QRgb> palette = paddedPalette(indexed.colorTable());
    for (int i = 0; i < FullPaletteSize; ++i) {
        const qint64 at = PaletteOffset + 4 * i;
        header[at] = char(qBlue(palette[i]));
        header[at + 1] = char(qGreen(palette[i]));
        header[at + 2] = char(qRed(palette[i]));
        header[at + 3] = 0;
    }
    bool written = device.write(header) == header.size();

    std::vector<char> row(stride, 0);
    for (int y = height - 1; written && y >= 0; --y) {
        memcpy(row.data(), indexed.constScanLine(y), size_t(width));
        written = device.write(row.data(), qint64(stride)) == qint64(stride);
    }
    if (!written)
        *error = device.errorString();
    return written;
}

} // namespace platform
