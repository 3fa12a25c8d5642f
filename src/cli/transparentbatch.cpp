#include "cli/transparentbatch.h"

#include "cli/commandline.h"
#include "cli/transparentpicture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QThreadPool>
#include <atomic>
#include <unistd.h>
#include <vector>

namespace cli {

namespace {

// The progress line on a terminal: pictures done, the one started last and the time left.
class ProgressLine
{
public:
    ProgressLine(QTextStream &err, qsizetype total, bool shown)
        : m_err(err)
        , m_total(total)
        , m_shown(shown)
    {
        m_clock.start();
    }

    void show(qsizetype done, const QString &name)
    {
        if (!m_shown)
            return;
        QString line = QStringLiteral("[%1/%2] %3").arg(done).arg(m_total).arg(name);
        if (done > 0 && done < m_total) {
            const qint64 left = m_clock.elapsed() * (m_total - done) / done / 1000;
            line += QStringLiteral(", about %1 s left").arg(left);
        }
        // The line is redrawn in place: the carriage return, then blanks over a longer one.
        m_err << '\r' << line.leftJustified(m_width) << Qt::flush;
        m_width = std::max(m_width, int(line.size()));
    }

    void finish()
    {
        if (m_shown && m_width > 0)
            m_err << '\r' << QString(m_width, u' ') << '\r' << Qt::flush;
    }

private:
    QTextStream &m_err;
    qsizetype m_total;
    bool m_shown;
    int m_width = 0;
    QElapsedTimer m_clock;
};

// The pictures whose output name an earlier picture already has.
QSet<qsizetype> clashingNames(const QStringList &images, const QString &folder, bool png)
{
    QSet<QString> seen;
    QSet<qsizetype> clashes;
    for (qsizetype i = 0; i < images.size(); ++i) {
        const QString name = batchOutputName(images[i], folder, png);
        if (seen.contains(name))
            clashes.insert(i);
        seen.insert(name);
    }
    return clashes;
}

// Prints what became of each picture, in the order given; the exit code.
int report(const QStringList &images, const std::vector<PictureOutcome> &outcomes, QTextStream &out,
    QTextStream &err)
{
    int failed = 0;
    for (qsizetype i = 0; i < images.size(); ++i) {
        const PictureOutcome &outcome = outcomes[size_t(i)];
        if (outcome.saved) {
            out << outcome.report;
            continue;
        }
        ++failed;
        // A picture read well whose output could not be written is not blamed: the message
        // names the output file instead.
        err << "trellis transparent: ";
        if (!outcome.notWritten)
            err << images[i] << ": ";
        err << outcome.error << '\n';
    }
    if (failed > 0)
        err << "trellis transparent: " << failed << " of " << images.size() << " pictures failed\n";
    return failed > 0 ? Failure : Success;
}

} // namespace

QString batchOutputName(const QString &image, const QString &folder, bool png)
{
    return QDir(folder).filePath(QFileInfo(image).completeBaseName()
        + (png ? QStringLiteral(".png") : QStringLiteral(".gif")));
}

int runTransparentBatch(const TransparentOptions &options, QTextStream &out, QTextStream &err)
{
    if (!QDir().mkpath(options.outputFolder)) {
        err << "trellis transparent: cannot make the folder " << options.outputFolder << '\n';
        return Failure;
    }
    const QStringList &images = options.images;
    const QSet<qsizetype> clashes = clashingNames(images, options.outputFolder, options.png);
    // One slot per picture, each written by the one thread that does that picture.
    std::vector<PictureOutcome> outcomes(size_t(images.size()));
    std::atomic<qsizetype> done = 0;
    QMutex currentLock;
    QString current; // the picture started last

    QThreadPool pool;
    for (qsizetype i = 0; i < images.size(); ++i) {
        pool.start([&, i] {
            {
                const QMutexLocker locker(&currentLock);
                current = QFileInfo(images[i]).fileName();
            }
            const QString output = batchOutputName(images[i], options.outputFolder, options.png);
            if (clashes.contains(i))
                outcomes[size_t(i)].error
                    = QStringLiteral("an earlier picture is also saved as ") + output;
            else
                outcomes[size_t(i)] = makeTransparent(images[i], output, options);
            ++done;
        });
    }
    ProgressLine progress(err, images.size(), !options.quiet && isatty(STDERR_FILENO));
    while (!pool.waitForDone(250)) {
        const QMutexLocker locker(&currentLock);
        progress.show(done, current);
    }
    progress.finish();

    return report(images, outcomes, out, err);
}

} // namespace cli
