#include "platform/imaging/gifcodec.h"

#include "platform/imaging/giflibio.h"
#include "platform/imaging/imagefileformat.h"
#include "platform/imaging/imagelimits.h"
#include "platform/imaging/lzwencoder.h"
#include "platform/imaging/palettes.h"

#include <QIODevice>
#include <gif_lib.h>
#include <vector>

namespace platform {

namespace {

using namespace giflib;

// Advances to the first image descriptor, skipping extensions. False at the trailer or on error.
bool findFirstImage(GifFileType *gif, QString *error)
{
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &record) == GIF_ERROR) {
            *error = decodeError(gif->Error);
            return false;
        }
        if (record == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif) == GIF_ERROR) {
                *error = decodeError(gif->Error);
                return false;
            }
            return true;
        }
        if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType *block = nullptr;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
                *error = decodeError(gif->Error);
                return false;
            }
            if (!skipExtensionBlocks(gif, block)) {
                *error = decodeError(gif->Error);
                return false;
            }
            continue;
        }
        *error = record == TERMINATE_RECORD_TYPE
            ? QStringLiteral("The GIF file contains no image.")
            : QStringLiteral("The GIF file's structure is damaged.");
        return false;
    }
}

// Why the first image's canvas, the screen grown to hold the frame, cannot be made; empty when
// it can, with its size in canvas.
QString canvasProblem(const GifFileType *gif, QSize *canvas)
{
    const GifImageDesc &frame = gif->Image;
    if (!fitsPixelLimit(frame.Width, frame.Height))
        return pixelLimitMessage(frame.Width, frame.Height);
    const qint64 canvasWidth = std::max<qint64>(gif->SWidth, qint64(frame.Left) + frame.Width);
    const qint64 canvasHeight = std::max<qint64>(gif->SHeight, qint64(frame.Top) + frame.Height);
    if (!fitsPixelLimit(canvasWidth, canvasHeight))
        return pixelLimitMessage(canvasWidth, canvasHeight);
    // No GIF screen is wider or taller than 65535: a frame placed past it is damaged, and such
    // a picture could not be saved as GIF again.
    if (canvasWidth > 65535 || canvasHeight > 65535)
        return QStringLiteral("The GIF image's frame lies beyond the 65535 pixels a GIF screen "
                              "can have.");
    *canvas = QSize(int(canvasWidth), int(canvasHeight));
    return QString();
}

// The canvas with the colour table, filled with the screen's background where the frame does
// not cover it; a null image when there is no memory for it.
QImage blankCanvas(const GifFileType *gif, const ColorMapObject *map, QSize canvas)
{
    QImage image(canvas, QImage::Format_Indexed8);
    if (image.isNull())
        return image;
    QList<QRgb> palette;
    palette.reserve(map->ColorCount);
    for (int i = 0; i < map->ColorCount; ++i)
        palette.append(qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue));
    image.setColorTable(palette);
    if (canvas != QSize(gif->Image.Width, gif->Image.Height)) {
        const int background = gif->SBackGroundColor < map->ColorCount ? gif->SBackGroundColor : 0;
        image.fill(uint(background));
    }
    return image;
}

// The layout giflib writes for a screen of one image, up to its LZW data: "GIF87a", the screen
// descriptor with a 256-entry global table (packed byte 0xF7: the table, 8 bits of colour
// resolution, 256 entries), background 0, aspect 0, the table and the image descriptor at byte
// 781. The LZW data and the trailer follow.
void appendScreenAndDescriptor(QByteArray &file, const QImage &indexed)
{
    const auto word = [&file](int value) {
        file.append(char(value & 0xFF));
        file.append(char((value >> 8) & 0xFF));
    };
    file.append("GIF87a");
    word(indexed.width());
    word(indexed.height());
    file.append(char(0xF7));
    file.append(2, '\0');
    for (const QRgb colour : paddedPalette(indexed.colorTable())) {
        file.append(char(qRed(colour)));
        file.append(char(qGreen(colour)));
        file.append(char(qBlue(colour)));
    }
    file.append(char(0x2C));
    word(0);
    word(0);
    word(indexed.width());
    word(indexed.height());
    file.append('\0');
}

} // namespace

