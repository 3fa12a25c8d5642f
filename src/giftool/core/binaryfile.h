#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace giftool {

// Reads a whole file. On failure returns nothing and puts the system's reason into error.
std::optional<QByteArray> readBinaryFile(const QString &path, QString *error);

// Replaces a file's content through a save file (write, then rename), so a failed write leaves
// the old file as it was. On failure puts the system's reason into error.
bool writeBinaryFile(const QString &path, const QByteArray &bytes, QString *error);

} // namespace giftool
