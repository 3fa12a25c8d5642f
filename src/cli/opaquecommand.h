#pragma once

#include "cli/subcommand.h"

namespace cli {

// `trellis opaque FILE.gif`: switches off the transparency a GIF89a file saved by the GIF tool
// carries, without asking. Exits with 0 when the flag was cleared or none was set, 1 when the
// file is no such GIF or cannot be written, 2 for a usage error.
int runOpaque(const CommandArguments &arguments, QTextStream &out, QTextStream &err);

} // namespace cli
