#pragma once

#include "cli/transparentoptions.h"

#include <QString>

namespace cli {

// What became of one picture: the lines for the standard output, or why it failed.
struct PictureOutcome
{
    bool saved = false;
    QString report;
    QString error;
    bool notWritten = false; // the output could not be written: error names it and says why
};

// Opens image, picks and recolors its background as the options say and saves it as output,
// with working files of its own, held in memory: the same file the window would write. Safe to
// run for several pictures at once.
PictureOutcome makeTransparent(
    const QString &image, const QString &output, const TransparentOptions &options);

// The line that reports palette merges made to keep enclosed parts apart.
QString mergeReport(const QList<giftool::PaletteMerge> &merges);

} // namespace cli
