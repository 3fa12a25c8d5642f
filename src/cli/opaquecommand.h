#pragma once

#include <QStringList>
#include <QTextStream>

namespace cli {

// `trellis opaque FILE.gif`: switches off the transparency a GIF89a file saved by the GIF tool
// carries, without asking. args are the arguments after "opaque". Returns the exit code:
// 0 when the flag was cleared or none was set, 1 when the file is no such GIF or cannot be
// written, 2 for a usage error.
int runOpaque(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace cli
