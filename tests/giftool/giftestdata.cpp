#include "giftestdata.h"

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

QList<QRgb> colorTable(const QList<std::pair<int, QRgb>> &colors)
{
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table << qRgb(i, 255 - i, i / 2);
    for (const auto &[index, rgb] : colors)
        table[index] = rgb;
    return table;
}

QImage indexedImage(int width, int height, int fill, const QList<QRgb> &colors)
{
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(colors);
    image.fill(uint(fill));
    return image;
}

QImage boxPicture(
    QSize size, const QList<QRgb> &colors, int a, int b, const QRect &box, int boxIndex)
{
    QImage picture = indexedImage(size.width(), size.height(), a, colors);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, box.contains(x, y) ? boxIndex : (x + y) % 2 ? b : a);
    return picture;
}

QList<QRgb> sixteenColors()
{
    QList<QRgb> colors;
    for (int i = 0; i < 16; ++i)
        colors << qRgb(i * 16, 255 - i * 16, (i * 40) % 256);
    colors[1] = colors[3];
    return colors;
}

QByteArray bitmapBytes(const QImage &picture, int declaredColors)
{
    const int stride = (picture.width() + 3) / 4 * 4;
    const int pixelOffset = 54 + 1024;
    QByteArray bytes(pixelOffset + stride * picture.height(), '\0');
    char *p = bytes.data();
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), p + 2);
    qToLittleEndian<quint32>(pixelOffset, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(picture.width(), p + 18);
    qToLittleEndian<qint32>(picture.height(), p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(8, p + 28);
    qToLittleEndian<quint32>(quint32(declaredColors), p + 46);
    const QList<QRgb> colors = picture.colorTable();
    for (int i = 0; i < 256 && i < colors.size(); ++i) {
        p[54 + 4 * i] = char(qBlue(colors[i]));
        p[55 + 4 * i] = char(qGreen(colors[i]));
        p[56 + 4 * i] = char(qRed(colors[i]));
    }
    for (int y = 0; y < picture.height(); ++y) {
        char *row = p + pixelOffset + (picture.height() - 1 - y) * stride;
        for (int x = 0; x < picture.width(); ++x)
            row[x] = char(picture.pixelIndex(x, y));
    }
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
