#pragma once

#include "platform/webbrowser.h"

#include <QObject>
#include <memory>

class QTemporaryDir;

namespace platform {

// The browser the desktop opens web pages with, started through the desktop's opener
// (xdg-open). The opener runs detached, so a browser it keeps in the foreground outlives the
// program; its exit status is watched for `watchMs`, and an opener that gives up in that time
// is reported with its own words. One still running then has a browser up.
class DesktopWebBrowser : public WebBrowser
{
public:
    explicit DesktopWebBrowser(int watchMs = 15000);
    ~DesktopWebBrowser() override;

    void open(const QUrl &url, Failure failed) override;

    // Whether an opener started here is still being watched.
    bool watching() const;

private:
    int m_watchMs;
    QObject m_watches; // parent of the timers that watch the openers
    std::unique_ptr<QTemporaryDir> m_statusFolder;
    int m_started = 0;
};

// Why the opener gave up, from its exit status and the last line it wrote to its error output.
QString openerFailure(int status, const QString &errorOutput);

} // namespace platform
