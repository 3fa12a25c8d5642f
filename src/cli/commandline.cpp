#include "cli/commandline.h"

#include "cli/framesetcommand.h"
#include "cli/imagemapcommand.h"
#include "cli/opaquecommand.h"
#include "cli/subcommand.h"
#include "cli/transparentcommand.h"
#include "platform/programinfo.h"

#include <algorithm>

namespace cli {

namespace {

// Every sub-command of the command line; a new one is one more entry here.
const QList<SubCommand> &subCommands()
{
    static const QList<SubCommand> commands{
        framesetCommand(), transparentCommand(), opaqueCommand(), imagemapCommand()};
    return commands;
}

} // namespace

QString usageText()
{
    return QStringLiteral(
        "Usage: trellis [COMMAND [ARGUMENTS]]\n"
        "\n"
        "Without a command, trellis starts the desktop program (the launcher window).\n"
        "\n"
        "Commands:\n"
        "  --help       show this text\n"
        "  --version    show the program title and version date\n"
        "  panecraft [DESIGN.spc] | clearcoat [IMAGE] | zonemark [IMAGE]\n"
        "               start that tool's window on its own, with the file open\n"
        "  frameset DESIGN.spc [-o OUT.htm]\n"
        "               write the HTML frameset document of a Panecraft design\n"
        "  frameset DESIGN.spc --html5 [-o OUT.html]\n"
        "               write the design's HTML5 page (inline frames in CSS grids)\n"
        "  frameset --import PAGE.htm -o DESIGN.spc\n"
        "               make a Panecraft design of the frameset of an HTML page\n"
        "  transparent IMAGE -o OUT.gif|OUT.png (--at X,Y | --index N | --corner)\n"
        "              [--recolor white|grey|black|neighbour] [--connected] [--full-colour]\n"
        "               save IMAGE as a GIF89a (or PNG) whose background (the colour at image\n"
        "               pixel X,Y, or palette index N) is transparent; animations keep every\n"
        "               frame\n"
        "  transparent IMAGE... -d OUTDIR (--at X,Y | --index N | --corner) [--png] [--quiet]\n"
        "               the same for many pictures at once, into OUTDIR\n"
        "  opaque FILE.gif\n"
        "               switch the transparency of such a GIF off again\n"
        "  imagemap PAGE.htm [--map NAME] [--svg] [-o OUT]\n"
        "               write the image map of an HTML page as IMG, MAP and AREA lines,\n"
        "               or with --svg as an SVG that scales with its page\n"
        "\n"
        "Exit codes: 0 success, 1 failure, 2 usage error.\n");
}

int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty()) {
        err << "trellis: no command given (try --help)\n";
        return UsageError;
    }
    const QString &command = arguments.first();
    if (command == QLatin1String("--version")) {
        out << platform::programTitle() << ' ' << platform::versionDate() << '\n';
        return Success;
    }
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        out << usageText();
        return Success;
    }
    const QList<SubCommand> &commands = subCommands();
    const auto found = std::find_if(commands.begin(), commands.end(),
        [&command](const SubCommand &candidate) { return candidate.name == command; });
    if (found == commands.end()) {
        err << "trellis: unknown command '" << command << "' (try --help)\n";
        return UsageError;
    }
    return runSubCommand(*found, arguments.mid(1), out, err);
}

} // namespace cli
