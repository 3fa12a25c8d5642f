#include "platform/ui/desktopwebbrowser.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace platform {

namespace {

constexpr int PollMs = 100;

QString lastLine(const QString &text)
{
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (!line->trimmed().isEmpty())
            return line->trimmed();
    }
    return QString();
}

} // namespace

QString openerFailure(int status, const QString &errorOutput)
{
    QString said = lastLine(errorOutput);
    if (said.startsWith(QLatin1String("xdg-open: ")))
        said.remove(0, 10);
    if (said.isEmpty()) {
        switch (status) {
        case 2:
            said = QStringLiteral("the file was not found");
            break;
        case 3:
            said = QStringLiteral("a program it needs is missing");
            break;
        case 4:
            said = QStringLiteral("the program it started failed");
            break;
        default:
            said = QStringLiteral("it could not run");
            break;
        }
    }
    return QStringLiteral("xdg-open gave up (status %1): %2").arg(status).arg(said);
}

DesktopWebBrowser::DesktopWebBrowser(int watchMs)
    : m_watchMs(watchMs)
{ }

DesktopWebBrowser::~DesktopWebBrowser() = default;

bool DesktopWebBrowser::watching() const
{
    return !m_watches.children().isEmpty();
}

void DesktopWebBrowser::open(const QUrl &url, Failure failed)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(url))
            failed(QStringLiteral("the desktop has no program that opens web pages (xdg-open is "
                                  "not installed)"));
        return;
    }
    if (!m_statusFolder)
        m_statusFolder = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/trellis-open-XXXXXX");
    if (!m_statusFolder->isValid()) {
        failed(m_statusFolder->errorString());
        return;
    }
    const QString status = m_statusFolder->filePath(QString::number(++m_started));
    const QString errors = status + QStringLiteral(".err");
    // The shell leaves the opener's exit status behind, complete, once the opener ends.
    const QStringList arguments{QStringLiteral("-c"),
        QStringLiteral("\"$0\" \"$1\" 2>\"$2\"; echo $? >\"$3.part\" && mv \"$3.part\" \"$3\""),
        opener, url.toString(QUrl::FullyEncoded), errors, status};
    if (!QProcess::startDetached(QStringLiteral("/bin/sh"), arguments)) {
        failed(QStringLiteral("/bin/sh could not be started"));
        return;
    }
    auto *watch = new QTimer(&m_watches);
    auto since = std::make_shared<QElapsedTimer>();
    since->start();
    QObject::connect(watch, &QTimer::timeout, watch, [=, this] {
        QFile ended(status);
        if (!ended.open(QIODevice::ReadOnly)) {
            if (since->elapsed() > m_watchMs) {
                watch->stop();
                watch->deleteLater();
            }
            return;
        }
        watch->stop();
        watch->deleteLater();
        const int code = ended.readAll().trimmed().toInt();
        if (code != 0) {
            QFile said(errors);
            const QString output = said.open(QIODevice::ReadOnly)
                ? QString::fromLocal8Bit(said.readAll())
                : QString();
            failed(openerFailure(code, output));
        }
    });
    watch->start(PollMs);
}

} // namespace platform
