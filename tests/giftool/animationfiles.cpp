#include "animationfiles.h"

#include "giftestdata.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gif_lib.h>

namespace giftesting {

namespace {

QList<QRgb> coloursOf(const ColorMapObject *map)
{
    QList<QRgb> colours;
    for (int i = 0; map && i < map->ColorCount; ++i)
        colours << qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    return colours;
}

} // namespace

platform::GifAnimation readAnimationWithGiflib(const QString &path)
{
    platform::GifAnimation animation;
    int error = 0;
    GifFileType *gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif) {
        QTest::qFail(GifErrorString(error), __FILE__, __LINE__);
        return animation;
    }
    const int slurped = DGifSlurp(gif);
    const auto close = qScopeGuard([gif] {
        int closeError = 0;
        DGifCloseFile(gif, &closeError);
    });
    if (slurped != GIF_OK) {
        QTest::qFail(GifErrorString(gif->Error), __FILE__, __LINE__);
        return animation;
    }
    animation.screen = QSize(gif->SWidth, gif->SHeight);
    animation.backgroundIndex = gif->SBackGroundColor;
    animation.aspect = gif->AspectByte;
    animation.globalColours = coloursOf(gif->SColorMap);
    const int firstBlocks = gif->ImageCount > 0 ? gif->SavedImages[0].ExtensionBlockCount : 0;
    for (int e = 0; e + 1 < firstBlocks; ++e) {
        const ExtensionBlock &block = gif->SavedImages[0].ExtensionBlocks[e];
        if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11
            && memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0) {
            const ExtensionBlock &count = gif->SavedImages[0].ExtensionBlocks[e + 1];
            animation.loopCount = count.Bytes[1] | (count.Bytes[2] << 8);
        }
    }
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage &image = gif->SavedImages[i];
        platform::GifFrame frame;
        const GifImageDesc &desc = image.ImageDesc;
        frame.rect = QRect(desc.Left, desc.Top, desc.Width, desc.Height);
        frame.pixels = QByteArray(
            reinterpret_cast<const char *>(image.RasterBits), qsizetype(desc.Width) * desc.Height);
        frame.localColours = coloursOf(desc.ColorMap);
        GraphicsControlBlock control{};
        frame.hasControl = DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK;
        frame.disposal = control.DisposalMode;
        frame.delay = control.DelayTime;
        frame.waitsForInput = control.UserInputFlag;
        frame.transparentIndex = frame.hasControl ? control.TransparentColor : -1;
        animation.frames << frame;
    }
    return animation;
}

platform::GifFrame frameOf(const QImage &indexed)
{
    platform::GifFrame frame;
    frame.rect = indexed.rect();
    for (int y = 0; y < indexed.height(); ++y)
        frame.pixels.append(
            reinterpret_cast<const char *>(indexed.constScanLine(y)), indexed.width());
    return frame;
}

QtFrames readFramesWithQt(const QString &path)
{
    QtFrames frames;
    QImageReader reader(path, "gif");
    frames.loopCount = reader.loopCount();
    for (;;) {
        QImage image = reader.read();
        if (image.isNull())
            break;
        frames.delays << reader.nextImageDelay();
        frames.images << image.convertToFormat(QImage::Format_ARGB32);
    }
    return frames;
}

QList<QImage> coalescedByImageMagick(const QString &path)
{
    const QString convert = QStringLiteral("/usr/bin/convert");
    QList<QImage> frames;
    QTemporaryDir dir;
    if (!QFile::exists(convert) || !dir.isValid())
        return frames;
    QProcess process;
    process.start(convert,
        {path, QStringLiteral("-coalesce"), dir.filePath(QStringLiteral("frame-%03d.png"))});
    if (!process.waitForFinished() || process.exitCode() != 0) {
        QTest::qFail(
            qPrintable(QString::fromLocal8Bit(process.readAllStandardError())), __FILE__, __LINE__);
        return frames;
    }
    const QStringList names
        = QDir(dir.path()).entryList({QStringLiteral("frame-*.png")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        frames << QImage(dir.filePath(name)).convertToFormat(QImage::Format_ARGB32);
    return frames;
}

QString wrongPixels(
    const QList<QImage> &opened, const QList<QImage> &saved, const QList<QRgb> &background)
{
    QStringList counts;
    for (qsizetype f = 0; f < std::max(opened.size(), saved.size()); ++f) {
        if (f >= opened.size() || f >= saved.size() || opened[f].size() != saved[f].size()) {
            counts << QStringLiteral("all");
            continue;
        }
        int wrong = 0;
        for (int y = 0; y < opened[f].height(); ++y) {
            for (int x = 0; x < opened[f].width(); ++x) {
                const QRgb was = opened[f].pixel(x, y), is = saved[f].pixel(x, y);
                const bool clear = qAlpha(was) == 0 || background.contains(was);
                wrong += clear ? qAlpha(is) != 0 : qAlpha(is) != 255 || is != was;
            }
        }
        counts << QString::number(wrong);
    }
    return counts.join(QLatin1Char(' '));
}

QString optimisedFile(const QString &name)
{
    return qEnvironmentVariable("TRELLIS_SOURCE_DIR") + QStringLiteral("/tests/data/optimised/")
        + name;
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
