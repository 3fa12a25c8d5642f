#pragma once

#include "cli/subcommand.h"

namespace cli {

// `trellis frameset DESIGN.spc [-o OUT.htm]`: writes the HTML frameset document of a Panecraft
// design, the same bytes the designer's Create HTML Document writes, to standard output or to
// OUT.htm (replaced without a question, only once everything is written).
// `trellis frameset DESIGN.spc --html5 [-o OUT.html]`: the same with the design's HTML5 page, the
// bytes of the designer's Create HTML5 Page (its title is the output's, or the design's, name).
// `trellis frameset --import PAGE.htm -o DESIGN.spc`: imports the frameset of an HTML document as
// Import Frameset does, in a design area of 960 x 640 pixels, and writes its design file.
// Exits with 0 when written, 1 for an invalid design, a refused page or a failed write, 2 for a
// usage error.
int runFrameset(const CommandArguments &arguments, QTextStream &out, QTextStream &err);

} // namespace cli
