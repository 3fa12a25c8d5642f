#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>
#include <QSize>
#include <QString>

namespace giftesting {

// A 256-entry color table: entry i is (i, 255 - i, i / 2) except where colors override it.
QList<QRgb> colourTable(const QList<std::pair<int, QRgb>> &colours = {});

// An 8-bit picture of the given size filled with index fill.
QImage indexedImage(int width, int height, int fill, const QList<QRgb> &colours = colourTable());

// The 16 colors of data/picture.gif and small.gif: entry i is (16 i, 255 - 16 i, 40 i mod 256),
// except that entry 1 repeats the color of entry 3, so a background of index 3 has its color
// twice in the palette.
QList<QRgb> sixteenColours();

// An 8-bit picture of a background of index a, or of a checkerboard of a (where x + y is even)
// and b, with the box filled with index boxIndex.
QImage boxPicture(
    QSize size, const QList<QRgb> &colours, int a, int b, const QRect &box, int boxIndex);

// The bytes of a 256-color picture as Qt writes a bitmap file: 14-byte file header, 40-byte
// information header, 256 palette entries (blue, green, red, 0) at 54 and the bottom-up rows,
// padded to four bytes, at 1078. declaredColours, when given, replaces the header's color count.
QByteArray bitmapBytes(const QImage &picture, int declaredColours = 0);

// The layout the image component writes for a 256-color GIF, at exactly the given length:
// "GIF87a", a logical screen of 16 x 8 with packed byte 0xF7, a color table of entry i =
// (i, i, i), then blockAt781 and counting filler bytes up to a final 0x3B trailer.
QByteArray componentGif(int length, const QByteArray &blockAt781 = QByteArray(1, 0x2C));

// The path of a file in tests/giftool/data.
QString dataFile(const QString &name);

// The scene of the "only the connected background" tests, data/eye.bmp (eye-full.bmp when
// fullPalette): a 64 x 48 picture whose cream background (entry 0) also fills parts the subject
// encloses; isEnclosedCream tells those parts, from data/eye-enclosed.png.
QImage enclosedScene(bool fullPalette = false);
bool isEnclosedCream(int x, int y);

// The first pixel of an area of the given size where ok(x, y) is false, as "x,y", or an empty
// string: compared with QString(), a failure names the pixel.
template <typename Ok> QString firstBadPixel(QSize size, Ok ok)
{
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (!ok(x, y))
                return QStringLiteral("%1,%2").arg(x).arg(y);
    return QString();
}

} // namespace giftesting
