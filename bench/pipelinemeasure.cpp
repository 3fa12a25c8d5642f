#include "pipelinemeasure.h"

#include <QElapsedTimer>
#include <QFile>
#include <cmath>
#include <fcntl.h>
#include <limits>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace bench {

ChildRun runChild(const QString &program, const QStringList &arguments)
{
    ChildRun run;
    std::vector<QByteArray> storage;
    storage.push_back(program.toLocal8Bit());
    for (const QString &argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &item : storage)
        argv.push_back(item.data());
    argv.push_back(nullptr);

    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);

    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return run;
    }
    char buffer[4096];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        run.output.append(buffer, n);
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.seconds = double(timer.nsecsElapsed()) / 1e9;
    run.peakKilobytes = usage.ru_maxrss;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

double psnr(const QImage &reference, const QImage &image)
{
    if (reference.size() != image.size())
        return std::numeric_limits<double>::quiet_NaN();
    const QImage a = reference.convertToFormat(QImage::Format_RGB32);
    const QImage b = image.convertToFormat(QImage::Format_RGB32);
    double squares = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *q = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        qint64 line = 0;
        for (int x = 0; x < a.width(); ++x) {
            const int dr = qRed(p[x]) - qRed(q[x]);
            const int dg = qGreen(p[x]) - qGreen(q[x]);
            const int db = qBlue(p[x]) - qBlue(q[x]);
            line += dr * dr + dg * dg + db * db;
        }
        squares += double(line);
    }
    const double mse = squares / (3.0 * double(a.width()) * double(a.height()));
    if (mse == 0)
        return std::numeric_limits<double>::infinity();
    return 10.0 * std::log10(255.0 * 255.0 / mse);
}

namespace {

std::vector<float> lumaOf(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::vector<float> luma(size_t(rgb.width()) * size_t(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            luma[size_t(y) * size_t(rgb.width()) + size_t(x)] = 0.299f * float(qRed(line[x]))
                + 0.587f * float(qGreen(line[x])) + 0.114f * float(qBlue(line[x]));
    }
    return luma;
}

} // namespace

double ssim(const QImage &reference, const QImage &image)
{
    if (reference.size() != image.size() || reference.width() < 8 || reference.height() < 8)
        return std::numeric_limits<double>::quiet_NaN();
    const std::vector<float> a = lumaOf(reference);
    const std::vector<float> b = lumaOf(image);
    const size_t width = size_t(reference.width());
    constexpr double C1 = (0.01 * 255) * (0.01 * 255), C2 = (0.03 * 255) * (0.03 * 255);
    constexpr int Window = 8, Step = 4;
    double total = 0;
    qint64 windows = 0;
    for (int y = 0; y + Window <= reference.height(); y += Step) {
        for (int x = 0; x + Window <= reference.width(); x += Step) {
            double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
            for (int j = 0; j < Window; ++j) {
                const size_t row = size_t(y + j) * width + size_t(x);
                for (int i = 0; i < Window; ++i) {
                    const double p = a[row + size_t(i)], q = b[row + size_t(i)];
                    sa += p, sb += q, saa += p * p, sbb += q * q, sab += p * q;
                }
            }
            const double n = Window * Window;
            const double ma = sa / n, mb = sb / n;
            const double va = saa / n - ma * ma, vb = sbb / n - mb * mb, cov = sab / n - ma * mb;
            total += ((2 * ma * mb + C1) * (2 * cov + C2))
                / ((ma * ma + mb * mb + C1) * (va + vb + C2));
            ++windows;
        }
    }
    return total / double(windows);
}

qint64 ownPeakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace bench
