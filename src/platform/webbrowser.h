#pragma once

#include <QUrl>

namespace platform {

// The desktop's default web browser, as the tools see it: tests replace it.
class WebBrowser
{
public:
    virtual ~WebBrowser() = default;

    // Shows `url` in the browser; false when no browser could be started.
    virtual bool open(const QUrl &url) = 0;
};

} // namespace platform
