#pragma once

#include <QWidget>

namespace launcher {

// Stands in for a tool whose window is not built yet: an empty window with the tool's name.
QWidget *createPlaceholderWindow(const QString &toolName);

} // namespace launcher
