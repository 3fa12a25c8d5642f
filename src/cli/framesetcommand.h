#pragma once

#include <QStringList>
#include <QTextStream>

namespace cli {

// `trellis frameset DESIGN.spc [-o OUT.htm]`: writes the HTML frameset document of a Panecraft
// design, the same bytes the designer's Create HTML Document writes, to standard output or to
// OUT.htm (replaced without a question, only once everything is written). args are the
// arguments after "frameset". Returns 0 when written, 1 for an invalid design or a failed
// write, 2 for a usage error.
int runFrameset(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace cli
