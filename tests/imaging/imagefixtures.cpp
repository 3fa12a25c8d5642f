#include "imagefixtures.h"

#include <QBuffer>
#include <QFile>
#include <gif_lib.h>
#include <vector>

namespace fixtures {

namespace {

int writeToArray(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

} // namespace

QByteArray imagingData(const QString &name)
{
    QFile file(
        qEnvironmentVariable("TRELLIS_SOURCE_DIR") + QStringLiteral("/tests/imaging/data/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray gifByGiflib(const QImage &indexed)
{
    QByteArray out;
    int error = 0;
    GifFileType *gif = EGifOpen(&out, writeToArray, &error);
    const QList<QRgb> table = indexed.colorTable();
    std::vector<GifColorType> colours(256, GifColorType{0, 0, 0});
    for (int i = 0; i < table.size(); ++i)
        colours[size_t(i)] = {GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])),
            GifByteType(qBlue(table[i]))};
    ColorMapObject *map = GifMakeMapObject(256, colours.data());
    EGifSetGifVersion(gif, false);
    EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map);
    EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr);
    std::vector<GifPixelType> line(size_t(indexed.width()));
    for (int y = 0; y < indexed.height(); ++y) {
        memcpy(line.data(), indexed.constScanLine(y), line.size());
        EGifPutLine(gif, line.data(), indexed.width());
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
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
