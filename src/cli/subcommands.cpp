#include "cli/commandline.h"
#include "cli/framesetcommand.h"
#include "cli/imagemapcommand.h"
#include "cli/opaquecommand.h"
#include "cli/transparentcommand.h"
#include "cli/transparentoptions.h"

#include <algorithm>

namespace cli {

namespace {

SubCommand framesetEntry()
{
    return SubCommand{QStringLiteral("frameset"),
        {{QStringLiteral("DESIGN.spc [-o OUT.htm]"),
             QStringLiteral("write the HTML frameset document of a Panecraft design")},
            {QStringLiteral("DESIGN.spc --html5 [-o OUT.html]"),
                QStringLiteral("write the design's HTML5 page (inline frames in CSS grids)")},
            {QStringLiteral("--import PAGE.htm -o DESIGN.spc"),
                QStringLiteral("make a Panecraft design of the frameset of an HTML page")}},
        QString(),
        {QCommandLineOption(QStringLiteral("o"), QString(), QStringLiteral("OUT.htm")),
            QCommandLineOption(QStringLiteral("html5")),
            QCommandLineOption(QStringLiteral("import"), QString(), QStringLiteral("PAGE.htm"))},
        runFrameset};
}

SubCommand transparentEntry()
{
    return SubCommand{QStringLiteral("transparent"),
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
            "--connected makes only the background connected to X,Y transparent: enclosed "
            "parts "
            "of\n"
            "its colour stay opaque.\n"
            "With -d, each IMAGE is saved as OUTDIR/NAME.gif (NAME.png with --png), on all "
            "cores; "
            "a\n"
            "picture that fails is named and the others are still written. A progress line "
            "goes "
            "to\n"
            "a terminal's standard error unless --quiet is given.\n"),
        transparentOptionList(), runTransparent};
}

SubCommand opaqueEntry()
{
    return SubCommand{QStringLiteral("opaque"),
        {{QStringLiteral("FILE.gif"),
            QStringLiteral("switch the transparency of such a GIF off again")}},
        QStringLiteral("Switches off the transparent color of a GIF89a file saved by the GIF "
                       "tool.\n"),
        {}, runOpaque};
}

SubCommand imagemapEntry()
{
    return SubCommand{QStringLiteral("imagemap"),
        {{QStringLiteral("PAGE.htm [--map NAME] [--svg] [-o OUT]"),
            QStringLiteral("write the image map of an HTML page as IMG, MAP and AREA lines,\n"
                           "or with --svg as an SVG that scales with its page")}},
        QStringLiteral(
            "Reads the image map of an HTML page and writes it as IMG, MAP and AREA lines, or "
            "with\n"
            "--svg as an inline SVG that scales with its page. --map takes the MAP of that "
            "name\n"
            "where the page holds several.\n"),
        {QCommandLineOption(QStringLiteral("o"), QString(), QStringLiteral("OUT")),
            QCommandLineOption(QStringLiteral("map"), QString(), QStringLiteral("NAME")),
            QCommandLineOption(QStringLiteral("svg"))},
        runImageMap};
}

} // namespace

// Every word of the command line, in the order trellis --help lists them: the forms and texts
// its usage shows, the options it reads and the function that runs it. A new word is one more
// entry here, whose run function calls an operation of a tool's core and reports its result.
const QList<SubCommand> &subCommands()
{
    static const QList<SubCommand> commands{
        framesetEntry(), transparentEntry(), opaqueEntry(), imagemapEntry()};
    return commands;
}

const SubCommand &subCommand(const QString &name)
{
    const QList<SubCommand> &commands = subCommands();
    return *std::find_if(commands.begin(), commands.end(),
        [&name](const SubCommand &command) { return command.name == name; });
}

} // namespace cli
