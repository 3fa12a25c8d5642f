#pragma once

#include "giftool/core/palettetable.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace giftool {

// The picture as the working bitmap holds it: 256 opaque colors, the resolution a bitmap file
// keeps and none of the picture's other metadata; the picture itself, unshared, when it is
// already so. A null image for anything but an 8-bit palette picture.
QImage asWorkingPicture(const QImage &picture);

// The working bitmap: the 256-color, 8-bit bitmap file ("TEMP.BMP") that shows the image being
// edited to anyone who looks in the working folder. The picture itself is held in memory (see
// PaletteDocument); this file only follows it, and is written but never read. Without a path
// there is no file, as on the command line, and every write succeeds at once.
class WorkingBitmap
{
public:
    explicit WorkingBitmap(QString path = QString())
        : m_path(std::move(path))
    { }

    const QString &path() const { return m_path; }

    // Replaces the file with the picture as an 8-bit bitmap, in one atomic replacement. On
    // failure the file is unchanged and error names it and says why.
    bool write(const QImage &picture, QString *error);

    // Writes table as the file's palette (with the 0x20 filler byte) and gives every pixel whose
    // index is one of from the index to, changing no other byte of what was last written, in
    // one atomic replacement. On failure the file is unchanged.
    bool rewrite(const PaletteTable &table, const QList<int> &from, int to, QString *error);

    // Gives every pixel of an uncompressed 8-bit bitmap file (given as its bytes) whose index
    // is one of from the index to; row padding is left alone. Refused, with the bytes
    // unchanged, when they are not such a file.
    static bool remapPixels(QByteArray &bitmap, const QList<int> &from, int to, QString *error);

private:
    QString m_path;
    // What the file holds: the bytes last written.
    QByteArray m_bytes;
};

// Gives every pixel of a palette picture whose index is one of from the index to.
void remapIndexes(QImage &picture, const QList<int> &from, int to);

} // namespace giftool
