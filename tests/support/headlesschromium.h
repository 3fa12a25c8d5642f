#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Running Debian's chromium headless for the browser checks.
namespace testsupport {

// What a test skips with when chromium is missing; CI installs it.
inline constexpr char ChromiumMissing[]
    = "/usr/bin/chromium is not installed; the browser check needs Debian's chromium";

bool chromiumInstalled();

struct ChromiumRun
{
    // Empty when chromium started and exited within the time limit, else what went wrong.
    QString failure;
    QByteArray output;
    // The end of chromium's standard error, for the message of a failing check.
    QString errors;
};

// Runs chromium headless with a fresh profile and without network chatter, followed by
// `arguments` (the page URL last); waits at most a minute, then kills it.
ChromiumRun runHeadlessChromium(const QStringList &arguments);

} // namespace testsupport
