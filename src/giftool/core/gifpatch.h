#pragma once

#include <QByteArray>
#include <QString>

namespace giftool {

// What a save writes into the GIF beside the image itself.
struct GifPatchValues
{
    int imageWidth = 0;
    int imageHeight = 0;
    quint8 sourcePacked = 0; // byte 10 of the last GIF opened, 0 before any
    quint8 sourceAspect = 0; // byte 12 of the last GIF opened
    int transparentIndex = 999; // 999 = none
    bool backgroundSelected = false; // a uniform pick or a converted background
};

// The offset of the first block after the 256-entry global color table.
constexpr int GifFirstBlock = 13 + 768;

// The logical screen packed byte a save writes: a global color table of 256 entries, keeping
// the source's flag, color resolution and sort bits (a source without a table gets the flag).
quint8 packedForSave(quint8 sourcePacked);

// The 8-byte Graphic Control Extension that marks transparentIndex transparent: flag 1 only
// when a background was selected, index 0 when there is none (999 or above 255).
QByteArray graphicControlBlock(bool backgroundSelected, int transparentIndex);

// Turns a GIF written with a 256-entry global color table into a GIF89a whose background
// index is transparent. The header gets the size, packed byte, background index and aspect;
// at byte 781 a Graphic Control Extension is overwritten in place, and in front of an image
// descriptor or any other extension the block is inserted, the file growing by 8 bytes plus
// 1 to 8 trailing spaces. Anything else at 781 leaves the file as it was beyond the header.
// Refused, with the bytes unchanged, for a file that is not such a GIF or a size a GIF
// cannot hold.
bool patchTransparentGif(QByteArray &gif, const GifPatchValues &values, QString *error);

} // namespace giftool
