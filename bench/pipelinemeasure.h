#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace bench {

// One finished child process: its wall-clock time, the peak resident memory the kernel
// recorded for it, its exit status and what it printed.
struct ChildRun
{
    double seconds = 0;
    qint64 peakKilobytes = 0;
    int exitCode = -1;
    QByteArray output;
};

// Runs program with arguments, waits for it and measures it (wall time around spawn and wait,
// peak memory from wait4's resource usage).
ChildRun runChild(const QString &program, const QStringList &arguments);

// Peak signal-to-noise ratio in dB of `image` against `reference` over the red, green and blue
// channels (both the same size); infinity for identical images, NaN for a size mismatch.
double psnr(const QImage &reference, const QImage &image);

// Structural similarity of `image` to `reference` on their luma (0.299 R + 0.587 G + 0.114 B):
// the mean SSIM of 8 x 8 windows every 4 pixels, with the usual constants for 8-bit values.
// 1 for identical images, NaN for a size mismatch.
double ssim(const QImage &reference, const QImage &image);

// This process's own peak resident memory so far, in kilobytes (VmHWM).
qint64 ownPeakKilobytes();

} // namespace bench
