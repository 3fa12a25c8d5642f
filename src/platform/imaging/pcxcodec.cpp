#include "platform/imaging/pcxcodec.h"

#include "platform/imaging/imagelimits.h"
#include "platform/imaging/palettes.h"

#include <QIODevice>
#include <array>
#include <cmath>
#include <vector>

namespace platform {

namespace {

constexpr quint8 Maker = 0x0A;
constexpr quint8 PaletteMarker = 0x0C;
constexpr quint8 RunFlag = 0xC0;
constexpr int MaxRun = 63;

quint16 word(const uchar *at)
{
    return quint16(at[0] | (at[1] << 8));
}

void putWord(uchar *at, int value)
{
    at[0] = uchar(value & 0xFF);
    at[1] = uchar((value >> 8) & 0xFF);
}

// The 16 colours of the standard EGA palette, used when a file leaves its header palette empty.
const std::array<QRgb, 16> &egaPalette()
{
    static const std::array<QRgb, 16> colours
        = {qRgb(0, 0, 0), qRgb(0, 0, 170), qRgb(0, 170, 0), qRgb(0, 170, 170), qRgb(170, 0, 0),
            qRgb(170, 0, 170), qRgb(170, 85, 0), qRgb(170, 170, 170), qRgb(85, 85, 85),
            qRgb(85, 85, 255), qRgb(85, 255, 85), qRgb(85, 255, 255), qRgb(255, 85, 85),
            qRgb(255, 85, 255), qRgb(255, 255, 85), qRgb(255, 255, 255)};
    return colours;
}

QList<QRgb> headerPalette(const uchar *header, int colours)
{
    const uchar *entries = header + 16;
    const bool empty = std::all_of(entries, entries + 48, [](uchar b) { return b == 0; });
    QList<QRgb> palette;
    if (empty && colours == 2) {
        palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    } else if (empty) {
        for (int i = 0; i < colours; ++i)
            palette.append(egaPalette()[size_t(i)]);
    } else {
        for (int i = 0; i < colours; ++i)
            palette.append(qRgb(entries[3 * i], entries[3 * i + 1], entries[3 * i + 2]));
    }
    return palette;
}

// Decodes one scan line (all planes) from data[pos, end) into line.
bool decodeLine(const uchar *data, qsizetype &pos, qsizetype end, bool rle, uchar *line, int length,
    int row, QString *error)
{
    int filled = 0;
    while (filled < length) {
        if (pos >= end) {
            *error = QStringLiteral("The PCX image data ends early, in row %1.").arg(row + 1);
            return false;
        }
        const uchar byte = data[pos++];
        if (!rle || (byte & RunFlag) != RunFlag) {
            line[filled++] = byte;
            continue;
        }
        const int count = byte & MaxRun;
        if (pos >= end) {
            *error
                = QStringLiteral("The PCX image data ends inside a run, in row %1.").arg(row + 1);
            return false;
        }
        const uchar value = data[pos++];
        if (count > length - filled) {
            *error = QStringLiteral("A PCX run crosses the end of row %1.").arg(row + 1);
            return false;
        }
        std::fill_n(line + filled, count, value);
        filled += count;
    }
    return true;
}

void encodeLine(const uchar *line, int length, QByteArray &out)
{
    int x = 0;
    while (x < length) {
        const uchar value = line[x];
        int run = 1;
        while (x + run < length && run < MaxRun && line[x + run] == value)
            ++run;
        if (run > 1 || (value & RunFlag) == RunFlag)
            out.append(char(RunFlag | run));
        out.append(char(value));
        x += run;
    }
}

// What a header says about its image, once it is known to be one the decoder reads.
struct PcxLayout
{
    bool runLength = false;
    int bits = 0;
    int planes = 0;
    int width = 0;
    int height = 0;
    int bytesPerLine = 0;
    bool trueColour = false;
    bool eightBit = false;

