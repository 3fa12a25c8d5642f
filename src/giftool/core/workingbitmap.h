#pragma once

#include "giftool/core/palettetable.h"

#include <QImage>
#include <QList>
#include <QString>
#include <optional>

namespace giftool {

// The working bitmap: the 256-color, 8-bit bitmap file that holds the image being edited. The
// picture on screen is loaded from it and background conversions rewrite it. Without a window
// the picture may be held in memory instead, where nothing else looks at the file.
class WorkingBitmap
{
public:
    explicit WorkingBitmap(QString path = QString())
        : m_path(std::move(path))
    { }

    // A working bitmap held in memory, where nobody else looks at the file: it holds the picture
    // exactly as storing it in the file and loading it again would give it back.
    static WorkingBitmap heldInMemory(const QImage &picture);

    const QString &path() const { return m_path; }

    // Fills table from the file's palette.
    bool readPalette(PaletteTable &table, QString *error) const;

    // The picture held by the file, as an 8-bit image with its color table; a null image, with
    // the reason in error, when the file cannot be read or holds no 8-bit palette image.
    QImage loadPicture(QString *error) const;

    // The picture and the palette, from one reading of the file.
    bool load(QImage &picture, PaletteTable &table, QString *error) const;

    // Writes table as the file's palette and gives every pixel whose index is one of from the
    // index to, in one atomic replacement of the file. On failure the file is unchanged.
    bool rewrite(const PaletteTable &table, const QList<int> &from, int to, QString *error);

    // Replaces the file with an 8-bit picture of 256 colors, in one atomic replacement.
    bool store(const QImage &picture, QString *error);

    // Gives every pixel of an uncompressed 8-bit bitmap file (given as its bytes) whose index
    // is one of from the index to; row padding is left alone. Refused, with the bytes
    // unchanged, when they are not such a file.
    static bool remapPixels(QByteArray &bitmap, const QList<int> &from, int to, QString *error);

private:
    QString m_path;
    std::optional<QImage> m_held;
};

} // namespace giftool
