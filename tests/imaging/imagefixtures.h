#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QString>
#include <functional>

namespace fixtures {

// The bytes of a file in tests/imaging/data (see its README).
QByteArray imagingData(const QString &name);

// The bare GIF87a giflib's own encoder writes for an 8-bit picture, with a 256-entry table.
QByteArray gifByGiflib(const QImage &indexed);

// What write puts into a buffer; empty when it returns false.
QByteArray writtenBy(const std::function<bool(QIODevice &)> &write);

// Palette image whose index at (x, y) is (x + 2y) mod colours, with distinct colours.
QImage indexedPattern(int width, int height, int colours);

// True-colour image with smooth gradients (many colours).
QImage gradient(int width, int height);

// Path of a file in tests/data.
QString dataFile(const QString &name);

// Whether two palette images have the same indexes everywhere.
bool sameIndexes(const QImage &a, const QImage &b);

} // namespace fixtures
