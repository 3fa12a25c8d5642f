#include "platform/imaging/qtimagecodec.h"

#include "platform/imaging/imagefileformat.h"
#include "platform/imaging/imagelimits.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

namespace platform {

namespace {

// Enough for the largest image allowed at 8 bytes a pixel (16 bits a channel), so Qt's own
// limit never refuses what the pixel limit lets through.
constexpr int AllocationLimitMegabytes = int(MaxImagePixels * 8 / (1024 * 1024)) + 64;
constexpr int JpegQuality = 90;

QByteArray qtFormat(ImageFileFormat format)
{
    switch (format) {
    case ImageFileFormat::Bmp:
        return QByteArrayLiteral("bmp");
    case ImageFileFormat::Jpeg:
        return QByteArrayLiteral("jpeg");
    case ImageFileFormat::Tiff:
        return QByteArrayLiteral("tiff");
    case ImageFileFormat::Png:
        return QByteArrayLiteral("png");
    default:
        return QByteArray();
    }
}

} // namespace

QSize QtImageCodec::jpegFrameSize(const QByteArray &file)
{
    const auto byte = [&file](qsizetype i) { return quint8(file.at(i)); };
    qsizetype pos = 2;
    while (pos + 8 < file.size()) {
        if (byte(pos) != 0xFF)
            return QSize();
        const quint8 marker = byte(pos + 1);
        if (marker == 0xFF) {
            ++pos;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD9)) {
            pos += 2;
            continue;
        }
        // Start-of-frame markers: C0 to CF except C4 (tables), C8 (reserved) and CC (arithmetic).
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return QSize(
                (byte(pos + 7) << 8) | byte(pos + 8), (byte(pos + 5) << 8) | byte(pos + 6));
        pos += 2 + ((byte(pos + 2) << 8) | byte(pos + 3));
    }
    return QSize();
}

bool QtImageCodec::jpegIsComplete(const QByteArray &file)
{
    const auto byte = [&file](qsizetype i) { return quint8(file.at(i)); };
    qsizetype pos = 2; // after the start-of-image marker
    while (pos + 1 < file.size()) {
        if (byte(pos) != 0xFF)
            return false;
        const quint8 marker = byte(pos + 1);
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2;
            continue;
        }
        if (pos + 3 >= file.size())
            return false;
        const int length = (byte(pos + 2) << 8) | byte(pos + 3);
        if (length < 2)
            return false;
        pos += 2 + length;
        if (marker == 0xDA) // start of scan: entropy-coded data follows, where 0xFF is escaped
            return pos <= file.size() && file.indexOf("\xFF\xD9", pos) >= 0;
    }
    return false;
}

std::optional<QtImageCodec::BmpHeader> QtImageCodec::bmpHeader(const QByteArray &file)
{
    if (file.size() < 26)
        return std::nullopt;
    BmpHeader header;
    header.pixelOffset = littleEndian(file, 10, 4);
    const quint32 headerSize = littleEndian(file, 14, 4);
    if (headerSize == 12) {
        header.width = littleEndian(file, 18, 2);
        header.height = littleEndian(file, 20, 2);
        header.bits = littleEndian(file, 24, 2);
    } else if (headerSize >= 40 && file.size() >= 34) {
        header.width = qint32(littleEndian(file, 18, 4));
        header.height = std::abs(qint64(qint32(littleEndian(file, 22, 4))));
        header.bits = littleEndian(file, 28, 2);
        header.compression = littleEndian(file, 30, 4);
    } else {
        return std::nullopt;
    }
    return header;
}

bool QtImageCodec::bmpIsComplete(const QByteArray &file)
{
    const std::optional<BmpHeader> header = bmpHeader(file);
    if (!header)
        return file.size() >= 26;
    const qint64 compression = header->compression;
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed || header->width <= 0 || header->height <= 0 || header->bits <= 0
        || header->bits > 64)
        return true;
    const qint64 stride = (header->width * header->bits + 31) / 32 * 4;
    const qint64 available = file.size() - header->pixelOffset;
    // stride * height <= available, without the product (hostile headers overflow it).
    return available >= 0 && stride <= available / header->height;
}

DecodedImage QtImageCodec::read(const QByteArray &file, ImageFileFormat format)
{
    const QString name = formatName(format);
    QByteArray data = file;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, qtFormat(format));
    reader.setAutoDetectImageFormat(false);
    if (QImageReader::allocationLimit() < AllocationLimitMegabytes)
        QImageReader::setAllocationLimit(AllocationLimitMegabytes);

    // Qt's BMP and JPEG readers decline to report sizes they would not allocate, so for those
    // the limit is checked on the header itself, for a clear reason.
    if (const auto header = bmpHeader(file); format == ImageFileFormat::Bmp && header
        && header->width > 0 && header->height > 0
        && !fitsPixelLimit(header->width, header->height))
        return DecodedImage::failure(pixelLimitMessage(header->width, header->height));
    if (const QSize frame = jpegFrameSize(file); format == ImageFileFormat::Jpeg && frame.isValid()
        && !frame.isEmpty() && !fitsPixelLimit(frame.width(), frame.height()))
        return DecodedImage::failure(pixelLimitMessage(frame.width(), frame.height()));
    const QSize size = reader.size();
    if (!size.isValid())
        return DecodedImage::failure(
            QStringLiteral("The %1 file's header is damaged or incomplete.").arg(name));
    if (!fitsPixelLimit(size.width(), size.height()))
        return DecodedImage::failure(pixelLimitMessage(size.width(), size.height()));
    if (format == ImageFileFormat::Jpeg && !jpegIsComplete(file))
        return DecodedImage::failure(
            QStringLiteral("The JPEG file is incomplete: it ends before its end-of-image marker."));
    if (format == ImageFileFormat::Bmp && !bmpIsComplete(file))
        return DecodedImage::failure(
            QStringLiteral("The BMP file is incomplete: it ends before its last row of pixels."));

    QImage image = reader.read();
    if (image.isNull())
        return DecodedImage::failure(
            QStringLiteral("The %1 image cannot be read: %2.").arg(name, reader.errorString()));
    return {image, QString()};
}

bool QtImageCodec::write(
    QIODevice &device, const QImage &image, ImageFileFormat format, QString *error)
{
    QImageWriter writer(&device, qtFormat(format));
    if (format == ImageFileFormat::Jpeg)
        writer.setQuality(JpegQuality);
    if (writer.write(image))
        return true;
    *error = QStringLiteral("The %1 image cannot be written: %2.")
                 .arg(formatName(format), writer.errorString());
    return false;
}

} // namespace platform
