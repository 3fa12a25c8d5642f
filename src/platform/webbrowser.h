#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace platform {

// The desktop's default web browser, as the tools see it: tests replace it.
class WebBrowser
{
public:
    using Failure = std::function<void(const QString &reason)>;

    virtual ~WebBrowser() = default;

    // Shows `url` in the browser. When no browser comes up, `failed` is called with the reason:
    // at once, or a moment later when the desktop's opener gives up, but never once the browser
    // object is gone.
    virtual void open(const QUrl &url, Failure failed) = 0;
};

} // namespace platform
