#include "platform/ui/desktopwebbrowser.h"

#include <QDesktopServices>

namespace platform {

bool DesktopWebBrowser::open(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace platform
