#pragma once

#include "launcher/tool.h"

#include <QString>
#include <memory>
#include <optional>

class QMainWindow;

namespace app {

// The tool that a command line's first word names in lower case ("panecraft", "clearcoat",
// "zonemark"), if it names one.
std::optional<launcher::Tool> toolNamed(const QString &word);

// The tool's window on its own, without the launcher, shown; `file`, when given, is opened in
// it as a file dropped on it would be. A file that cannot be opened gets the tool's own message
// and leaves the window open and empty.
std::unique_ptr<QMainWindow> startTool(launcher::Tool tool, const QString &file);

} // namespace app
