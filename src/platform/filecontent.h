#pragma once

#include <QByteArray>
#include <QString>
#include <limits>
#include <optional>

namespace platform {

// The whole content of the file at `path`. Nothing, with the system's reason in `error`, when
// it cannot be read or holds more than maxBytes.
std::optional<QByteArray> readFileContent(
    const QString &path, QString *error, qint64 maxBytes = std::numeric_limits<qint64>::max());

// Replaces the file's content through a save file (write, then rename), so a failed or
// interrupted write leaves the old file as it was. False, with the system's reason in `error`,
// on failure.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error);

// writeFileAtomically for a file the user is told about: on failure `message` names the file
// and gives the system's reason (cannotWriteText).
bool saveFileContent(const QString &path, const QByteArray &bytes, QString *message);

// What the user is told when the file at `path` could not be written: its path and the
// system's reason, as every tool words it.
QString cannotWriteText(const QString &path, const QString &reason);

} // namespace platform
