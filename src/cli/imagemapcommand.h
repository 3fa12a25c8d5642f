#pragma once

#include "cli/subcommand.h"

namespace cli {

// `trellis imagemap PAGE.htm [--map NAME] [--svg] [-o OUT]`: reads the image map of an HTML page as
// Zonemark's Open Map does and writes it as Create HTML Code would (IMG, MAP and AREA lines,
// the picture named as the page names it), or with --svg as Copy SVG Map would, which needs
// the picture for its size. Writes to OUT, replacing it, or to standard output. Exits with 0
// when written; 1 when the page's map cannot be taken (with Open Map's message), the picture is
// unknown or, for --svg, cannot be read, or OUT cannot be written; 2 for a usage error.
int runImageMap(const CommandArguments &arguments, QTextStream &out, QTextStream &err);

} // namespace cli
