#pragma once

#include "cli/subcommand.h"

#include <QList>
#include <QStringList>
#include <QTextStream>

namespace cli {

// Exit codes of the trellis command line.
enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

// Runs the command line (the arguments after the program name) and returns its exit code.
// Needs no display.
int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);

// The text of `trellis --help`.
QString usageText();

// Every sub-command of the command line (subcommands.cpp).
const QList<SubCommand> &subCommands();
// The sub-command of that name, which must be one of them.
const SubCommand &subCommand(const QString &name);

} // namespace cli
