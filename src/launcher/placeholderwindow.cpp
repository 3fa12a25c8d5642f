#include "launcher/placeholderwindow.h"

namespace launcher {

QWidget *createPlaceholderWindow(const QString &toolName)
{
    auto *window = new QWidget;
    window->setObjectName(QStringLiteral("PlaceholderWindow"));
    window->setWindowTitle(toolName);
    window->resize(480, 320);
    return window;
}

} // namespace launcher
