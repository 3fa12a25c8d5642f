#pragma once

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QRgb>
#include <QSize>
#include <QString>
#include <sys/types.h>

// Debian's chromium, headless, for the browser checks. One browser is started per test process,
// on first use, and speaks the DevTools protocol over a pipe; every page is opened in a fresh
// browser context, so no earlier page's cache, storage or state can answer for it.
namespace testsupport {

// What a test skips with when chromium is missing; CI installs it.
inline constexpr char ChromiumMissing[]
    = "/usr/bin/chromium is not installed; the browser check needs Debian's chromium";

bool chromiumInstalled();

// Whether two colours agree within what the browser's colour management may move them.
bool nearColour(QRgb a, QRgb b, int tolerance = 3);

struct ChromiumPage
{
    // Empty when the page loaded and was captured, else what went wrong.
    QString failure;
    // The document's markup after its load handlers ran.
    QString dom;
    // The viewport as the page shows it; null unless asked for.
    QImage screenshot;
    // The end of chromium's standard error, for the message of a failing check.
    QString errors;
};

class HeadlessChromium
{
public:
    enum class Capture { Dom, Screenshot };

    // The browser of this test process, started on first use.
    static HeadlessChromium &shared();

    ~HeadlessChromium();
    HeadlessChromium(const HeadlessChromium &) = delete;
    HeadlessChromium &operator=(const HeadlessChromium &) = delete;

    // Opens the local file in a viewport of `window` CSS pixels, waits until it and its frames
    // have loaded and their load handlers have run, and captures what is asked for.
    ChromiumPage open(const QString &localFile, QSize window, Capture capture);

private:
    HeadlessChromium() = default;

    bool start(QString *failure);
    void stop();
    bool send(const QString &method, const QJsonObject &params, const QString &session, int *id);
    // The reply to command `id`, or the event `method` of `session` when `id` is 0; events and
    // replies that come before it are passed over. False on a timeout or a closed pipe.
    bool receive(int id, const QString &method, const QString &session, QJsonObject *message);
    bool call(const QString &method, const QJsonObject &params, const QString &session,
        QJsonObject *result, QString *failure);
    QString errorTail() const;

    pid_t m_pid = -1;
    int m_toBrowser = -1;
    int m_fromBrowser = -1;
    int m_nextId = 0;
    QByteArray m_pending;
    QString m_profile;
    QString m_errorLog;
};

} // namespace testsupport
