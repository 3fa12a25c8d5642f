#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>
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

// A GIF89a file written with giflib's own encoder, its colour table as small as the image's
// palette allows: a comment and a graphic control extension
// (transparent index `transparent`) before the image, which may be interlaced, carry a local
// colour table and sit at (left, top) on a larger logical screen.
QByteArray gif89(const QImage &indexed, bool interlaced, bool localTable, int transparent = -1,
    QSize screen = QSize(), QPoint offset = QPoint(), int background = 0);

// Palette image whose index at (x, y) is (x + 2y) mod colours, with distinct colours.
QImage indexedPattern(int width, int height, int colours);

// True-colour image with smooth gradients (many colours).
QImage gradient(int width, int height);

QByteArray readAll(const QString &path);
bool writeAll(const QString &path, const QByteArray &bytes);

// Path of a file in tests/data.
QString dataFile(const QString &name);

// Whether two palette images have the same indexes everywhere.
bool sameIndexes(const QImage &a, const QImage &b);

} // namespace fixtures