DecodedImage GifCodec::read(const QByteArray &file)
{
    if (detectImageFormat(file) != ImageFileFormat::Gif)
        return DecodedImage::failure(QStringLiteral("The file is not a GIF image."));
    // giflib reports a cut-off screen descriptor or colour table as a missing descriptor.
    const auto packed = file.size() > PackedFieldsOffset ? quint8(file[PackedFieldsOffset]) : 0;
    const qsizetype screenEnd = ColourTableOffset + ((packed & 0x80) ? 3 << ((packed & 7) + 1) : 0);
    if (file.size() < screenEnd)
        return DecodedImage::failure(decodeError(D_GIF_ERR_READ_FAILED));
    MemoryInput input{&file};
    int openError = 0;
    Decoder gif(DGifOpen(&input, readFromMemory, &openError));
    if (!gif)
        return DecodedImage::failure(decodeError(openError));

    QString error;
    if (!findFirstImage(gif.get(), &error))
        return DecodedImage::failure(error);
    const GifImageDesc &frame = gif->Image;
    QSize canvas;
    if (const QString problem = canvasProblem(gif.get(), &canvas); !problem.isEmpty())
        return DecodedImage::failure(problem);
    const ColorMapObject *map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!map || map->ColorCount < 1 || !map->Colors)
        return DecodedImage::failure(QStringLiteral("The GIF image has no colour table."));
    QImage image = blankCanvas(gif.get(), map, canvas);
    if (image.isNull())
        return DecodedImage::failure(QStringLiteral("There is not enough memory for a %1 x %2 "
                                                    "image.")
                                         .arg(canvas.width())
                                         .arg(canvas.height()));

    for (const int y : rowOrder(frame.Height, frame.Interlace)) {
        GifPixelType *line = image.scanLine(frame.Top + y) + frame.Left;
        if (DGifGetLine(gif.get(), line, frame.Width) == GIF_ERROR)
            return DecodedImage::failure(decodeError(gif->Error));
    }
    coverUsedIndexes(image);
    return {image, QString()};
}

bool GifCodec::write(
    QIODevice &device, const QImage &indexed, QString *error, const GifImageData *ready)
{
    if (indexed.format() != QImage::Format_Indexed8) {
        *error = QStringLiteral("Only palette images can be written as GIF.");
        return false;
    }
    const int width = indexed.width(), height = indexed.height();
    if (width < 1 || height < 1 || width > 65535 || height > 65535) {
        *error = QStringLiteral("A GIF image holds at most 65535 x 65535 pixels; this one has "
                                "%1 x %2.")
                     .arg(width)
                     .arg(height);
        return false;
    }
    QByteArray file;
    file.reserve(ImageDescriptorOffset + 32 + qsizetype(width) * height / 2);
    appendScreenAndDescriptor(file, indexed);
    if (ready && ready->matches(indexed)) {
        file.append(ready->bytes());
    } else {
        LzwEncoder encoder(GifImageData::BitsPerPixel);
        encoder.begin(file);
        for (int y = 0; y < height; ++y)
            encoder.add(indexed.constScanLine(y), width);
        encoder.finish();
    }
    file.append(';');
    if (device.write(file) != file.size()) {
        *error = device.errorString();
        return false;
    }
    return true;
}

bool GifCodec::screenBytes(const QByteArray &head, quint8 *packedFields, quint8 *aspectRatio)
{
    if (head.size() <= AspectRatioOffset || detectImageFormat(head) != ImageFileFormat::Gif)
        return false;
    *packedFields = quint8(head.at(PackedFieldsOffset));
    *aspectRatio = quint8(head.at(AspectRatioOffset));
    return true;
}

} // namespace platform
