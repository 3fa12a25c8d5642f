#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

enum class ImageFileFormat { Unknown, Gif, Pcx, Bmp, Jpeg, Tiff, Png };

// The number of leading bytes detectImageFormat() needs to see.
constexpr int ImageSignatureLength = 8;

// The format a file's first bytes announce, whatever its name says.
ImageFileFormat detectImageFormat(const QByteArray &head);

// The format a file name's extension asks for (case-insensitive): .gif, .bmp, .jpg or .jpeg,
// .tif or .tiff, .pcx, .png. Unknown for any other name.
ImageFileFormat formatForFileName(const QString &path);

// The unsigned number of `count` bytes (at most 4) stored least significant first at `offset`,
// as the BMP headers keep their fields; the bytes must be there.
quint32 littleEndian(const QByteArray &bytes, qsizetype offset, int count);

// "GIF", "PCX", "BMP", "JPEG", "TIFF", "PNG" (empty for Unknown), for messages.
QString formatName(ImageFileFormat format);

} // namespace platform
