#pragma once

#include "cli/subcommand.h"

namespace cli {

// `trellis frameset DESIGN.spc [-o OUT.htm]`: writes the HTML frameset document of a Panecraft
// design, the same bytes the designer's Create HTML Document writes, to standard output or to
// OUT.htm (replaced without a question, only once everything is written). Exits with 0 when
// written, 1 for an invalid design or a failed write, 2 for a usage error.
SubCommand framesetCommand();

} // namespace cli
