#include "giftool/core/gifpatch.h"

#include <QtEndian>

namespace giftool {

namespace {

constexpr char ExtensionIntroducer = 0x21;
constexpr char ImageSeparator = 0x2C;
constexpr char GraphicControlLabel = char(0xF9);
constexpr char GraphicControlSize = 0x04;
constexpr int BlockSize = 8;

bool isGraphicControlAt(const QByteArray &gif, int offset)
{
    return gif.size() >= offset + BlockSize && gif[offset] == ExtensionIntroducer
        && gif[offset + 1] == GraphicControlLabel && gif[offset + 2] == GraphicControlSize;
}

} // namespace

quint8 packedForSave(quint8 sourcePacked)
{
    int p = sourcePacked;
    if (p < 128)
        p = 128;
    return quint8(p - p % 8 + 7);
}

QByteArray graphicControlBlock(bool backgroundSelected, int transparentIndex)
{
    QByteArray block(BlockSize, '\0');
    block[0] = ExtensionIntroducer;
    block[1] = GraphicControlLabel;
    block[2] = GraphicControlSize;
    block[3] = backgroundSelected ? 1 : 0;
    const bool hasIndex = transparentIndex >= 0 && transparentIndex < 256;
    block[6] = char(hasIndex ? transparentIndex : 0);
    return block;
}

bool patchTransparentGif(QByteArray &gif, const GifPatchValues &values, QString *error)
{
    const auto refuse = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    // The edit relies on the color table ending at 781; in any other layout byte 781 lies
    // inside other data and writing there would corrupt the image.
    const bool hasFullTable = gif.size() > GifFirstBlock && (uchar(gif[10]) & 0x87) == 0x87;
    if (!gif.startsWith("GIF8") || !hasFullTable)
        return refuse(QStringLiteral("The GIF file written has no 256-color table; "
                                     "it cannot be made transparent."));
    if (values.imageWidth < 0 || values.imageWidth > 0xFFFF || values.imageHeight < 0
        || values.imageHeight > 0xFFFF)
        return refuse(QStringLiteral("The image is too large for a GIF file."));

    QByteArray out = gif;
    qToLittleEndian<quint16>(quint16(values.imageWidth), out.data() + 6);
    qToLittleEndian<quint16>(quint16(values.imageHeight), out.data() + 8);
    out[10] = char(packedForSave(values.sourcePacked));
    const bool hasIndex = values.transparentIndex >= 0 && values.transparentIndex < 256;
    out[11] = char(hasIndex ? values.transparentIndex : 0);
    out[12] = char(values.sourceAspect);

    const QByteArray block
        = graphicControlBlock(values.backgroundSelected, values.transparentIndex);
    if (isGraphicControlAt(out, GifFirstBlock)) {
        out.replace(GifFirstBlock, BlockSize, block);
        out.replace(0, 6, "GIF89a");
    } else if (out[GifFirstBlock] == ImageSeparator || out[GifFirstBlock] == ExtensionIntroducer) {
        // Everything from 781 moves up by 8 bytes; the file is then padded with spaces to a
        // whole number of 8-byte steps past 781, as the block-wise move has always left it.
        const qsizetype pad = BlockSize - (out.size() - GifFirstBlock) % BlockSize;
        out.insert(GifFirstBlock, block);
        out.append(QByteArray(pad, ' '));
        out.replace(0, 6, "GIF89a");
    }
    gif = out;
    return true;
}

} // namespace giftool
