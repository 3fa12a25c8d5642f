#pragma once

#include "platform/webbrowser.h"

namespace platform {

// The browser the desktop opens web pages with.
class DesktopWebBrowser : public WebBrowser
{
public:
    bool open(const QUrl &url) override;
};

} // namespace platform
