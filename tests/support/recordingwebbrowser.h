#pragma once

#include "platform/webbrowser.h"

#include <QList>

namespace testsupport {

// A WebBrowser for tests: records every address it is asked to show and answers as told.
class RecordingWebBrowser : public platform::WebBrowser
{
public:
    void open(const QUrl &url, Failure failed) override
    {
        m_opened.append(url);
        if (!m_failure.isEmpty())
            failed(m_failure);
    }

    // The reason the next open() calls give for a browser that did not come up; empty for one
    // that did.
    void setFailure(const QString &reason) { m_failure = reason; }
    const QList<QUrl> &opened() const { return m_opened; }

private:
    QList<QUrl> m_opened;
    QString m_failure;
};

} // namespace testsupport
