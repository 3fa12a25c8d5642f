#pragma once

#include <QImage>
#include <QString>

namespace giftesting {

// Writes an 8-bit picture as a GIF with giflib, with a global color table of exactly the
// picture's colors (a power of two from 2 to 256), the given color resolution bits and, at
// byte 12, the given pixel aspect byte.
bool writeGif(const QString &path, const QImage &indexed, int colorResolution, quint8 aspect);

// Reads a saved GIF with giflib and with Qt's reader, independently of the tool, and checks
// (with QTest) that both see transparentIndex as the transparent color (or none when it is
// -1) and every other pixel equal to the 256-color picture expected.
void verifyDecoders(const QString &path, const QImage &expected, int transparentIndex);

} // namespace giftesting
