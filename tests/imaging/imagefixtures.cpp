#include "imagefixtures.h"

#include <QBuffer>
#include <gif_lib.h>

namespace fixtures {

namespace {

void putWord(QByteArray &bytes, int offset, int value)
{
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char((value >> 8) & 0xFF);
}

int writeToArray(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

} // namespace

QByteArray PcxFile::header() const
{
    QByteArray h(128, '\0');
    h[0] = 0x0A;
    h[1] = char(version);
    h[2] = char(encoding);
    h[3] = char(bitsPerPixel);
    putWord(h, 4, xMin);
    putWord(h, 6, yMin);
    putWord(h, 8, xMax);
    putWord(h, 10, yMax);
    putWord(h, 12, 72);
    putWord(h, 14, 72);
    for (int i = 0; i < headerPalette.size() && i < 16; ++i) {
        h[16 + 3 * i] = char(qRed(headerPalette[i]));
        h[17 + 3 * i] = char(qGreen(headerPalette[i]));
        h[18 + 3 * i] = char(qBlue(headerPalette[i]));
    }
    h[65] = char(planes);
    putWord(h, 66, bytesPerLine);
    putWord(h, 68, 1);
    return h;
}

QByteArray PcxFile::encoded() const
{
    QByteArray out;
    for (const QByteArray &line : scanLines) {
        if (encoding == 0) {
            out.append(line);
            continue;
        }
        for (int x = 0; x < line.size();) {
            const char value = line[x];
            int run = 1;
            while (x + run < line.size() && run < 63 && line[x + run] == value)
                ++run;
            if (run > 1 || (quint8(value) & 0xC0) == 0xC0)
                out.append(char(0xC0 | run));
            out.append(value);
            x += run;
        }
    }
    return out;
}

QByteArray PcxFile::bytes() const
{
    QByteArray file = header() + encoded();
    if (!trailingPalette.isEmpty()) {
        file.append(char(0x0C));
        for (int i = 0; i < 256; ++i) {
            const QRgb c = trailingPalette.value(i, qRgb(0, 0, 0));
            file.append(char(qRed(c)));
            file.append(char(qGreen(c)));
            file.append(char(qBlue(c)));
        }
    }
    return file;
}

PcxFile pcxFromIndexes(const QImage &indexed, int bits, int planes)
{
    PcxFile pcx;
    pcx.bitsPerPixel = bits;
    pcx.planes = planes;
    pcx.xMax = indexed.width() - 1;
    pcx.yMax = indexed.height() - 1;
    const int needed = (indexed.width() * bits + 7) / 8;
    pcx.bytesPerLine = needed + (needed % 2);
    if (bits * planes == 8)
        pcx.trailingPalette = indexed.colorTable();
    else
        pcx.headerPalette = indexed.colorTable().mid(0, 16);
    const int mask = (1 << bits) - 1;
    for (int y = 0; y < indexed.height(); ++y) {
        QByteArray line(pcx.bytesPerLine * planes, '\0');
        for (int x = 0; x < indexed.width(); ++x) {
            const int index = indexed.pixelIndex(x, y);
            for (int p = 0; p < planes; ++p) {
                const int value = (index >> (p * bits)) & mask;
                const int bitPos = x * bits;
                const int at = p * pcx.bytesPerLine + bitPos / 8;
                line[at] = char(quint8(line[at]) | (value << (8 - bits - bitPos % 8)));
            }
        }
        pcx.scanLines.push_back(line);
    }
    return pcx;
}

PcxFile pcxFromTrueColour(const QImage &image)
{
    PcxFile pcx;
    pcx.bitsPerPixel = 8;
    pcx.planes = 3;
    pcx.xMax = image.width() - 1;
    pcx.yMax = image.height() - 1;
    pcx.bytesPerLine = image.width() + image.width() % 2;
    for (int y = 0; y < image.height(); ++y) {
        QByteArray line(pcx.bytesPerLine * 3, '\0');
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            line[x] = char(qRed(c));
            line[pcx.bytesPerLine + x] = char(qGreen(c));
            line[2 * pcx.bytesPerLine + x] = char(qBlue(c));
        }
        pcx.scanLines.push_back(line);
    }
    return pcx;
}

QByteArray gifByGiflib(const QImage &indexed, const GiflibGif &how)
{
    QByteArray out;
    int error = 0;
    GifFileType *gif = EGifOpen(&out, writeToArray, &error);
    // A table of the smallest power of two that holds the image's colours, as GIF requires.
    const QList<QRgb> table = indexed.colorTable();
    int tableSize = how.fullTable ? 256 : 2;
    while (tableSize < table.size())
        tableSize *= 2;
    std::vector<GifColorType> colours(size_t(tableSize), GifColorType{0, 0, 0});
    for (int i = 0; i < table.size(); ++i)
        colours[size_t(i)] = {GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])),
            GifByteType(qBlue(table[i]))};
    ColorMapObject *map = GifMakeMapObject(tableSize, colours.data());
    std::vector<GifColorType> other(256, GifColorType{1, 2, 3});
    ColorMapObject *globalMap = how.localTable ? GifMakeMapObject(256, other.data()) : map;
    const QSize screen = how.screen.isValid() ? how.screen : indexed.size();
    EGifSetGifVersion(gif, how.extensions);
    EGifPutScreenDesc(gif, screen.width(), screen.height(), 8, how.background, globalMap);
    if (how.extensions) {
        EGifPutComment(gif, "made for a test");
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, how.transparent};
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
    }
    EGifPutImageDesc(gif, how.offset.x(), how.offset.y(), indexed.width(), indexed.height(),
        how.interlaced, how.localTable ? map : nullptr);
    std::vector<GifPixelType> line(size_t(indexed.width()));
    const auto putRow = [&](int y) {
        memcpy(line.data(), indexed.constScanLine(y), line.size());
        EGifPutLine(gif, line.data(), indexed.width());
    };
    if (how.interlaced) {
        const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = starts[pass]; y < indexed.height(); y += steps[pass])
                putRow(y);
    } else {
        for (int y = 0; y < indexed.height(); ++y)
            putRow(y);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    if (how.localTable)
        GifFreeMapObject(globalMap);
    return out;
}

QByteArray writtenBy(const std::function<bool(QIODevice &)> &write)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return write(buffer) ? bytes : QByteArray();
}

QImage indexedPattern(int width, int height, int colours)
{
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table.append(qRgb((i * 37) % 256, (i * 91 + 13) % 256, 255 - i % 256));
    image.setColorTable(table);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, uint((x + 2 * y) % colours));
    return image;
}

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                qRgb(x * 255 / std::max(1, width - 1), y * 255 / std::max(1, height - 1),
                    (x * 3 + y * 5) % 256));
    return image;
}

QString dataFile(const QString &name)
{
    return qEnvironmentVariable("TRELLIS_SOURCE_DIR") + QStringLiteral("/tests/data/") + name;
}

bool sameIndexes(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.format() != QImage::Format_Indexed8
        || b.format() != QImage::Format_Indexed8)
        return false;
    for (int y = 0; y < a.height(); ++y)
        if (memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width())) != 0)
            return false;
    return true;
}

} // namespace fixtures
