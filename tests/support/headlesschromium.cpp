#include "headlesschromium.h"

#include <QByteArrayList>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QUrl>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace testsupport {

namespace {

const char Chromium[] = "/usr/bin/chromium";
constexpr int PageTimeoutMs = 60000;
constexpr int ErrorTail = 2000;
// Where chromium reads the protocol's commands and writes its replies with
// --remote-debugging-pipe.
constexpr int BrowserInput = 3;
constexpr int BrowserOutput = 4;

// The page's own timers get one turn after the load event, as a user's browser would give them.
const char Settled[] = "new Promise(done => setTimeout(done, 0))";

} // namespace

bool chromiumInstalled()
{
    return QFile::exists(QString::fromLatin1(Chromium));
}

bool nearColour(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

HeadlessChromium &HeadlessChromium::shared()
{
    static HeadlessChromium browser;
    return browser;
}

HeadlessChromium::~HeadlessChromium()
{
    stop();
}

bool HeadlessChromium::start(QString *failure)
{
    QByteArray profile = QDir::tempPath().toLocal8Bit() + "/trellis-chromium-XXXXXX";
    if (!mkdtemp(profile.data())) {
        *failure = QStringLiteral("no temporary profile folder: ") + qt_error_string(errno);
        return false;
    }
    m_profile = QString::fromLocal8Bit(profile);
    m_errorLog = m_profile + QStringLiteral(".log");

    // A browser that died must fail the page with a message, not end the test process with the
    // signal a write into its closed pipe raises.
    signal(SIGPIPE, SIG_IGN);
    int commands[2];
    int replies[2];
    if (pipe2(commands, O_CLOEXEC) != 0 || pipe2(replies, O_CLOEXEC) != 0) {
        *failure = QStringLiteral("no pipe to chromium: ") + qt_error_string(errno);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, commands[0], BrowserInput);
    posix_spawn_file_actions_adddup2(&actions, replies[1], BrowserOutput);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY | O_CLOEXEC, 0);
    const QByteArray log = m_errorLog.toLocal8Bit();
    posix_spawn_file_actions_addopen(
        &actions, STDERR_FILENO, log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    const QByteArrayList arguments{Chromium, "--headless", "--no-sandbox", "--disable-gpu",
        "--disable-quic", "--no-first-run", "--disable-background-networking",
        "--disable-component-update", "--disable-sync", "--hide-scrollbars",
        "--allow-file-access-from-files", "--remote-debugging-pipe", "--user-data-dir=" + profile,
        "about:blank"};
    std::vector<char *> argv;
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);
    const int spawned = posix_spawn(&m_pid, Chromium, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(commands[0]);
    close(replies[1]);
    m_toBrowser = commands[1];
    m_fromBrowser = replies[0];
    if (spawned != 0) {
        m_pid = -1;
        *failure = QStringLiteral("chromium did not start: ") + qt_error_string(spawned);
        stop();
        return false;
    }
    return true;
}

void HeadlessChromium::stop()
{
    if (m_toBrowser >= 0)
        close(m_toBrowser);
    if (m_fromBrowser >= 0)
        close(m_fromBrowser);
    m_toBrowser = m_fromBrowser = -1;
    if (m_pid > 0) {
        // Chromium ends when its command pipe closes; a hung one is not waited for.
        const QDeadlineTimer deadline(5000);
        int status = 0;
        while (waitpid(m_pid, &status, WNOHANG) == 0) {
            if (deadline.hasExpired()) {
                kill(m_pid, SIGKILL);
                waitpid(m_pid, &status, 0);
                break;
            }
            usleep(20000);
        }
    }
    m_pid = -1;
    m_pending.clear();
    if (!m_profile.isEmpty()) {
        QDir(m_profile).removeRecursively();
        QFile::remove(m_errorLog);
    }
    m_profile.clear();
}

bool HeadlessChromium::send(
    const QString &method, const QJsonObject &params, const QString &session, int *id)
{
    *id = ++m_nextId;
    QJsonObject message{{QStringLiteral("id"), *id}, {QStringLiteral("method"), method},
        {QStringLiteral("params"), params}};
    if (!session.isEmpty())
        message.insert(QStringLiteral("sessionId"), session);
    const QByteArray bytes = QJsonDocument(message).toJson(QJsonDocument::Compact) + '\0';
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(m_toBrowser, bytes.constData() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

bool HeadlessChromium::receive(
    int id, const QString &method, const QString &session, QJsonObject *message)
{
    const QDeadlineTimer deadline(PageTimeoutMs);
    for (;;) {
        const qsizetype end = m_pending.indexOf('\0');
        if (end >= 0) {
            const QJsonObject next = QJsonDocument::fromJson(m_pending.left(end)).object();
            m_pending.remove(0, end + 1);
            const bool wanted = id ? next.value(QStringLiteral("id")).toInt() == id
                                   : next.value(QStringLiteral("method")).toString() == method
                    && next.value(QStringLiteral("sessionId")).toString() == session;
            if (wanted) {
                *message = next;
                return true;
            }
            continue;
        }
        pollfd ready{m_fromBrowser, POLLIN, 0};
        const int polled = poll(&ready, 1, int(deadline.remainingTime()));
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled <= 0)
            return false;
        char buffer[65536];
        const ssize_t n = read(m_fromBrowser, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        m_pending.append(buffer, n);
    }
}

bool HeadlessChromium::call(const QString &method, const QJsonObject &params,
    const QString &session, QJsonObject *result, QString *failure)
{
    int id = 0;
    QJsonObject reply;
    if (!send(method, params, session, &id) || !receive(id, QString(), QString(), &reply)) {
        *failure = method + QStringLiteral(": chromium did not answer within 60 seconds");
        return false;
    }
    if (reply.contains(QStringLiteral("error"))) {
        *failure = method + QStringLiteral(": ")
            + reply.value(QStringLiteral("error"))
                  .toObject()
                  .value(QStringLiteral("message"))
                  .toString();
        return false;
    }
    *result = reply.value(QStringLiteral("result")).toObject();
    return true;
}

QString HeadlessChromium::errorTail() const
{
    QFile log(m_errorLog);
    if (!log.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(log.readAll()).right(ErrorTail);
}

ChromiumPage HeadlessChromium::open(const QString &localFile, QSize window, Capture capture)
{
    using namespace Qt::Literals::StringLiterals;
    ChromiumPage page;
    if (m_pid < 0 && !start(&page.failure))
        return page;
    QJsonObject result;
    QString session;
    // One command of the page's session (or the browser's, before there is one); its result
    // lands in `result`.
    const auto ask = [&](const QString &method, const QJsonObject &params) {
        return call(method, params, session, &result, &page.failure);
    };
    const auto value = [&](const QString &key) { return result.value(key).toString(); };
    // A browser that stopped answering is not asked again: the next page starts a new one.
    const auto failed = [&] {
        page.errors = errorTail();
        stop();
        return page;
    };
    if (!ask(u"Target.createBrowserContext"_s, {}))
        return failed();
    const QString context = value(u"browserContextId"_s);
    if (!ask(u"Target.createTarget"_s,
            {{u"url"_s, u"about:blank"_s}, {u"browserContextId"_s, context}})
        || !ask(u"Target.attachToTarget"_s,
            {{u"targetId"_s, value(u"targetId"_s)}, {u"flatten"_s, true}}))
        return failed();
    session = value(u"sessionId"_s);
    if (!ask(u"Page.enable"_s, {})
        || !ask(u"Emulation.setDeviceMetricsOverride"_s,
            {{u"width"_s, window.width()}, {u"height"_s, window.height()},
                {u"deviceScaleFactor"_s, 1}, {u"mobile"_s, false}})
        || !ask(u"Page.navigate"_s, {{u"url"_s, QUrl::fromLocalFile(localFile).toString()}}))
        return failed();
    if (result.contains(u"errorText"_s)) {
        page.failure = u"chromium could not open %1: %2"_s.arg(localFile, value(u"errorText"_s));
        page.errors = errorTail();
        return page;
    }
    QJsonObject loaded;
    if (!receive(0, u"Page.loadEventFired"_s, session, &loaded)) {
        page.failure = u"%1 did not load within 60 seconds"_s.arg(localFile);
        return failed();
    }
    if (!ask(u"Runtime.evaluate"_s,
            {{u"expression"_s, QString::fromLatin1(Settled)}, {u"awaitPromise"_s, true}})
        || !ask(u"Runtime.evaluate"_s,
            {{u"expression"_s, u"document.documentElement.outerHTML"_s},
                {u"returnByValue"_s, true}}))
        return failed();
    page.dom = result.value(u"result"_s).toObject().value(u"value"_s).toString();
    if (capture == Capture::Screenshot) {
        if (!ask(u"Page.captureScreenshot"_s, {{u"format"_s, u"png"_s}}))
            return failed();
        page.screenshot
            = QImage::fromData(QByteArray::fromBase64(value(u"data"_s).toLatin1()), "PNG");
        if (page.screenshot.isNull())
            page.failure = u"chromium's screenshot of %1 is not a PNG"_s.arg(localFile);
    }
    session.clear();
    QString closing;
    call(u"Target.disposeBrowserContext"_s, {{u"browserContextId"_s, context}}, {}, &result,
        &closing);
    if (!page.failure.isEmpty())
        page.errors = errorTail();
    return page;
}

} // namespace testsupport
