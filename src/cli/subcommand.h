#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>

namespace cli {

// One argument after a sub-command's name, as the sub-command's declared options read it.
struct CommandArgument
{
    enum class Kind {
        Option, // a declared option, with its value when it takes one
        MissingValue, // a declared option that takes a value, given last without one
        Unknown, // any other argument that starts with a dash, and "--"
        Positional, // a file name ("-" included)
    };

    Kind kind = Kind::Positional;
    QString text; // the argument as typed
    QString option; // the option's name, for Option and MissingValue
    QString value; // the option's value
};

using CommandArguments = QList<CommandArgument>;

// A sub-command of the trellis command line: the word that names it, the usage text its own
// --help prints, the options it takes and what runs it. run() gets the arguments after the
// name, checks them in the order they were typed, and returns the exit code.
struct SubCommand
{
    using Run = std::function<int(const CommandArguments &, QTextStream &out, QTextStream &err)>;

    QString name;
    QString usage;
    QList<QCommandLineOption> options;
    Run run;
};

// Reads the arguments with the declared options. An option is written exactly as declared: a
// one-letter name after one dash ("-o"), a longer name after two ("--index"); its value is the
// argument that follows, whatever it looks like. Other spellings ("--index=2", "--o", "-index")
// are unknown options.
CommandArguments readArguments(
    const QList<QCommandLineOption> &options, const QStringList &arguments);

// Runs the sub-command on the arguments after its name. A lone --help or -h prints its usage
// text on standard output instead.
int runSubCommand(
    const SubCommand &command, const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace cli
