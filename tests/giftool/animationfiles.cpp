#include "animationfiles.h"

#include <QFile>
#include <QImageReader>
#include <QTest>
#include <gif_lib.h>
#include <vector>

namespace giftesting {

namespace {

ColorMapObject *mapOf(const QList<QRgb> &colours)
{
    if (colours.isEmpty())
        return nullptr;
    std::vector<GifColorType> entries;
    for (const QRgb c : colours)
        entries.push_back({GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))});
    return GifMakeMapObject(int(entries.size()), entries.data());
}

QList<QRgb> coloursOf(const ColorMapObject *map)
{
    QList<QRgb> colours;
    for (int i = 0; map && i < map->ColorCount; ++i)
        colours << qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    return colours;
}

// giflib keeps the blocks in front of an image with that image, so the loop block goes with the
// first frame.
void addLoopBlock(SavedImage *image, int loops)
{
    GifAddExtensionBlock(&image->ExtensionBlockCount, &image->ExtensionBlocks,
        APPLICATION_EXT_FUNC_CODE, 11,
        reinterpret_cast<unsigned char *>(const_cast<char *>("NETSCAPE2.0")));
    unsigned char count[3]
        = {1, static_cast<unsigned char>(loops & 0xFF), static_cast<unsigned char>(loops >> 8)};
    GifAddExtensionBlock(
        &image->ExtensionBlockCount, &image->ExtensionBlocks, CONTINUE_EXT_FUNC_CODE, 3, count);
}

void addFrame(GifFileType *gif, const platform::GifFrame &frame, std::optional<int> loops)
{
    SavedImage *image = GifMakeSavedImage(gif, nullptr);
    if (loops)
        addLoopBlock(image, *loops);
    image->ImageDesc.Left = frame.rect.x();
    image->ImageDesc.Top = frame.rect.y();
    image->ImageDesc.Width = frame.rect.width();
    image->ImageDesc.Height = frame.rect.height();
    image->ImageDesc.Interlace = false;
    image->ImageDesc.ColorMap = mapOf(frame.localColours);
    image->RasterBits = static_cast<GifByteType *>(malloc(size_t(frame.pixels.size())));
    memcpy(image->RasterBits, frame.pixels.constData(), size_t(frame.pixels.size()));
    if (!frame.hasControl)
        return;
    GraphicsControlBlock control{};
    control.DisposalMode = frame.disposal;
    control.DelayTime = frame.delay;
    control.UserInputFlag = frame.waitsForInput;
    control.TransparentColor = frame.transparentIndex;
    EGifGCBToSavedExtension(&control, gif, gif->ImageCount - 1);
}

// The blocks in front of an image, as EGifSpew writes them: a continuation block goes on in the
// extension before it.
bool writeExtensions(GifFileType *gif, const SavedImage &image)
{
    for (int j = 0; j < image.ExtensionBlockCount; ++j) {
        const ExtensionBlock &block = image.ExtensionBlocks[j];
        if (block.Function != CONTINUE_EXT_FUNC_CODE
            && EGifPutExtensionLeader(gif, block.Function) == GIF_ERROR)
            return false;
        if (EGifPutExtensionBlock(gif, block.ByteCount, block.Bytes) == GIF_ERROR)
            return false;
        const bool last = j + 1 == image.ExtensionBlockCount
            || image.ExtensionBlocks[j + 1].Function != CONTINUE_EXT_FUNC_CODE;
        if (last && EGifPutExtensionTrailer(gif) == GIF_ERROR)
            return false;
    }
    return true;
}

} // namespace

bool writeAnimationWithGiflib(const QString &path, const platform::GifAnimation &animation)
{
    int error = 0;
    GifFileType *gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        return false;
    gif->SWidth = animation.screen.width();
    gif->SHeight = animation.screen.height();
    gif->SColorResolution = animation.colourResolution;
    gif->SBackGroundColor = animation.backgroundIndex;
    gif->AspectByte = animation.aspect;
    gif->SColorMap = mapOf(animation.globalColours);
    for (const platform::GifFrame &frame : animation.frames)
        addFrame(gif, frame, gif->ImageCount == 0 ? animation.loopCount : std::nullopt);
    // What EGifSpew does, without its leaks: it frees neither the images nor the global table it
    // was given (the screen descriptor takes a copy and forgets the original), and it loses the
    // copy of a frame's local table when the next frame has none.
    GifFileType saved{};
    saved.SavedImages = gif->SavedImages;
    saved.ImageCount = gif->ImageCount;
    ColorMapObject *global = gif->SColorMap;
    bool ok = EGifPutScreenDesc(gif, gif->SWidth, gif->SHeight, gif->SColorResolution,
                  gif->SBackGroundColor, global)
        == GIF_OK;
    for (int i = 0; ok && i < saved.ImageCount; ++i) {
        const SavedImage &image = saved.SavedImages[i];
        ok = writeExtensions(gif, image);
        if (!image.ImageDesc.ColorMap && gif->Image.ColorMap) {
            GifFreeMapObject(gif->Image.ColorMap);
            gif->Image.ColorMap = nullptr;
        }
        const GifImageDesc &desc = image.ImageDesc;
        ok = ok
            && EGifPutImageDesc(
                   gif, desc.Left, desc.Top, desc.Width, desc.Height, false, desc.ColorMap)
                == GIF_OK;
        for (int y = 0; ok && y < desc.Height; ++y)
            ok = EGifPutLine(gif, image.RasterBits + qsizetype(y) * desc.Width, desc.Width)
                == GIF_OK;
    }
    gif->SavedImages = nullptr;
    gif->ImageCount = 0;
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    GifFreeSavedImages(&saved);
    GifFreeMapObject(global);
    return ok;
}

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

platform::GifFrame flatFrame(const QRect &rect, int index)
{
    platform::GifFrame frame;
    frame.rect = rect;
    frame.pixels = QByteArray(qsizetype(rect.width()) * rect.height(), char(index));
    frame.hasControl = true;
    return frame;
}

platform::GifFrame frameOf(const QImage &indexed)
{
    platform::GifFrame frame = flatFrame(indexed.rect(), 0);
    for (int y = 0; y < indexed.height(); ++y)
        memcpy(frame.line(y), indexed.constScanLine(y), size_t(indexed.width()));
    frame.hasControl = false;
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

} // namespace giftesting
