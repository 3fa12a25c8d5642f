#include "giftestdata.h"

#include <QBuffer>
#include <QtEndian>

namespace giftesting {

QString dataFile(const QString &name)
{
    return qEnvironmentVariable("TRELLIS_SOURCE_DIR") + QStringLiteral("/tests/giftool/data/")
        + name;
}

QImage enclosedScene(bool fullPalette)
{
    return QImage(
        dataFile(fullPalette ? QStringLiteral("eye-full.bmp") : QStringLiteral("eye.bmp")));
}

bool isEnclosedCream(int x, int y)
{
    static const QImage mask(dataFile(QStringLiteral("eye-enclosed.png")));
    return mask.pixelIndex(x, y) == 1;
}

QList<QRgb> colourTable(const QList<std::pair<int, QRgb>> &colours)
{
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table << qRgb(i, 255 - i, i / 2);
    for (const auto &[index, rgb] : colours)
        table[index] = rgb;
    return table;
}

QImage indexedImage(int width, int height, int fill, const QList<QRgb> &colours)
{
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(colours);
    image.fill(uint(fill));
    return image;
}

QImage boxPicture(
    QSize size, const QList<QRgb> &colours, int a, int b, const QRect &box, int boxIndex)
{
    QImage picture = indexedImage(size.width(), size.height(), a, colours);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, box.contains(x, y) ? boxIndex : (x + y) % 2 ? b : a);
    return picture;
}

QList<QRgb> sixteenColours()
{
    QList<QRgb> colours;
    for (int i = 0; i < 16; ++i)
        colours << qRgb(i * 16, 255 - i * 16, (i * 40) % 256);
    colours[1] = colours[3];
    return colours;
}

QByteArray bitmapBytes(const QImage &picture, int declaredColours)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    if (declaredColours > 0)
        qToLittleEndian<quint32>(quint32(declaredColours), bytes.data() + 46);
    return bytes;
}

QByteArray componentGif(int length, const QByteArray &blockAt781)
{
    QByteArray gif("GIF87a");
    gif.append(QByteArray(7, '\0'));
    gif[6] = 16;
    gif[8] = 8;
    gif[10] = char(0xF7);
    for (int i = 0; i < 256; ++i)
        gif.append(QByteArray(3, char(i)));
    gif.append(blockAt781);
    for (int i = 0; gif.size() < length - 1; ++i)
        gif.append(char(i % 251));
    gif.append(char(0x3B));
    return gif;
}

} // namespace giftesting
