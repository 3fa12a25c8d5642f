// Times the GIF tool's heaviest path (load a large photograph, reduce it to 256 colours, save it
// as GIF) for the image component and for ImageMagick's "convert IN -colors 256 OUT.gif", and
// compares speed, PSNR against the photograph and our peak memory. Writes bench/RESULTS.md.

#include "pipelinemeasure.h"
#include "platform/imaging/colourreducer.h"
#include "platform/imaging/imagecomponent.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const QString ImageMagick = QStringLiteral("/usr/bin/convert");

struct Options
{
    QString photo = QStringLiteral(TRELLIS_SOURCE_DIR "/tests/data/coffee.jpg");
    double megapixels = 24;
    int runs = 3;
    QString results = QStringLiteral(TRELLIS_SOURCE_DIR "/bench/RESULTS.md");
    bool sweep = false;
};

// Child mode: the pipeline itself, in a fresh process so its peak memory is its own.
int runPipeline(const QString &in, const QString &out, const QStringList &settings)
{
    QElapsedTimer timer;
    timer.start();
    platform::ImageComponent component;
    if (!component.load(in)) {
        fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 1;
    }
    if (settings.size() == 2) {
        QImage image = component.image();
        component.setPicture(QImage());
        QString error;
        const platform::ColourReducer::Settings chosen{settings[0].toInt(), settings[1].toFloat()};
        if (!platform::ColourReducer::toPalette256(image, chosen, &error)) {
            fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        component.setPicture(image);
    } else {
        component.setColours256();
    }
    if (!component.save(out)) {
        fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 1;
    }
    printf("%.4f\n", double(timer.nsecsElapsed()) / 1e9);
    return 0;
}

// Child mode: what a process costs before it touches an image (Qt and the JPEG plugin loaded).
int runIdle(const QString &tinyJpeg)
{
    platform::ImageComponent component;
    component.load(tinyJpeg);
    return 0;
}

QImage loadForComparison(const QString &path)
{
    platform::ImageComponent component;
    return component.load(path) ? component.picture() : QImage();
}

// Child mode: enlarges the photograph to about `megapixels` and writes it as JPEG (quality 92),
// and a tiny JPEG beside it for the idle measurement. Prints the width and height.
int runEnlarge(const QString &photoPath, double megapixels, const QString &out, const QString &tiny)
{
    const QImage photo(photoPath);
    if (photo.isNull()) {
        fprintf(stderr, "cannot read %s\n", qPrintable(photoPath));
        return 1;
    }
    const double scale = std::sqrt(megapixels * 1e6 / (photo.width() * photo.height()));
    const QSize size(
        int(std::lround(photo.width() * scale)), int(std::lround(photo.height() * scale)));
    QImageWriter writer(out, "jpeg");
    writer.setQuality(92);
    if (!writer.write(photo.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
        || !photo.scaled(16, 16).save(tiny, "jpeg")) {
        fprintf(stderr, "cannot write the enlarged photograph\n");
        return 1;
    }
    printf("%d %d\n", size.width(), size.height());
    return 0;
}

// Child mode: prints the PSNR of `image` against the JPEG `reference` as decoded by Qt.
int runPsnr(const QString &reference, const QString &image)
{
    const QImage original = QImage(reference).convertToFormat(QImage::Format_RGB32);
    printf("%.4f\n", bench::psnr(original, loadForComparison(image)));
    return 0;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

struct Measured
{
    QList<double> times;
    double seconds = 0; // median wall time of the whole process
    qint64 peakKilobytes = 0; // largest over the runs
    bool ok = true;

    void add(const bench::ChildRun &run)
    {
        ok = ok && run.exitCode == 0;
        times.append(run.seconds);
        seconds = median(times);
        peakKilobytes = std::max(peakKilobytes, run.peakKilobytes);
    }
};

// Runs the two commands in turn, `runs` times each, so a change in the machine's load
// affects both alike.
std::pair<Measured, Measured> measureAlternately(const QString &firstProgram,
    const QStringList &firstArguments, const QString &secondProgram,
    const QStringList &secondArguments, int runs)
{
    std::pair<Measured, Measured> result;
    for (int i = 0; i < runs && result.first.ok && result.second.ok; ++i) {
        result.first.add(bench::runChild(firstProgram, firstArguments));
        result.second.add(bench::runChild(secondProgram, secondArguments));
    }
    return result;
}

Measured measure(const QString &program, const QStringList &arguments, int runs)
{
    Measured result;
    for (int i = 0; i < runs && result.ok; ++i)
        result.add(bench::runChild(program, arguments));
    return result;
}

double loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(0).toDouble() : -1;
}

double psnrOf(const QString &self, const QString &reference, const QString &image)
{
    const bench::ChildRun run = bench::runChild(self, {QStringLiteral("--psnr"), reference, image});
    return run.exitCode == 0 ? run.output.trimmed().toDouble() : std::nan("");
}

bool parse(const QStringList &arguments, Options &options)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        const QString next = i + 1 < arguments.size() ? arguments[i + 1] : QString();
        if (a == u"--photo")
            options.photo = next, ++i;
        else if (a == u"--megapixels")
            options.megapixels = next.toDouble(), ++i;
        else if (a == u"--runs")
            options.runs = std::max(1, next.toInt()), ++i;
        else if (a == u"--results")
            options.results = next, ++i;
        else if (a == u"--sweep")
            options.sweep = true;
        else
            return false;
    }
    return options.megapixels > 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() >= 4 && arguments[1] == u"--ours")
        return runPipeline(arguments[2], arguments[3], arguments.mid(4));
    if (arguments.size() == 3 && arguments[1] == u"--idle")
        return runIdle(arguments[2]);
    if (arguments.size() == 6 && arguments[1] == u"--enlarge")
        return runEnlarge(arguments[2], arguments[3].toDouble(), arguments[4], arguments[5]);
    if (arguments.size() == 4 && arguments[1] == u"--psnr")
        return runPsnr(arguments[2], arguments[3]);

    Options options;
    if (!parse(arguments, options)) {
        fprintf(stderr,
            "usage: bench_gifpipeline [--photo FILE] [--megapixels N] [--runs N] "
            "[--results FILE] [--sweep]\n");
        return 2;
    }
    if (!QFile::exists(ImageMagick)) {
        fprintf(stderr, "%s is missing (Debian package imagemagick).\n", qPrintable(ImageMagick));
        return 2;
    }
    QTemporaryDir work;
    const QString self = QCoreApplication::applicationFilePath();
    const QString input = work.filePath(QStringLiteral("photo.jpg"));
    const QString tiny = work.filePath(QStringLiteral("tiny.jpg"));

    // The parent stays small: a spawned child's recorded peak memory includes the parent's.
    const bench::ChildRun enlarged = bench::runChild(self,
        {QStringLiteral("--enlarge"), options.photo, QString::number(options.megapixels), input,
            tiny});
    const QList<QByteArray> sides = enlarged.output.trimmed().split(' ');
    if (enlarged.exitCode != 0 || sides.size() != 2)
        return 2;
    const QSize size(sides[0].toInt(), sides[1].toInt());
    const double decodedMegabytes = size.width() * double(size.height()) * 4 / (1024.0 * 1024.0);
    printf("photograph %s enlarged to %d x %d (%.1f MP), decoded %.1f MB\n",
        qPrintable(options.photo), size.width(), size.height(),
        size.width() * double(size.height()) / 1e6, decodedMegabytes);

    const QString ours = work.filePath(QStringLiteral("ours.gif"));
    const QString theirs = work.filePath(QStringLiteral("imagemagick.gif"));
    const Measured idle = measure(self, {QStringLiteral("--idle"), tiny}, 1);
    const double loadBefore = loadAverage();
    const auto [our, magick]
        = measureAlternately(self, {QStringLiteral("--ours"), input, ours}, ImageMagick,
            {input, QStringLiteral("-colors"), QStringLiteral("256"), theirs}, options.runs);
    const double loadAfter = loadAverage();
    if (!our.ok || !magick.ok) {
        fprintf(stderr, "a pipeline failed\n");
        return 1;
    }
    const double ourPsnr = psnrOf(self, input, ours);
    const double theirPsnr = psnrOf(self, input, theirs);
    const double ratio = our.seconds / magick.seconds;
    const double peakMb = our.peakKilobytes / 1024.0;
    const double idleMb = idle.peakKilobytes / 1024.0;
    printf("ours         %.2f s  PSNR %.2f dB  peak %.0f MB (%.2f x decoded; %.2f x above the "
           "idle %.0f MB)\n",
        our.seconds, ourPsnr, peakMb, peakMb / decodedMegabytes,
        (peakMb - idleMb) / decodedMegabytes, idleMb);
    printf("ImageMagick  %.2f s  PSNR %.2f dB  peak %.0f MB\n", magick.seconds, theirPsnr,
        magick.peakKilobytes / 1024.0);
    printf("time ratio   %.2f\n", ratio);

    QStringList sweepRows;
    if (options.sweep) {
        const platform::ColourReducer::Settings chosen = platform::ColourReducer::defaultSettings();
        for (const int speed : {3, 6, 8, 10}) {
            for (const double dither : {0.0, 0.5, 0.75, 1.0}) {
                const QString out = work.filePath(QStringLiteral("sweep.gif"));
                const Measured m = measure(self,
                    {QStringLiteral("--ours"), input, out, QString::number(speed),
                        QString::number(dither)},
                    options.runs);
                const double p = psnrOf(self, input, out);
                const bool isDefault
                    = speed == chosen.speed && std::abs(dither - chosen.dithering) < 1e-6;
                sweepRows.append(QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 |")
                                     .arg(speed)
                                     .arg(dither, 0, 'f', 2)
                                     .arg(m.seconds, 0, 'f', 2)
                                     .arg(m.seconds / magick.seconds, 0, 'f', 2)
                                     .arg(p, 0, 'f', 2)
                                     .arg(isDefault ? QStringLiteral("chosen") : QString()));
                printf(
                    "speed %2d dither %.1f  %.2f s  PSNR %.2f dB\n", speed, dither, m.seconds, p);
            }
        }
    }

    QFile results(options.results);
    if (!results.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        fprintf(stderr, "cannot write %s\n", qPrintable(options.results));
        return 1;
    }
    const platform::ColourReducer::Settings chosen = platform::ColourReducer::defaultSettings();
    QTextStream md(&results);
    md << "# GIF pipeline benchmark\n\n"
       << "Measured by `bench_gifpipeline` (bench/gifpipeline.cpp) on "
       << QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd")) << ", "
       << QSysInfo::prettyProductName() << ", " << QThread::idealThreadCount()
       << " cores. Each figure is the median of " << options.runs
       << " runs of a fresh process (wall-clock time from start to exit), ours and ImageMagick's "
          "taken in turn; the machine's load average was "
       << QString::number(loadBefore, 'f', 1) << " before and "
       << QString::number(loadAfter, 'f', 1) << " after.\n\n"
       << "Task: load a " << size.width() << " x " << size.height() << " JPEG ("
       << QString::number(size.width() * double(size.height()) / 1e6, 'f', 1)
       << " megapixels, the photograph `" << QFileInfo(options.photo).fileName()
       << "` enlarged with Qt's smooth scaling and saved at JPEG quality 92), reduce it to 256 "
          "colours and save it as GIF.\n\n"
       << "Our pipeline: Qt's JPEG decoder; libimagequant chooses the palette; our own remapper "
          "maps the pixels (exact nearest colour, Floyd-Steinberg error diffusion scaled by the "
          "dithering level, no dithering in flat areas) in bands of rows on all cores; giflib "
          "writes the file. ImageMagick runs with its default settings.\n\n"
       << "| pipeline | time (s) | PSNR (dB) | peak memory (MB) |\n"
       << "|---|---|---|---|\n"
       << "| image component (libimagequant speed " << chosen.speed << ", dithering "
       << chosen.dithering << ") | " << QString::number(our.seconds, 'f', 2) << " | "
       << QString::number(ourPsnr, 'f', 2) << " | " << QString::number(peakMb, 'f', 0) << " |\n"
       << "| `/usr/bin/convert IN -colors 256 OUT.gif` | "
       << QString::number(magick.seconds, 'f', 2) << " | " << QString::number(theirPsnr, 'f', 2)
       << " | " << QString::number(magick.peakKilobytes / 1024.0, 'f', 0) << " |\n\n"
       << "- Time ratio (ours / ImageMagick): **" << QString::number(ratio, 'f', 2)
       << "** (target: at most 0.5).\n"
       << "- PSNR against the decoded photograph: ours " << QString::number(ourPsnr, 'f', 2)
       << " dB, ImageMagick " << QString::number(theirPsnr, 'f', 2)
       << " dB (target: ours at least as high).\n"
       << "- Our peak memory: " << QString::number(peakMb, 'f', 0) << " MB = **"
       << QString::number(peakMb / decodedMegabytes, 'f', 2) << " x** the decoded image ("
       << QString::number(decodedMegabytes, 'f', 1)
       << " MB as 32-bit pixels; target: at most 3 x). A process that has only loaded Qt and "
          "decoded a tiny JPEG peaks at "
       << QString::number(idleMb, 'f', 0) << " MB; above that the pipeline needs "
       << QString::number((peakMb - idleMb) / decodedMegabytes, 'f', 2) << " x.\n";
    if (!sweepRows.isEmpty()) {
        md << "\nTuning sweep (same photograph; the median of " << options.runs
           << " runs each, taken after the measurement above, ratios against its ImageMagick "
              "time; a single figure far off its neighbours means the machine was busy):\n\n"
           << "| speed | dithering | time (s) | ratio to ImageMagick | PSNR (dB) | |\n"
           << "|---|---|---|---|---|---|\n"
           << sweepRows.join(QLatin1Char('\n')) << "\n";
    }
    md << "\nRerun: `cmake -S bench -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release && ninja -C "
          "build-bench bench_gifpipeline && build-bench/bench_gifpipeline --sweep`\n";
    printf("wrote %s\n", qPrintable(options.results));
    return 0;
}
