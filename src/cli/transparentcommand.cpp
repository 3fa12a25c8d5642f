#include "cli/transparentcommand.h"

#include "cli/commandline.h"
#include "cli/transparentbatch.h"
#include "cli/transparentoptions.h"
#include "cli/transparentpicture.h"

namespace cli {

namespace {

int runTransparent(const CommandArguments &arguments, QTextStream &out, QTextStream &err)
{
    TransparentOptions options;
    const QString problem = parseTransparentOptions(arguments, options);
    if (!problem.isEmpty()) {
        err << "trellis transparent: " << problem << '\n' << transparentCommand().usage();
        return UsageError;
    }
    if (options.batch())
        return runTransparentBatch(options, out, err);
    const PictureOutcome outcome = makeTransparent(options.images.first(), options.output, options);
    if (!outcome.saved) {
        err << "trellis transparent: " << outcome.error << '\n';
        return Failure;
    }
    out << outcome.report;
    return Success;
}

} // namespace

const SubCommand &transparentCommand()
{
    static const SubCommand command{QStringLiteral("transparent"),
        {{QStringLiteral("IMAGE -o OUT.gif|OUT.png (--at X,Y | --index N | --corner)\n"
                         "[--recolour white|grey|black|neighbour] [--connected] [--full-colour]"),
             QStringLiteral(
                 "save IMAGE as a GIF89a (or PNG) whose background (the colour at image\n"
                 "pixel X,Y, or palette index N) is transparent; animations keep every\n"
                 "frame")},
            {QStringLiteral(
                 "IMAGE... -d OUTDIR (--at X,Y | --index N | --corner)\n"
                 "[--recolour white|grey|black|neighbour] [--connected] [--full-colour]\n"
                 "[--png] [--quiet]"),
                QStringLiteral("the same for many pictures at once, into OUTDIR")}},
        QStringLiteral(
            "Saves IMAGE as a GIF89a file in which the background is transparent: the palette "
            "index\n"
            "of image pixel X,Y (0,0 is the top left; --corner is 0,0) or palette index N.\n"
            "--recolour first turns the background into one colour, needed where it has two\n"
            "colours at X,Y.\n"
            "An animated GIF keeps every frame; the background is picked on the first.\n"
            "OUT.png is a palette PNG whose background is clear; with --full-colour it is a "
            "32-bit\n"
            "PNG of IMAGE's own colours, clear where the background is.\n"
            "--connected makes only the background connected to X,Y transparent: enclosed parts "
            "of\n"
            "its colour stay opaque.\n"
            "With -d, each IMAGE is saved as OUTDIR/NAME.gif (NAME.png with --png), on all cores; "
            "a\n"
            "picture that fails is named and the others are still written. A progress line goes "
            "to\n"
            "a terminal's standard error unless --quiet is given.\n"),
        transparentOptionList(), runTransparent};
    return command;
}

} // namespace cli
