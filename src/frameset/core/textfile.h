#pragma once

#include <QByteArray>
#include <QString>

// Text files of the designer: written as UTF-8 with CR LF line ends, read as UTF-8 with any byte
// that is not part of valid UTF-8 taken as Windows-1252 (files from older systems).
namespace frameset::textfile {

// The text of `bytes`: valid UTF-8 sequences decode as UTF-8, every other byte as its
// Windows-1252 character. A leading UTF-8 byte order mark is dropped.
QString decode(const QByteArray &bytes);

// Reads at most `maxBytes` of the file at `path` into `bytes`. False, with the platform's
// description in `error`, when the file cannot be read; false with an empty error when it is
// larger than `maxBytes`.
bool readFile(const QString &path, qint64 maxBytes, QByteArray &bytes, QString &error);

// Writes `bytes` to `path` through a temporary file that replaces the old one only when
// everything was written, so a failed save leaves the old file as it was. Returns an empty
// text on success, else the platform's description of the error.
QString writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace frameset::textfile
