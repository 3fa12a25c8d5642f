#include "cli/commandline.h"

#include "cli/subcommand.h"
#include "platform/programinfo.h"

#include <algorithm>

namespace cli {

QString usageText()
{
    QString commands;
    for (const SubCommand &command : subCommands())
        commands += command.summary();
    return QStringLiteral(
               "Usage: trellis [COMMAND [ARGUMENTS]]\n"
               "\n"
               "Without a command, trellis starts the desktop program (the launcher window).\n"
               "\n"
               "Commands:\n"
               "  --help       show this text\n"
               "  --version    show the program title and version date\n"
               "  panecraft [DESIGN.spc] | clearcoat [IMAGE] | zonemark [IMAGE]\n"
               "               start that tool's window on its own, with the file open\n")
        + commands
        + QStringLiteral("\n"
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
