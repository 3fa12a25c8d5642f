#pragma once

#include <QByteArray>

namespace platform {

// The character encoding a browser reads a page's bytes in, by its canonical name
// ("windows-1252", "UTF-8", "Shift_JIS"...): a byte order mark first; else a charset that a
// META element within the first 1024 bytes declares (`charset`, or `http-equiv=Content-Type`
// with a `content` naming one), found as browsers pre-scan the bytes, with their table of
// labels (so "iso-8859-1" and "us-ascii" read as windows-1252); else UTF-8 when every byte is
// valid UTF-8, and windows-1252 otherwise.
QByteArray htmlEncoding(const QByteArray &page);

// The page's text in UTF-8, decoded from htmlEncoding(page) with the system's converter. A byte
// sequence the encoding does not define becomes U+FFFD (in windows-1252, the five undefined
// bytes keep their C1 code points), as in browsers; the byte order mark is dropped.
QByteArray htmlTextInUtf8(const QByteArray &page);

} // namespace platform
