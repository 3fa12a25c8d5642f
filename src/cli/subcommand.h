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

// One way to call a sub-command: its arguments as the usage texts show them (a line break
// where the text wraps) and, for trellis --help, what it does.
struct CommandForm
{
    QString arguments;
    QString purpose;
};

// A sub-command of the trellis command line: the word that names it, its forms and the further
// text of its own usage, the options it takes and what runs it. run() gets the arguments after
// the name, checks them in the order they were typed, and returns the exit code. The first name
// of an option is the one the usage texts show; the others (the other spelling of colour) are
// taken as the same option.
struct SubCommand
{
    using Run = std::function<int(const CommandArguments &, QTextStream &out, QTextStream &err)>;

    QString name;
    QList<CommandForm> forms;
    QString details;
    QList<QCommandLineOption> options;
    Run run;

    // The usage text its --help prints and its usage errors end with: every form after
    // "Usage: trellis NAME", then the details.
    QString usage() const;
    // The lines of trellis --help for it: each form, and its purpose below.
    QString summary() const;
};

// Reads the arguments with the declared options. An option is written exactly as declared: a
// one-letter name after one dash ("-o"), a longer name after two ("--index"); its value is the
// argument that follows, whatever it looks like. Other spellings ("--index=2", "--o", "-index")
// are unknown options. An option given by another of its names is read as its first name.
CommandArguments readArguments(
    const QList<QCommandLineOption> &options, const QStringList &arguments);

// Runs the sub-command on the arguments after its name. A lone --help or -h prints its usage
// text on standard output instead.
int runSubCommand(
    const SubCommand &command, const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace cli
