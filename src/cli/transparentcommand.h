#pragma once

#include "cli/subcommand.h"

namespace cli {

// `trellis transparent IMAGE -o OUT.gif (--at X,Y | --index N)
// [--recolor white|grey|black|neighbour]`: opens IMAGE as the GIF tool does, selects the
// background at image pixel X,Y as a click there would (or palette index N), recolors it when
// asked as the Background frame's button would (followed by a second click at the same point)
// and saves OUT.gif with that index transparent, byte for byte as the window saves it.
// Exits with 0 when saved; 1 when the image cannot be read, the background at X,Y has more
// than one color and no --recolor was given, or the file cannot be written; 2 for a usage
// error.
int runTransparent(const CommandArguments &arguments, QTextStream &out, QTextStream &err);

} // namespace cli
