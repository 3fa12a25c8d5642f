#include "giftool/core/workingbitmap.h"

#include "platform/filecontent.h"
#include "platform/imaging/bmpwriter.h"
#include "platform/imaging/palettes.h"

#include <QBuffer>
#include <QColorSpace>
#include <QtEndian>
#include <array>
#include <cstdlib>
#include <cstring>

namespace giftool {

namespace {

template <typename T> T littleEndianAt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

// The index each of the 256 indexes is given when the indexes from are given to.
std::array<uchar, 256> indexMap(const QList<int> &from, int to)
{
    std::array<uchar, 256> map{};
    for (int i = 0; i < 256; ++i)
        map[std::size_t(i)] = uchar(i);
    for (int index : from) {
        if (index >= 0 && index < 256)
            map[std::size_t(index)] = uchar(to);
    }
    return map;
}

bool refuseIndex(int to, QString *error)
{
    if (to >= 0 && to <= 255)
        return false;
    if (error)
        *error = QStringLiteral("Palette index %1 does not exist.").arg(to);
    return true;
}

} // namespace

QImage asWorkingPicture(const QImage &picture)
{
    if (picture.isNull() || picture.format() != QImage::Format_Indexed8)
        return QImage();
    QList<QRgb> colours = platform::paddedPalette(picture.colorTable());
    for (QRgb &colour : colours)
        colour = qRgb(qRed(colour), qGreen(colour), qBlue(colour));
    // The file holds no resolution below 1, and then the image's default is read back.
    QImage working(picture.size(), QImage::Format_Indexed8);
    working.setDotsPerMeterX(std::max(picture.dotsPerMeterX(), 0));
    working.setDotsPerMeterY(std::max(picture.dotsPerMeterY(), 0));
    if (picture.colorTable() == colours && picture.textKeys().isEmpty()
        && !picture.colorSpace().isValid() && picture.offset().isNull()
        && picture.devicePixelRatio() == 1.0 && picture.dotsPerMeterX() == working.dotsPerMeterX()
        && picture.dotsPerMeterY() == working.dotsPerMeterY())
        return picture;
    if (working.isNull())
        return working;
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(working.scanLine(y), picture.constScanLine(y), size_t(picture.width()));
    working.setColorTable(colours);
    return working;
}

void remapIndexes(QImage &picture, const QList<int> &from, int to)
{
    const std::array<uchar, 256> map = indexMap(from, to);
    for (int y = 0; y < picture.height(); ++y) {
        uchar *row = picture.scanLine(y);
        for (int x = 0, width = picture.width(); x < width; ++x)
            row[x] = map[row[x]];
    }
}

bool WorkingBitmap::write(const QImage &picture, QString *error)
{
    if (m_path.isEmpty())
        return true;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString reason;
    if (!platform::BmpWriter::write(buffer, picture, &reason)) {
        if (error)
            *error = platform::cannotWriteText(m_path, reason);
        return false;
    }
    if (!platform::saveFileContent(m_path, bytes, error))
        return false;
    m_bytes = std::move(bytes);
    return true;
}

bool WorkingBitmap::rewrite(
    const PaletteTable &table, const QList<int> &from, int to, QString *error)
{
    if (refuseIndex(to, error))
        return false;
    if (m_path.isEmpty())
        return true;
    QByteArray bytes = m_bytes;
    if (!table.writePaletteTable(bytes, error) || !remapPixels(bytes, from, to, error)
        || !platform::saveFileContent(m_path, bytes, error))
        return false;
    m_bytes = std::move(bytes);
    return true;
}

bool WorkingBitmap::remapPixels(QByteArray &bitmap, const QList<int> &from, int to, QString *error)
{
    const auto refuse = [error] {
        if (error)
            *error = QStringLiteral("The working bitmap is not an uncompressed 8-bit bitmap.");
        return false;
    };
    constexpr int HeaderEnd = 34;
    if (bitmap.size() < HeaderEnd || !bitmap.startsWith("BM"))
        return refuse();
    const quint32 pixelOffset = littleEndianAt<quint32>(bitmap, 10);
    const qint32 width = littleEndianAt<qint32>(bitmap, 18);
    const qint32 height = littleEndianAt<qint32>(bitmap, 22);
    const quint16 bitsPerPixel = littleEndianAt<quint16>(bitmap, 28);
    const quint32 compression = littleEndianAt<quint32>(bitmap, 30);
    if (bitsPerPixel != 8 || compression != 0 || width <= 0 || height == 0)
        return refuse();
    // Rows are padded to whole 32-bit words; a negative height marks a top-down file, which
    // has the same row layout.
    const qint64 stride = (qint64(width) + 3) / 4 * 4;
    const qint64 rows = std::llabs(qint64(height));
    if (qint64(pixelOffset) + stride * rows > bitmap.size())
        return refuse();
    if (refuseIndex(to, error))
        return false;
    const std::array<uchar, 256> map = indexMap(from, to);
    auto *pixels = reinterpret_cast<uchar *>(bitmap.data()) + pixelOffset;
    for (qint64 y = 0; y < rows; ++y) {
        uchar *row = pixels + y * stride;
        for (qint32 x = 0; x < width; ++x)
            row[x] = map[row[x]];
    }
    return true;
}

} // namespace giftool
