#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QString>

namespace platform {

// The palette of an 8-bit BMP with a 40-byte information header: 256 entries of blue, green,
// red and one reserved byte at byte 54, as the GIF tool reads and rewrites its working bitmap.

// Reads the 256 colours (opaque). False with a reason when the bytes are not such a BMP: a
// missing "BM" signature, another header size or bit depth, or a file too short for the palette.
bool readBmpPalette(const QByteArray &bmp, QList<QRgb> *palette, QString *error = nullptr);

// Overwrites the 256 entries of such a BMP with `palette` (missing entries become black) as
// blue, green, red and the filler byte 0x20; nothing else changes. False with a reason, leaving
// the bytes untouched, when readBmpPalette() would refuse them.
bool writeBmpPalette(QByteArray &bmp, const QList<QRgb> &palette, QString *error = nullptr);

} // namespace platform
