#pragma once

#include "platform/webbrowser.h"

#include <QList>

namespace testsupport {

// A WebBrowser for tests: records every address it is asked to show and answers as told.
class RecordingWebBrowser : public platform::WebBrowser
{
public:
    bool open(const QUrl &url) override
    {
        m_opened.append(url);
        return m_starts;
    }

    // Whether the next open() calls report a started browser.
    void setStarts(bool starts) { m_starts = starts; }
    const QList<QUrl> &opened() const { return m_opened; }

private:
    QList<QUrl> m_opened;
    bool m_starts = true;
};

} // namespace testsupport
