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

const QCommandLineOption *optionNamed(const QList<QCommandLineOption> &options, const QString &name)
{
    const auto found = std::find_if(options.begin(), options.end(),
        [&name](const QCommandLineOption &option) { return option.names().contains(name); });
    return found == options.end() ? nullptr : &*found;
}

// The form's arguments after `prefix`, each further line indented to stand under the first.
QString indentedForm(const QString &prefix, const QString &arguments)
{
    QString text;
    const QStringList lines = arguments.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i)
        text += (i == 0 ? prefix : QString(prefix.size(), u' ')) + lines[i] + u'\n';
    return text;
}

} // namespace

QString SubCommand::usage() const
{
    QString text;
    for (qsizetype i = 0; i < forms.size(); ++i) {
        const QString lead
            = i == 0 ? QStringLiteral("Usage: trellis ") : QStringLiteral("       trellis ");
        text += indentedForm(lead + name + u' ', forms[i].arguments);
    }
    return text + details;
}

QString SubCommand::summary() const
{
    QString text;
    for (const CommandForm &form : forms) {
        text += indentedForm(QStringLiteral("  ") + name + u' ', form.arguments);
        for (const QString &line : form.purpose.split(u'\n'))
            text += QStringLiteral("               ") + line + u'\n';
    }
    return text;
}

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
            const QCommandLineOption *option = optionNamed(options, names.first());
            argument.option = option->names().first();
            argument.kind = CommandArgument::Kind::Option;
            if (!option->valueName().isEmpty()) {
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
        out << command.usage();
        return Success;
    }
    return command.run(readArguments(command.options, arguments), out, err);
}

} // namespace cli
