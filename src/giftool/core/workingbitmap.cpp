#include "giftool/core/workingbitmap.h"

#include "platform/filecontent.h"
#include "platform/imaging/bmpwriter.h"

#include <QBuffer>
#include <QtEndian>
#include <array>
#include <cstdlib>

namespace giftool {

namespace {

template <typename T> T littleEndianAt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

} // namespace

bool WorkingBitmap::readPalette(PaletteTable &table, QString *error) const
{
    const std::optional<QByteArray> bytes = platform::readFileContent(m_path, error);
    return bytes && table.readPaletteTable(*bytes, error);
}

QImage WorkingBitmap::loadPicture(QString *error) const
{
    const std::optional<QByteArray> bytes = platform::readFileContent(m_path, error);
    if (!bytes)
        return QImage();
    const QImage picture = QImage::fromData(*bytes, "BMP");
    if (picture.format() != QImage::Format_Indexed8) {
        if (error)
            *error = QStringLiteral("The working bitmap is not a 256-color bitmap.");
        return QImage();
    }
    return picture;
}

bool WorkingBitmap::rewrite(
    const PaletteTable &table, const QList<int> &from, int to, QString *error) const
{
    std::optional<QByteArray> bytes = platform::readFileContent(m_path, error);
    if (!bytes)
        return false;
    if (!table.writePaletteTable(*bytes, error) || !remapPixels(*bytes, from, to, error))
        return false;
    return platform::writeFileAtomically(m_path, *bytes, error);
}

bool WorkingBitmap::store(const QImage &picture, QString *error) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString reason;
    if (!platform::BmpWriter::write(buffer, picture, &reason)) {
        if (error)
            *error = reason;
        return false;
    }
    return platform::writeFileAtomically(m_path, bytes, error);
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
    if (to < 0 || to > 255) {
        if (error)
            *error = QStringLiteral("Palette index %1 does not exist.").arg(to);
        return false;
    }

    std::array<uchar, 256> map{};
    for (int i = 0; i < 256; ++i)
        map[std::size_t(i)] = uchar(i);
    for (int index : from) {
        if (index >= 0 && index < 256)
            map[std::size_t(index)] = uchar(to);
    }
    auto *pixels = reinterpret_cast<uchar *>(bitmap.data()) + pixelOffset;
    for (qint64 y = 0; y < rows; ++y) {
        uchar *row = pixels + y * stride;
        for (qint32 x = 0; x < width; ++x)
            row[x] = map[row[x]];
    }
    return true;
}

} // namespace giftool
