#include "cli/subcommand.h"

#include "cli/commandline.h"

#include <QCommandLineParser>
#include <algorithm>

namespace cli {

namespace {

QString spelling(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

bool takesValue(const QList<QCommandLineOption> &options, const QString &name)
{
    return std::any_of(options.begin(), options.end(), [&name](const QCommandLineOption &option) {
        return option.names().contains(name) && !option.valueName().isEmpty();
    });
}

} // namespace

CommandArguments readArguments(
    const QList<QCommandLineOption> &options, const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-o" is the option "o", never a bundle of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options);
    CommandArguments read;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        CommandArgument argument;
        argument.text = arguments[i];
        // Each argument is parsed on its own, so that a problem is told at its place among the
        // others: the first one typed is the one reported. The parser's own messages are never
        // shown; each sub-command words its problems itself.
        parser.parse({QString(), argument.text});
        const QStringList names = parser.optionNames();
        if (names.size() == 1 && argument.text == spelling(names.first())) {
            argument.option = names.first();
            argument.kind = CommandArgument::Kind::Option;
            if (takesValue(options, argument.option)) {
                if (i + 1 < arguments.size())
                    argument.value = arguments[++i];
                else
                    argument.kind = CommandArgument::Kind::MissingValue;
            }
        } else if (!parser.positionalArguments().isEmpty()) {
            argument.kind = CommandArgument::Kind::Positional;
        } else {
            argument.kind = CommandArgument::Kind::Unknown;
        }
        read.append(argument);
    }
    return read;
}

int runSubCommand(
    const SubCommand &command, const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() == 1
        && (arguments[0] == QLatin1String("--help") || arguments[0] == QLatin1String("-h"))) {
        out << command.usage;
        return Success;
    }
    return command.run(readArguments(command.options, arguments), out, err);
}

} // namespace cli
