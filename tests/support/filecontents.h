#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace testsupport {

// The whole content of a file, or "<missing>" when it cannot be read, so a failed comparison
// says what went wrong.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Writes bytes as the whole content of a file; false when it cannot.
inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace testsupport
