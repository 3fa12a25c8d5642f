#include "gifdecoders.h"

#include <QFile>
#include <QImageReader>
#include <QTest>
#include <gif_lib.h>
#include <vector>

namespace giftesting {

bool writeGif(const QString &path, const QImage &indexed, int colorResolution, quint8 aspect)
{
    int error = 0;
    GifFileType *gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        return false;
    std::vector<GifColorType> colors;
    for (QRgb c : indexed.colorTable())
        colors.push_back({GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))});
    ColorMapObject *map = GifMakeMapObject(int(colors.size()), colors.data());
    bool ok = map
        && EGifPutScreenDesc(gif, indexed.width(), indexed.height(), colorResolution, 0, map)
            == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height(); ++y) {
        std::vector<GifPixelType> row(indexed.scanLine(y), indexed.scanLine(y) + indexed.width());
        ok = EGifPutLine(gif, row.data(), indexed.width()) == GIF_OK;
    }
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    GifFreeMapObject(map);

    QFile file(path);
    if (!ok || !file.open(QIODevice::ReadWrite) || !file.seek(12))
        return false;
    return file.write(reinterpret_cast<const char *>(&aspect), 1) == 1;
}

void verifyDecoders(const QString &path, const QImage &expected, int transparentIndex)
{
    int error = 0;
    GifFileType *gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    QVERIFY2(gif, GifErrorString(error));
    const int slurped = DGifSlurp(gif);
    const auto close = qScopeGuard([gif] {
        int closeError = 0;
        DGifCloseFile(gif, &closeError);
    });
    QCOMPARE(slurped, GIF_OK);
    QCOMPARE(gif->SWidth, expected.width());
    QCOMPARE(gif->SHeight, expected.height());
    QVERIFY(gif->SColorMap);
    QCOMPARE(gif->SColorMap->ColorCount, 256);
    for (int i = 0; i < 256; ++i) {
        const GifColorType c = gif->SColorMap->Colors[i];
        QCOMPARE(qRgb(c.Red, c.Green, c.Blue), expected.color(i));
    }
    QCOMPARE(gif->ImageCount, 1);
    GraphicsControlBlock control{};
    QCOMPARE(DGifSavedExtensionToGCB(gif, 0, &control), GIF_OK);
    QCOMPARE(
        control.TransparentColor, transparentIndex == -1 ? NO_TRANSPARENT_COLOR : transparentIndex);
    const GifByteType *raster = gif->SavedImages[0].RasterBits;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x)
            QCOMPARE(int(raster[y * expected.width() + x]), expected.pixelIndex(x, y));
    }

    QImageReader reader(path, "gif");
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const int index = expected.pixelIndex(x, y);
            const QRgb pixel = image.pixel(x, y);
            if (index == transparentIndex)
                QCOMPARE(qAlpha(pixel), 0);
            else
                QCOMPARE(pixel, expected.color(index) | 0xFF000000u);
        }
    }
}

} // namespace giftesting
