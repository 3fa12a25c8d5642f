#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>
#include <functional>
#include <vector>

namespace fixtures {

// A PCX file assembled field by field, independent of the codec under test, so tests can make
// every variant a reader meets (and break any field on purpose).
struct PcxFile
{
    int version = 5;
    int encoding = 1;
    int bitsPerPixel = 8;
    int planes = 1;
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    int bytesPerLine = 0;
    QList<QRgb> headerPalette; // up to 16 entries
    std::vector<QByteArray> scanLines; // raw bytes of each row, all planes one after the other
    QList<QRgb> trailingPalette; // written with the 0x0C marker when not empty

    QByteArray header() const;
    // RLE-encodes each scan line separately, as writers must.
    QByteArray encoded() const;
    QByteArray bytes() const;
};

// A PCX file for an image given as palette indexes, bit-packed into `planes` planes of `bits`
// bits, with the palette in the header (bits * planes <= 4) or at the end (8 bits).
PcxFile pcxFromIndexes(const QImage &indexed, int bits, int planes);

// A 24-bit PCX (three planes) of a true-colour image.
PcxFile pcxFromTrueColour(const QImage &image);

// How gifByGiflib writes its file.
struct GiflibGif
{
    // GIF89a with a comment and a graphic control extension (transparent index `transparent`)
    // before the image; otherwise the bare GIF87a giflib writes for a single picture.
    bool extensions = true;
    bool interlaced = false;
    bool localTable = false; // the global table then holds another colour, (1, 2, 3)
    int transparent = -1;
    QSize screen{}; // the image's size when not valid
    QPoint offset{};
    int background = 0;
    bool fullTable = false; // 256 entries rather than the smallest power of two that fits
};

// A GIF file written with giflib's own encoder.
QByteArray gifByGiflib(const QImage &indexed, const GiflibGif &how = {});

// What write puts into a buffer; empty when it returns false.
QByteArray writtenBy(const std::function<bool(QIODevice &)> &write);

// Palette image whose index at (x, y) is (x + 2y) mod colours, with distinct colours.
QImage indexedPattern(int width, int height, int colours);

// True-colour image with smooth gradients (many colours).
QImage gradient(int width, int height);

// Path of a file in tests/data.
QString dataFile(const QString &name);

// Whether two palette images have the same indexes everywhere.
bool sameIndexes(const QImage &a, const QImage &b);

} // namespace fixtures
