#include "cli/transparentpicture.h"

#include "giftool/core/gifdocument.h"

#include <QTextStream>

namespace cli {

namespace {

// Picks the background at the pixel and recolors it when asked. An empty text on success.
QString pickAt(giftool::GifDocument &document, const TransparentOptions &options)
{
    giftool::BackgroundSelection &selection = document.selection();
    const QPoint at = *options.at;
    const QString where = QStringLiteral("%1,%2").arg(at.x()).arg(at.y());
    if (at.x() >= document.imageWidth() || at.y() >= document.imageHeight()) {
        return where
            + QStringLiteral(" lies outside the %1 x %2 image")
                  .arg(document.imageWidth())
                  .arg(document.imageHeight());
    }
    if (at.x() == document.imageWidth() - 1) {
        return where
            + QStringLiteral(" is in the last column, which has no right-hand neighbour to "
                             "compare the background with; choose a point further left");
    }
    const giftool::PickResult picked = selection.pickBackground(at);
    if (picked.outcome == giftool::PickOutcome::NeedsRecolour && !options.recolourButton) {
        return QStringLiteral("the background at %1 has two colors (palette indexes %2 and %3); "
                              "add --recolor %4 to make it one")
            .arg(where, QString::number(*picked.index), QString::number(*picked.neighbour),
                QStringLiteral("white, grey, black or neighbour"));
    }
    if (!options.recolourButton)
        return QString();
    // On a uniform background the neighbour already has the background's color: there is
    // nothing to recolor it to, and nothing that needs it.
    if (picked.outcome == giftool::PickOutcome::Picked
        && *options.recolourButton == giftool::ConversionButton::Neighbour)
        return QString();
    const giftool::RecolourResult recoloured = selection.recolour(*options.recolourButton);
    if (recoloured.outcome != giftool::RecolourOutcome::Recoloured)
        return recoloured.error;
    if (selection.pickBackground(at).outcome != giftool::PickOutcome::Picked)
        return QStringLiteral("the background at %1 is still not one color").arg(where);
    return QString();
}

// Picks the background the options name, recolored when asked. An empty text on success.
QString pickBackground(giftool::GifDocument &document, const TransparentOptions &options)
{
    if (options.at)
        return pickAt(document, options);
    giftool::BackgroundSelection &selection = document.selection();
    selection.pickIndex(*options.index);
    if (!options.recolourButton)
        return QString();
    const giftool::RecolourResult recoloured = selection.recolour(*options.recolourButton);
    return recoloured.outcome == giftool::RecolourOutcome::Recoloured ? QString()
                                                                      : recoloured.error;
}

void reportSaved(const QString &output, int transparent, const giftool::SaveResult &saved,
    int frameCount, QTextStream &out)
{
    out << output << ": palette index " << transparent << " is transparent";
    if (saved.framesSaved > 1) {
        out << "; its color is clear in " << saved.transparentFrames << " of " << saved.framesSaved
            << " frames";
    } else if (frameCount > 1) {
        out << "; only the first of " << frameCount << " frames was saved";
    }
    out << ".\n";
    if (!saved.merges.isEmpty())
        out << output << ": " << mergeReport(saved.merges) << '\n';
}

} // namespace

QString mergeReport(const QList<giftool::PaletteMerge> &merges)
{
    return QStringLiteral("the palette was full: merged entries %1 to keep the enclosed parts "
                          "apart; largest color change %2")
        .arg(giftool::mergedEntriesText(merges))
        .arg(giftool::largestChange(merges), 0, 'f', 1);
}

PictureOutcome makeTransparent(
    const QString &image, const QString &output, const TransparentOptions &options)
{
    PictureOutcome outcome;
    // No working files: a running window's "TEMP.BMP" is never touched.
    giftool::GifDocument document(giftool::WorkingFiles::none());
    document.selection().setOnlyConnected(options.connected);
    const giftool::OpenResult opened = document.openImage(image);
    if (opened.outcome != giftool::OpenOutcome::Opened) {
        outcome.error = opened.error;
        return outcome;
    }
    outcome.error = pickBackground(document, options);
    if (!outcome.error.isEmpty())
        return outcome;

    const int transparent = document.selection().transparentIndex();
    document.setKeepFullColourInPng(options.fullColour);
    const giftool::SaveResult saved = document.saveTransparentGif(output);
    if (!saved.saved) {
        outcome.error = saved.error;
        outcome.notWritten = saved.notWritten;
        return outcome;
    }
    QTextStream out(&outcome.report);
    reportSaved(output, transparent, saved, document.frameCount(), out);
    outcome.saved = true;
    return outcome;
}

} // namespace cli
