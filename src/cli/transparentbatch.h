#pragma once

#include "cli/transparentoptions.h"

#include <QTextStream>

namespace cli {

// Runs `trellis transparent IMAGE... -d OUTDIR ...`: every picture is made transparent as a
// run of its own would make it, several at a time, and saved as OUTDIR/NAME.gif (or .png).
// A picture that fails is named with its reason on err (its output file, when that is what
// could not be written) and the others are still written.
// Returns the exit code: 1 when any picture failed.
int runTransparentBatch(const TransparentOptions &options, QTextStream &out, QTextStream &err);

// The file a picture of the batch is saved as.
QString batchOutputName(const QString &image, const QString &folder, bool png);

} // namespace cli
