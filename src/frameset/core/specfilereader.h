#pragma once

#include "frameset/core/design.h"

#include <QByteArray>
#include <QString>

namespace frameset {

enum class SpecFileStatus {
    Valid,
    // Not a spec file: the designer shows invalidFileMessage.
    Invalid,
    // More than 1000 lines before the property section: the designer gives up on the file
    // without a message.
    TooLong,
};

// The outcome of reading a spec file: the design only when the status is Valid, otherwise a
// default design (nothing half-read).
struct SpecFileReadResult
{
    SpecFileStatus status = SpecFileStatus::Invalid;
    Design design;
};

// Spec files are small; anything larger than this is not one.
inline constexpr qint64 MaxSpecFileBytes = 16 * 1024 * 1024;

// Reads the spec file format that writeSpecFile writes, and the files of earlier versions:
// empty layout lines are skipped (so a layout section that starts with an empty line gives the
// same design), records after the Borders line are taken as records 51 upward when present.
// A file is invalid when a section separator, a property line or the Borders line is missing,
// a number is not a number, a line has fewer ";" than values, a path is not a split path, a
// size is negative, or it holds no cell or more than 100 cells or records.
SpecFileReadResult readSpecFile(const QByteArray &bytes);

// Reads the file at `path`; a file that cannot be read or is larger than MaxSpecFileBytes is
// invalid.
SpecFileReadResult loadSpecFile(const QString &path);

// "<path> file is not a valid Panecraft file.", the path exactly as given: file names on this
// platform tell upper from lower case.
QString invalidFileMessage(const QString &path);

// The message shown when an HTML file is chosen to be opened as a spec file.
QString htmlFileRefusedMessage();

} // namespace frameset
