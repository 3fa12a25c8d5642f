// Times `trellis transparent IN -o OUT.gif --index 0` against ImageMagick, libvips and
// GraphicsMagick on three 24-megapixel pictures made from the test photographs, alternating the
// four commands, and reports each one's median time, peak memory, PSNR and SSIM against the
// decoded picture. The peers come from the Debian packages imagemagick, libvips-tools and
// graphicsmagick (bench/setup installs them).

#include "pipelinemeasure.h"
#include "platform/imaging/imagecomponent.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr QSize PictureSize(6000, 4000);

struct Pipeline
{
    QString name;
    QString program;
    QStringList arguments; // IN and OUT stand for the input and the output
};

QList<Pipeline> pipelines(const QString &trellis)
{
    return {
        {QStringLiteral("trellis transparent"), trellis,
            {QStringLiteral("transparent"), QStringLiteral("IN"), QStringLiteral("-o"),
                QStringLiteral("OUT"), QStringLiteral("--index"), QStringLiteral("0")}},
        {QStringLiteral("ImageMagick convert -colors 256"), QStringLiteral("/usr/bin/convert"),
            {QStringLiteral("IN"), QStringLiteral("-colors"), QStringLiteral("256"),
                QStringLiteral("OUT")}},
        {QStringLiteral("libvips vips copy"), QStringLiteral("/usr/bin/vips"),
            {QStringLiteral("copy"), QStringLiteral("IN"), QStringLiteral("OUT")}},
        {QStringLiteral("GraphicsMagick gm convert -colors 256"), QStringLiteral("/usr/bin/gm"),
            {QStringLiteral("convert"), QStringLiteral("IN"), QStringLiteral("-colors"),
                QStringLiteral("256"), QStringLiteral("OUT")}},
    };
}

QStringList withFiles(QStringList arguments, const QString &in, const QString &out)
{
    for (QString &argument : arguments) {
        if (argument == u"IN")
            argument = in;
        else if (argument == u"OUT")
            argument = out;
    }
    return arguments;
}

