#pragma once

#include "cli/subcommand.h"

namespace cli {

// `trellis transparent IMAGE -o OUT.gif (--at X,Y | --index N | --corner)
// [--recolour white|grey|black|neighbour]`, or many pictures with -d OUTDIR: opens IMAGE as the
// GIF tool does, picks the background at image pixel X,Y (or palette index N), recolours it when
// asked and picks it again, and saves OUT.gif with that index transparent, byte for byte as the
// window saves it. Exits with 0 when saved; 1 when the image cannot be read, the background at
// X,Y has more than one colour and no --recolour was given, or the file cannot be written; 2 for
// a usage error.
int runTransparent(const CommandArguments &arguments, QTextStream &out, QTextStream &err);

} // namespace cli
