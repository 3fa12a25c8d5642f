#include "platform/imaging/remapper.h"

#include "platform/imaging/flatareamask.h"
#include "platform/imaging/palettemapper.h"

#include <QtGlobal>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <system_error>
#include <thread>
#include <tuple>
#include <vector>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

constexpr int RowsPerBand = 256;
constexpr int MaxBands = 64;
// The flat-area mask of a row looks at the source rows up to three above and below it; one
// more row keeps a safe distance.
constexpr int RowsLookedAt = 4;

// The bands of rows an image of the given height is cut into, by the height alone.
class BandPlan
{
public:
    explicit BandPlan(int height)
        : m_height(height)
        , m_count(std::clamp(height / RowsPerBand, 1, MaxBands))
    { }

    int count() const { return m_count; }
    std::pair<int, int> rows(int band) const
    {
        return {
            int(qint64(m_height) * band / m_count), int(qint64(m_height) * (band + 1) / m_count)};
    }

private:
    int m_height;
    int m_count;
};

// Which bands are finished, for a thread that waits for them in order.
class BandProgress
{
public:
    explicit BandProgress(int bands)
        : m_finished(size_t(bands), false)
    { }

    void finish(int band)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_finished[size_t(band)] = true;
        }
        m_changed.notify_all();
    }

    void waitFor(int band)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return bool(m_finished[size_t(band)]); });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<bool> m_finished;
};

// Hands the whole memory pages of used-up source rows back to the system, so that the source
// and the result need not both be held in full.
class SourceRelease
{
public:
    SourceRelease(const QImage &source, bool enabled)
        : m_bits(reinterpret_cast<quintptr>(source.constBits()))
        , m_bytesPerLine(source.bytesPerLine())
        , m_enabled(enabled)
    { }

    // Row y of the band [first, last) is mapped: the band's own rows that no later row of it
    // looks at any more may go. Rows near the band's edges are looked at by the next bands too.
    void rowDone(int first, int last, int y) const
    {
        if (!m_enabled || ((y - first) % 32 != 31 && y != last - 1))
            return;
        release(first + RowsLookedAt, std::min(y + 1 - RowsLookedAt, last - RowsLookedAt));
    }

private:
    void release(int first, int end) const
    {
#ifdef Q_OS_LINUX
        static const auto page = quintptr(sysconf(_SC_PAGESIZE));
        const quintptr begin = (m_bits + quintptr(first) * m_bytesPerLine + page - 1) & ~(page - 1);
        const quintptr stop = (m_bits + quintptr(end) * m_bytesPerLine) & ~(page - 1);
        if (end > first && stop > begin)
            madvise(reinterpret_cast<void *>(begin), stop - begin, MADV_DONTNEED);
#else
        Q_UNUSED(first);
        Q_UNUSED(end);
#endif
    }

    quintptr m_bits;
    quintptr m_bytesPerLine;
    bool m_enabled;
};

struct PixelReader
{
    bool rgbxOrder;

    void operator()(const uchar *line, int x, int &red, int &green, int &blue) const
    {
        if (rgbxOrder) {
            const uchar *p = line + 4 * x;
            red = p[0];
            green = p[1];
            blue = p[2];
        } else {
            const QRgb p = reinterpret_cast<const QRgb *>(line)[x];
            red = qRed(p);
            green = qGreen(p);
            blue = qBlue(p);
        }
    }
};

// The rows [first, last) of the output image, written through plain pointers so that bands can
// be filled from several threads at once.
struct Band
{
    int first;
    int last;
    uchar *bits;
    qsizetype bytesPerLine;

    uchar *line(int y) const { return bits + y * bytesPerLine; }
};

template <typename RowDone>
void mapNearest(
    const QImage &source, PixelReader read, PaletteMapper &mapper, const Band &out, RowDone rowDone)
{
    int red = 0, green = 0, blue = 0;
    for (int y = out.first; y < out.last; ++y) {
        const uchar *line = source.constScanLine(y);
        uchar *target = out.line(y);
        for (int x = 0, width = source.width(); x < width; ++x) {
            read(line, x, red, green, blue);
            target[x] = mapper.nearest(red, green, blue);
        }
        rowDone(y);
    }
}

// Passes a pixel's error on, per channel: 7/16 to the pixel ahead in its row, and 3/16, 5/16
// and 1/16 to the pixels behind, below and ahead in the next row (below points at the one
// below).
inline void spreadError(const float error[3], float *ahead, float *below, int step)
{
    float *belowBehind = below - 3 * step;
    float *belowAhead = below + 3 * step;
    for (int c = 0; c < 3; ++c) {
        ahead[c] += error[c] * (7.0f / 16.0f);
        belowBehind[c] += error[c] * (3.0f / 16.0f);
        below[c] += error[c] * (5.0f / 16.0f);
        belowAhead[c] += error[c] * (1.0f / 16.0f);
    }
}