// The three inputs: the coffee photograph enlarged; the rocket photograph enlarged and blurred
// into smooth gradients; the cat on a flat background.
QImage makeInput(int which, const QString &data)
{
    if (which == 0)
        return QImage(data + QStringLiteral("/coffee.jpg"))
            .scaled(PictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (which == 1) {
        // Down to a few dozen pixels and smoothly up again: only gradients are left.
        const QImage rocket(data + QStringLiteral("/rocket.jpg"));
        return rocket.scaled(48, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .scaled(PictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QImage flat(PictureSize, QImage::Format_RGB32);
    flat.fill(QColor(232, 236, 240));
    const QImage cat(data + QStringLiteral("/chelsea.png"));
    QPainter painter(&flat);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(1500, 1000, 3000, 2000), cat);
    return flat;
}

const char *const InputNames[]
    = {"enlarged photograph", "smooth gradients", "flat background and a subject"};

// Child mode: writes input `which` as a JPEG at quality 92.
int runMake(int which, const QString &data, const QString &out)
{
    QImageWriter writer(out, "jpeg");
    writer.setQuality(92);
    return writer.write(makeInput(which, data)) ? 0 : 1;
}

// Child mode: prints PSNR and SSIM of `image` against the JPEG `reference`.
int runCompare(const QString &reference, const QString &image)
{
    const QImage original = QImage(reference).convertToFormat(QImage::Format_RGB32);
    platform::ImageComponent component;
    const QImage result = component.load(image) ? component.picture() : QImage();
    printf("%.4f %.5f\n", bench::psnr(original, result), bench::ssim(original, result));
    return 0;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

struct Result
{
    QList<double> times;
    qint64 peakKilobytes = 0;
    bool ok = true;
    double psnr = 0;
    double ssim = 0;
};

void measureInput(const QString &self, const QString &in, const QList<Pipeline> &all, int runs,
    const QTemporaryDir &work, QList<Result> &results)
{
    for (int run = 0; run < runs; ++run) {
        for (qsizetype p = 0; p < all.size(); ++p) {
            const QString out = work.filePath(QStringLiteral("out%1.gif").arg(p));
            const bench::ChildRun child
                = bench::runChild(all[p].program, withFiles(all[p].arguments, in, out));
            results[p].ok = results[p].ok && child.exitCode == 0;
            results[p].times << child.seconds;
            results[p].peakKilobytes = std::max(results[p].peakKilobytes, child.peakKilobytes);
        }
    }
    for (qsizetype p = 0; p < all.size(); ++p) {
        const QString out = work.filePath(QStringLiteral("out%1.gif").arg(p));
        const QList<QByteArray> values
            = bench::runChild(self, {QStringLiteral("--compare"), in, out}).output.split(' ');
        results[p].psnr = values.value(0).toDouble();
        results[p].ssim = values.value(1).trimmed().toDouble();
    }
}

void report(const char *input, const QList<Pipeline> &all, const QList<Result> &results)
{
    const double decodedMegabytes = PictureSize.width() * 4.0 * PictureSize.height() / 1048576.0;
    double fastestPeer = 1e9;
    double bestPeerSsim = 0;
    for (qsizetype p = 1; p < all.size(); ++p) {
        fastestPeer = std::min(fastestPeer, median(results[p].times));
        bestPeerSsim = std::max(bestPeerSsim, results[p].ssim);
    }
    printf("\n### %s (%d x %d)\n\n", input, PictureSize.width(), PictureSize.height());
    printf("| pipeline | time (s) | ratio to the fastest peer | PSNR (dB) | SSIM | peak memory "
           "(MB) |\n");
    printf("|---|---|---|---|---|---|\n");
    for (qsizetype p = 0; p < all.size(); ++p) {
        const double time = median(results[p].times);
        printf("| %s%s | %.2f | %.2f | %.2f | %.4f | %.0f (%.2f x the decoded picture) |\n",
            qPrintable(all[p].name), results[p].ok ? "" : " (failed)", time, time / fastestPeer,
            results[p].psnr, results[p].ssim, results[p].peakKilobytes / 1024.0,
            results[p].peakKilobytes / 1024.0 / decodedMegabytes);
    }
    const double ours = median(results[0].times);
    printf("\nTrellis: %.2f x the fastest peer's time (goal: at most 0.25); SSIM %.4f against the "
           "best peer's %.4f.\n",
        ours / fastestPeer, results[0].ssim, bestPeerSsim);
    fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 5 && arguments[1] == u"--make")
        return runMake(arguments[2].toInt(), arguments[3], arguments[4]);
    if (arguments.size() == 4 && arguments[1] == u"--compare")
        return runCompare(arguments[2], arguments[3]);
    if (arguments.size() < 2 || arguments.size() > 3) {
        fprintf(stderr, "usage: bench_peers TRELLIS [RUNS]\n");
        return 2;
    }
    const QString trellis = arguments[1];
    const int runs = arguments.size() == 3 ? std::max(1, arguments[2].toInt()) : 5;
    const QList<Pipeline> all = pipelines(trellis);
    for (const Pipeline &pipeline : all) {
        if (!QFile::exists(pipeline.program)) {
            fprintf(stderr, "%s is missing: run bench/setup\n", qPrintable(pipeline.program));
            return 2;
        }
    }
    QTemporaryDir work;
    const QString self = QCoreApplication::applicationFilePath();
    const QString data = QStringLiteral(TRELLIS_SOURCE_DIR "/tests/data");
    printf("%d runs of each, alternating; median times.\n", runs);
    for (int which = 0; which < 3; ++which) {
        const QString in = work.filePath(QStringLiteral("input%1.jpg").arg(which));
        if (bench::runChild(self, {QStringLiteral("--make"), QString::number(which), data, in})
                .exitCode
            != 0)
            return 2;
        QList<Result> results(all.size());
        measureInput(self, in, all, runs, work, results);
        report(InputNames[which], all, results);
    }
    return 0;
}