    int lineLength() const { return bytesPerLine * planes; }
};

// Reads the header into layout; the reason it cannot be read otherwise.
QString readLayout(const QByteArray &file, PcxLayout *layout)
{
    if (file.size() < PcxCodec::HeaderSize)
        return QStringLiteral("The PCX file is shorter than its %1-byte header.")
            .arg(PcxCodec::HeaderSize);
    const auto *data = reinterpret_cast<const uchar *>(file.constData());
    if (data[0] != Maker)
        return QStringLiteral("The file is not a PCX image.");
    const int encoding = data[2];
    if (encoding > 1)
        return QStringLiteral("The PCX file uses an unknown encoding (%1).").arg(encoding);
    const int bits = data[3];
    const int planes = data[65];
    const bool trueColour = bits == 8 && planes == 3;
    const bool packedOrPlanar
        = (bits == 1 || bits == 2 || bits == 4) && planes >= 1 && planes <= 4 && bits * planes <= 4;
    const bool eightBit = bits == 8 && planes == 1;
    if (!trueColour && !packedOrPlanar && !eightBit)
        return QStringLiteral("PCX images with %1 bits in %2 planes are not supported.")
            .arg(bits)
            .arg(planes);

    const int xMin = word(data + 4), yMin = word(data + 6);
    const int xMax = word(data + 8), yMax = word(data + 10);
    if (xMax < xMin || yMax < yMin)
        return QStringLiteral("The PCX header gives an empty image (%1,%2 to %3,%4).")
            .arg(xMin)
            .arg(yMin)
            .arg(xMax)
            .arg(yMax);
    const int width = xMax - xMin + 1;
    const int height = yMax - yMin + 1;
    if (!fitsPixelLimit(width, height))
        return pixelLimitMessage(width, height);
    const int bytesPerLine = word(data + 66);
    const qint64 needed = (qint64(width) * bits + 7) / 8;
    if (bytesPerLine < needed)
        return QStringLiteral("The PCX header's line length (%1 bytes per plane) is too short for "
                              "%2 pixels of %3 bits.")
            .arg(bytesPerLine)
            .arg(width)
            .arg(bits);
    *layout = {encoding == 1, bits, planes, width, height, bytesPerLine, trueColour, eightBit};
    return QString();
}

// The palette of a palette image: the 256 entries after the pixel data of an 8-bit file (whose
// pixel data then ends before them, at dataEnd), else the header's 16. Empty for true colour.
QString readPalette(
    const QByteArray &file, const PcxLayout &layout, qsizetype *dataEnd, QList<QRgb> *palette)
{
    const auto *data = reinterpret_cast<const uchar *>(file.constData());
    *dataEnd = file.size();
    if (layout.eightBit) {
        *dataEnd = file.size() - PcxCodec::TrailingPaletteSize;
        if (*dataEnd < PcxCodec::HeaderSize || data[*dataEnd] != PaletteMarker)
            return QStringLiteral("The 8-bit PCX file has no 256-colour palette at its end.");
        const uchar *entries = data + *dataEnd + 1;
        for (int i = 0; i < FullPaletteSize; ++i)
            palette->append(qRgb(entries[3 * i], entries[3 * i + 1], entries[3 * i + 2]));
    } else if (!layout.trueColour) {
        *palette = headerPalette(data, 1 << (layout.bits * layout.planes));
    }
    return QString();
}

// Turns one decoded line (all its planes) into row y of the image.
void storeLine(const PcxLayout &layout, const uchar *line, QImage &image, int y)
{
    if (layout.trueColour) {
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        const uchar *red = line;
        const uchar *green = red + layout.bytesPerLine;
        const uchar *blue = green + layout.bytesPerLine;
        for (int x = 0; x < layout.width; ++x)
            out[x] = qRgb(red[x], green[x], blue[x]);
        return;
    }
    if (layout.eightBit) {
        memcpy(image.scanLine(y), line, size_t(layout.width));
        return;
    }
    uchar *out = image.scanLine(y);
    const int mask = (1 << layout.bits) - 1;
    for (int x = 0; x < layout.width; ++x) {
        const int bitPos = x * layout.bits;
        const int shift = 8 - layout.bits - bitPos % 8;
        int index = 0;
        for (int p = 0; p < layout.planes; ++p) {
            const uchar packed = line[size_t(p * layout.bytesPerLine + bitPos / 8)];
            index |= ((packed >> shift) & mask) << (p * layout.bits);
        }
        out[x] = uchar(index);
    }
}

// The 128-byte header of an 8-bit, one-plane picture: version 5, run-length encoded, the last
// column and row, the resolution in dpi (72 when the picture has none), the first 16 colours and
// the bytes per line.
std::array<uchar, PcxCodec::HeaderSize> headerOf(
    const QImage &indexed, const QList<QRgb> &palette, int bytesPerLine)
{
    std::array<uchar, PcxCodec::HeaderSize> header{};
    header[0] = Maker;
    header[1] = 5;
    header[2] = 1;
    header[3] = 8;
    putWord(&header[8], indexed.width() - 1);
    putWord(&header[10], indexed.height() - 1);
    const auto dpi = [](int dotsPerMeter) {
        return dotsPerMeter > 0 ? std::clamp(int(std::lround(dotsPerMeter * 0.0254)), 1, 65535)
                                : 72;
    };
    putWord(&header[12], dpi(indexed.dotsPerMeterX()));
    putWord(&header[14], dpi(indexed.dotsPerMeterY()));
    for (int i = 0; i < 16; ++i) {
        header[size_t(16 + 3 * i)] = uchar(qRed(palette[i]));
        header[size_t(17 + 3 * i)] = uchar(qGreen(palette[i]));
        header[size_t(18 + 3 * i)] = uchar(qBlue(palette[i]));
    }
    header[65] = 1;
    putWord(&header[66], bytesPerLine);
    putWord(&header[68], 1); // colour palette
    return header;
}

// The 256-colour palette after the pixels, behind its marker byte.
QByteArray trailingPalette(const QList<QRgb> &palette)
{
    QByteArray trailer(PcxCodec::TrailingPaletteSize, '\0');
    trailer[0] = char(PaletteMarker);
    for (int i = 0; i < FullPaletteSize; ++i) {
        trailer[1 + 3 * i] = char(qRed(palette[i]));
        trailer[2 + 3 * i] = char(qGreen(palette[i]));
        trailer[3 + 3 * i] = char(qBlue(palette[i]));
    }
    return trailer;
}

} // namespace

DecodedImage PcxCodec::read(const QByteArray &file)
{
    PcxLayout layout;
    QString error = readLayout(file, &layout);
    qsizetype dataEnd = 0;
    QList<QRgb> palette;
    if (error.isEmpty())
        error = readPalette(file, layout, &dataEnd, &palette);
    if (!error.isEmpty())
        return DecodedImage::failure(error);

    // Every file byte yields at most 63 line bytes and runs end with their line, so a file too
    // short for its header's image is refused before the image is allocated.
    const int lineLength = layout.lineLength();
    const qint64 leastData
        = qint64(layout.height) * (layout.runLength ? (lineLength + 62) / 63 : lineLength);
    if (dataEnd - HeaderSize < leastData)
        return DecodedImage::failure(QStringLiteral("The PCX file is too short for the %1 x %2 "
                                                    "image its header describes.")
                                         .arg(layout.width)
                                         .arg(layout.height));

    QImage image(layout.width, layout.height,
        layout.trueColour ? QImage::Format_RGB32 : QImage::Format_Indexed8);
    if (image.isNull())
        return DecodedImage::failure(
            QStringLiteral("There is not enough memory for a %1 x %2 image.")
                .arg(layout.width)
                .arg(layout.height));
    if (!layout.trueColour)
        image.setColorTable(palette);
    const auto *data = reinterpret_cast<const uchar *>(file.constData());
    const int horizontalDpi = word(data + 12), verticalDpi = word(data + 14);
    if (horizontalDpi > 0 && verticalDpi > 0) {
        image.setDotsPerMeterX(int(std::lround(horizontalDpi / 0.0254)));
        image.setDotsPerMeterY(int(std::lround(verticalDpi / 0.0254)));
    }

    std::vector<uchar> line(size_t(lineLength), 0);
    qsizetype pos = HeaderSize;
    for (int y = 0; y < layout.height; ++y) {
        if (!decodeLine(data, pos, dataEnd, layout.runLength, line.data(), lineLength, y, &error))
            return DecodedImage::failure(error);
        storeLine(layout, line.data(), image, y);
    }
    return {image, QString()};
}

bool PcxCodec::write(QIODevice &device, const QImage &indexed, QString *error)
{
    if (indexed.format() != QImage::Format_Indexed8) {
        *error = QStringLiteral("Only palette images can be written as PCX.");
        return false;
    }
    // The header holds the last column and row (so 65536 fit) and the bytes per line, which
    // are the width rounded up to even and must fit 16 bits as well: at most 65534 columns.
    const int width = indexed.width(), height = indexed.height();
    const int bytesPerLine = (width + 1) & ~1; // lines are an even number of bytes long
    if (width < 1 || height < 1 || bytesPerLine > 0xFFFF || height > 0x10000) {
        *error = QStringLiteral("A PCX image holds at most 65534 x 65536 pixels; this one has "
                                "%1 x %2.")
                     .arg(width)
                     .arg(height);
        return false;
    }
    const QList<QRgb> palette = paddedPalette(indexed.colorTable());
    const std::array<uchar, PcxCodec::HeaderSize> header = headerOf(indexed, palette, bytesPerLine);
    bool written
        = device.write(reinterpret_cast<const char *>(header.data()), HeaderSize) == HeaderSize;

    std::vector<uchar> line(size_t(bytesPerLine), 0);
    QByteArray encoded;
    encoded.reserve(2 * bytesPerLine + 2);
    for (int y = 0; written && y < height; ++y) {
        memcpy(line.data(), indexed.constScanLine(y), size_t(width));
        encoded.clear();
        encodeLine(line.data(), bytesPerLine, encoded);
        written = device.write(encoded) == encoded.size();
    }

    const QByteArray trailer = trailingPalette(palette);
    written = written && device.write(trailer) == trailer.size();
    if (!written)
        *error = device.errorString();
    return written;
}

} // namespace platform
