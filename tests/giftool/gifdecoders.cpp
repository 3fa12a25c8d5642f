#include "gifdecoders.h"

#include "animationfiles.h"
#include "giftestdata.h"

#include <QImageReader>
#include <QTest>

namespace giftesting {

bool writeGif(const QString &path, const QImage &indexed, int colorResolution, quint8 aspect)
{
    platform::GifAnimation gif;
    gif.screen = indexed.size();
    gif.colourResolution = colorResolution;
    gif.aspect = aspect;
    gif.globalColours = indexed.colorTable();
    gif.frames = {frameOf(indexed)};
    return writeAnimationWithGiflib(path, gif);
}

void verifyDecoders(const QString &path, const QImage &expected, int transparentIndex)
{
    const platform::GifAnimation gif = readAnimationWithGiflib(path);
    QCOMPARE(gif.screen, expected.size());
    QCOMPARE(gif.globalColours, expected.colorTable());
    QCOMPARE(gif.frames.size(), 1);
    QVERIFY(gif.frames[0].hasControl);
    QCOMPARE(gif.frames[0].transparentIndex, transparentIndex);
    QCOMPARE(gif.frames[0].pixels, frameOf(expected).pixels);

    QImageReader reader(path, "gif");
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), expected.size());
    QCOMPARE(firstBadPixel(expected.size(),
                 [&](int x, int y) {
                     const int index = expected.pixelIndex(x, y);
                     return index == transparentIndex
                         ? qAlpha(image.pixel(x, y)) == 0
                         : image.pixel(x, y) == (expected.color(index) | 0xFF000000u);
                 }),
        QString());
}

} // namespace giftesting
