#include "headlesschromium.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace testsupport {

namespace {

const QString Chromium = QStringLiteral("/usr/bin/chromium");
constexpr int ChromiumTimeoutMs = 60000;
constexpr int ErrorTail = 2000;

} // namespace

bool chromiumInstalled()
{
    return QFile::exists(Chromium);
}

ChromiumRun runHeadlessChromium(const QStringList &arguments)
{
    ChromiumRun run;
    // A profile of its own each time, so no earlier run's cache or state can answer for it.
    QTemporaryDir profile;
    if (!profile.isValid()) {
        run.failure = QStringLiteral("no temporary profile folder: ") + profile.errorString();
        return run;
    }
    QProcess chromium;
    chromium.start(Chromium,
        QStringList{QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
            QStringLiteral("--disable-gpu"), QStringLiteral("--disable-quic"),
            QStringLiteral("--no-first-run"), QStringLiteral("--disable-background-networking"),
            QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
            QStringLiteral("--user-data-dir=") + profile.path()}
            + arguments);
    if (!chromium.waitForStarted()) {
        run.failure = QStringLiteral("chromium did not start: ") + chromium.errorString();
        return run;
    }
    if (!chromium.waitForFinished(ChromiumTimeoutMs)) {
        chromium.kill();
        chromium.waitForFinished();
        run.failure = QStringLiteral("chromium did not finish within 60 seconds");
    }
    run.output = chromium.readAllStandardOutput();
    run.errors = QString::fromUtf8(chromium.readAllStandardError()).right(ErrorTail);
    return run;
}

} // namespace testsupport