template <typename RowDone>
void diffuseErrors(const QImage &source, PixelReader read, PaletteMapper &mapper, float level,
    const Band &out, RowDone rowDone)
{
    const int width = source.width();
    const QList<QRgb> &palette = mapper.palette();
    FlatAreaMask flatAreas(source, out.first);
    // Errors per channel for this row and the next, with one spare pixel at either end.
    const auto cells = static_cast<size_t>(width + 2) * 3;
    std::vector<float> current(cells, 0.0f);
    std::vector<float> next(cells, 0.0f);
    int red = 0, green = 0, blue = 0;
    for (int y = out.first; y < out.last; ++y) {
        const uchar *flat = flatAreas.row(y);
        const uchar *line = source.constScanLine(y);
        uchar *target = out.line(y);
        const bool forward = y % 2 == 0;
        const int step = forward ? 1 : -1;
        std::fill(next.begin(), next.end(), 0.0f);
        for (int i = 0; i < width; ++i) {
            const int x = forward ? i : width - 1 - i;
            read(line, x, red, green, blue);
            if (flat[x]) {
                target[x] = mapper.nearest(red, green, blue);
                continue;
            }
            float *here = &current[size_t(x + 1) * 3];
            const float wanted[3] = {std::clamp(red + here[0], 0.0f, 255.0f),
                std::clamp(green + here[1], 0.0f, 255.0f),
                std::clamp(blue + here[2], 0.0f, 255.0f)};
            const uchar index = mapper.nearestInBlock(
                int(wanted[0] + 0.5f), int(wanted[1] + 0.5f), int(wanted[2] + 0.5f));
            target[x] = index;
            const QRgb chosen = palette[index];
            const float error[3] = {(wanted[0] - float(qRed(chosen))) * level,
                (wanted[1] - float(qGreen(chosen))) * level,
                (wanted[2] - float(qBlue(chosen))) * level};
            spreadError(error, here + 3 * step, &next[size_t(x + 1) * 3], step);
        }
        std::swap(current, next);
        rowDone(y);
    }
}

// Runs work on up to threads threads, this one included, and passOn, when given, on a thread of
// its own; what no thread can be had for, this one does.
void runOnThreads(
    int threads, const std::function<void()> &work, const std::function<void()> &passOn)
{
    std::vector<std::thread> helpers;
    const auto start = [&helpers](const std::function<void()> &job) {
        try {
            helpers.emplace_back(job);
            return true;
        } catch (const std::system_error &) {
            return false; // no thread to be had: the work is done by the others
        }
    };
    const bool passingOn = passOn && start(passOn);
    for (int i = 1; i < threads && start(work); ++i) { }
    work();
    for (std::thread &helper : helpers)
        helper.join();
    if (passOn && !passingOn)
        passOn();
}

} // namespace

QImage Remapper::remap(
    const QImage &source, const QList<QRgb> &palette, float dithering, const RemapOptions &options)
{
    const bool rgbxOrder = source.format() == QImage::Format_RGBX8888;
    if (source.isNull() || palette.isEmpty() || palette.size() > 256
        || (!rgbxOrder && source.format() != QImage::Format_RGB32))
        return QImage();
    QImage out(source.size(), QImage::Format_Indexed8);
    if (out.isNull())
        return out;
    out.setColorTable(palette);
    const BandPlan plan(source.height());
    const PixelReader read{rgbxOrder};
    const float level = std::min(dithering, 1.0f);
    const Band whole{0, 0, out.bits(), out.bytesPerLine()};
    SourceRelease release(source, options.consumeSource);
    BandProgress progress(plan.count());
    std::atomic<int> nextBand = 0;
    const auto work = [&] {
        PaletteMapper mapper(palette);
        for (int band = nextBand++; band < plan.count(); band = nextBand++) {
            Band rows = whole;
            std::tie(rows.first, rows.last) = plan.rows(band);
            const auto rowDone = [&](int y) { release.rowDone(rows.first, rows.last, y); };
            if (level > 0.0f)
                diffuseErrors(source, read, mapper, level, rows, rowDone);
            else
                mapNearest(source, read, mapper, rows, rowDone);
            progress.finish(band);
        }
    };
    const auto passOn = [&] {
        for (int band = 0; band < plan.count(); ++band) {
            progress.waitFor(band);
            const auto [first, last] = plan.rows(band);
            options.finishedRows(out, first, last);
        }
    };

    const int cores = std::max(1, int(std::thread::hardware_concurrency()));
    const int threads = std::min(options.threads > 0 ? options.threads : cores, plan.count());
    runOnThreads(threads, work, options.finishedRows ? passOn : std::function<void()>());
    return out;
}

} // namespace platform
