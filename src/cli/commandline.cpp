#include "cli/commandline.h"

#include "platform/programinfo.h"

namespace cli {

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
    err << "trellis: unknown command '" << command << "' (try --help)\n";
    return UsageError;
}

} // namespace cli
