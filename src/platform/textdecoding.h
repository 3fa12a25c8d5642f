#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The text of a design file's bytes (HTML pages are read as browsers read them, htmlencoding.h):
// valid UTF-8 sequences decode as UTF-8, every other byte as its Windows-1252 character (files from
// older systems). A leading UTF-8 byte order mark is dropped.
QString decodeText(const QByteArray &bytes);

} // namespace platform
