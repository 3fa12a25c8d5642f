#include "giftool/core/erasingframes.h"

#include "platform/imaging/gifcanvas.h"

#include <QHash>
#include <QRegion>
#include <algorithm>
#include <array>
#include <climits>
#include <optional>

namespace giftool {

using platform::GifAnimation;
using platform::GifCanvas;
using platform::GifFrame;

namespace {

constexpr int RestoreBackground = 2;

// The largest part of the screen the frames may span to be checked: two canvases of four bytes a
// pixel take 256 MB at this size.
constexpr qint64 MaxCanvasPixels = 32'000'000;

// The most pixels the check may compare over all frames together, so that no animation keeps a
// save busy for long: a few seconds' work.
constexpr qint64 MaxComparedPixels = 2'000'000'000;

// The pixels of the saved frame that the rule made clear: transparent now and not before. Empty
// when there are none.
QBitArray madeClear(const GifFrame &opened, const GifFrame &saved)
{
    if (saved.transparentIndex < 0 || opened.pixels.size() != saved.pixels.size())
        return QBitArray();
    QBitArray clears(saved.pixels.size());
    bool any = false;
    for (qsizetype i = 0; i < saved.pixels.size(); ++i) {
        if (uchar(saved.pixels[i]) == saved.transparentIndex
            && uchar(opened.pixels[i]) != opened.transparentIndex) {
            clears.setBit(i);
            any = true;
        }
    }
    return any ? clears : QBitArray();
}

// The smallest rectangle holding every pixel of the region that passes the test.
template <typename Test> QRect boundsWhere(const QRegion &region, Test test)
{
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const QRect &rect : region) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                if (test(x, y)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
    }
    return left <= right ? QRect(QPoint(left, top), QPoint(right, bottom)) : QRect();
}

QRect differences(const GifCanvas &out, const GifCanvas &target, const QRegion &region)
{
    return boundsWhere(region, [&](int x, int y) { return out.pixel(x, y) != target.pixel(x, y); });
}

// An entry of the table that no pixel of the frame uses, or -1.
int unusedEntry(const GifFrame &frame, const QList<QRgb> &colours)
{
    std::array<bool, 256> used{};
    for (const char pixel : frame.pixels)
        used[uchar(pixel)] = true;
    for (int i = 0; i < colours.size() && i < 256; ++i) {
        if (!used[size_t(i)])
            return i;
    }
    return -1;
}

// Gives a frame that uses every entry of its table, none of them clear, a table of its own: the
// colours its pixels use, each once, and an entry for clear. False when they are 256 colours.
bool spareAnEntry(GifFrame &frame, const QList<QRgb> &colours)
{
    std::array<bool, 256> used{};
    for (const char pixel : frame.pixels)
        used[uchar(pixel)] = true;
    QList<QRgb> table;
    std::array<int, 256> moveTo{};
    for (int i = 0; i < colours.size() && i < 256; ++i) {
        if (!used[size_t(i)])
            continue;
        qsizetype at = table.indexOf(colours[i]);
        if (at < 0) {
            at = table.size();
            table << colours[i];
        }
        moveTo[size_t(i)] = int(at);
    }
    if (table.size() >= 256)
        return false;
    for (char &pixel : frame.pixels)
        pixel = char(moveTo[uchar(pixel)]);
    frame.transparentIndex = int(table.size());
    table << qRgb(0, 0, 0);
    platform::coverTableEntries(table, int(table.size()));
    frame.localColours = table;
    return true;
}

// Grows the frame to the rect with transparent pixels, which leave the canvas as it is. False
// when the frame has no transparent index and no entry to spare for one, even in a table of its
// own.
bool widen(GifFrame &frame, const QList<QRgb> &colours, const QRect &rect)
{
    int clear = frame.transparentIndex >= 0 ? frame.transparentIndex : unusedEntry(frame, colours);
    if (clear < 0) {
        if (!spareAnEntry(frame, colours))
            return false;
        clear = frame.transparentIndex;
    }
    QByteArray pixels(qsizetype(rect.width()) * rect.height(), char(clear));
    const QPoint at = frame.rect.topLeft() - rect.topLeft();
    for (int y = 0; y < frame.rect.height(); ++y)
        pixels.replace(qsizetype(at.y() + y) * rect.width() + at.x(), frame.rect.width(),
            frame.pixels.constData() + qsizetype(y) * frame.rect.width(), frame.rect.width());
    frame.pixels = pixels;
    frame.rect = rect;
    frame.transparentIndex = clear;
    return true;
}

// The entries a table gives the colours, and a transparent index besides them; nullopt when
// it lacks a colour or has no entry to spare.
struct TableFit
{
    QHash<QRgb, int> entries;
    int clear = -1;
};

std::optional<TableFit> fitInto(
    const QList<QRgb> &table, int clear, const QList<QRgb> &colours, bool needsClear)
{
    const int entries = std::min(int(table.size()), 256);
    if (clear >= entries)
        clear = -1;
    QHash<QRgb, int> first;
    for (int i = entries - 1; i >= 0; --i) {
        if (i != clear)
            first.insert(table[i] | 0xFF000000, i);
    }
    TableFit fit;
    std::array<bool, 256> used{};
    for (const QRgb colour : colours) {
        const auto entry = first.constFind(colour);
        if (entry == first.cend())
            return std::nullopt;
        fit.entries.insert(colour, *entry);
        used[size_t(*entry)] = true;
    }
    for (int i = 0; needsClear && clear < 0 && i < entries; ++i) {
        if (!used[size_t(i)])
            clear = i;
    }
    if (needsClear && clear < 0)
        return std::nullopt;
    fit.clear = clear;
    return fit;
}

// The frame that, drawn on `out`, makes the rect look as it does on `target`: pixels already
// right, or clear on both, are transparent. It keeps the timing and disposal of `like`, and its
// table when that holds the colours.
std::optional<GifFrame> frameOfChange(const GifCanvas &out, const GifCanvas &target,
    const QRect &rect, const GifFrame &like, const GifAnimation &animation)
{
    std::vector<QRgb> paint; // 0 where the frame is transparent
    paint.reserve(size_t(rect.width()) * size_t(rect.height()));
    QList<QRgb> colours;
    QHash<QRgb, bool> seen;
    bool needsClear = false;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb wanted = target.pixel(x, y);
            const bool same = wanted == out.pixel(x, y);
            paint.push_back(same ? 0 : wanted);
            needsClear = needsClear || same;
            if (!same && !seen.contains(wanted)) {
                seen.insert(wanted, true);
                colours << wanted;
            }
        }
    }
    GifFrame frame = like;
    std::optional<TableFit> fit
        = fitInto(animation.coloursOf(like), like.transparentIndex, colours, needsClear);
    if (!fit && !like.localColours.isEmpty() && !animation.globalColours.isEmpty()) {
        fit = fitInto(animation.globalColours, -1, colours, needsClear);
        if (fit)
            frame.localColours.clear();
    }
    if (!fit) {
        const int entries = int(colours.size()) + (needsClear ? 1 : 0);
        if (entries > 256)
            return std::nullopt;
        frame.localColours = colours;
        if (needsClear)
            frame.localColours << qRgb(0, 0, 0);
        platform::coverTableEntries(frame.localColours, entries);
        fit = fitInto(
            frame.localColours, needsClear ? int(colours.size()) : -1, colours, needsClear);
    }
    frame.rect = rect;
    frame.transparentIndex = fit->clear;
    frame.pixels.resize(qsizetype(paint.size()));
    for (size_t i = 0; i < paint.size(); ++i)
        frame.pixels[qsizetype(i)] = char(paint[i] ? fit->entries.value(paint[i]) : fit->clear);
    return frame;
}

QRect areaOf(const GifAnimation &animation)
{
    QRect area;
    for (const GifFrame &frame : animation.frames)
        area |= frame.rect;
    return area;
}

// Draws the frames one by one on two canvases: the target, the opened animation with the
// cleared pixels painting clear, and the output, what the written frames draw. Each frame is
// kept or rewritten so that both canvases agree once it is drawn, so only what the frame and
// its disposal touch can differ.
class ErasingFrameMender
{
public:
    ErasingFrameMender(const GifAnimation &saved, QList<QBitArray> clears, QRect area)
        : m_saved(saved)
        , m_clears(std::move(clears))
        , m_target(area)
        , m_out(area)
        , m_area(area)
        , m_frames(saved.frames)
        , m_rewritten(saved.frames.size(), false)
    { }

    // Keeps or rewrites frame k; false when it cannot be made to agree, or the comparison
    // would grow too long.
    bool mendFrame(qsizetype k);

    const QList<GifFrame> &frames() const { return m_frames; }
    int rewrittenCount() const { return int(m_rewritten.count(true)); }

private:
    bool clearThroughPreviousDisposal(
        qsizetype k, const GifCanvas::Snapshot &before, QRegion &touched);

    const GifAnimation &m_saved;
    QList<QBitArray> m_clears;
    GifCanvas m_target;
    GifCanvas m_out;
    QRect m_area;
    QList<GifFrame> m_frames;
    QList<bool> m_rewritten;
    qint64 m_compared = 0;
};

bool ErasingFrameMender::mendFrame(qsizetype k)
{
    const GifFrame &ruled = m_saved.frames[k]; // as the per-frame rule wrote it
    QRegion touched
        = QRegion(m_target.disposalArea()) + m_out.disposalArea() + (ruled.rect & m_area);
    m_compared += qint64(touched.boundingRect().width()) * touched.boundingRect().height();
    if (m_compared > MaxComparedPixels)
        return false;
    m_target.draw(ruled, m_saved.coloursOf(ruled), m_clears[k]);
    const GifCanvas::Snapshot before = m_out.snapshot(m_out.disposalArea(), ruled.rect);
    m_out.draw(ruled, m_saved.coloursOf(ruled));
    if (differences(m_out, m_target, touched).isEmpty())
        return true;
    m_out.restore(before);
    m_out.dispose();
    if (!clearThroughPreviousDisposal(k, before, touched))
        return false;
    QRect change = differences(m_out, m_target, touched);
    if (change.isEmpty())
        change = QRect(ruled.rect.topLeft(), QSize(1, 1));
    const std::optional<GifFrame> frame = frameOfChange(m_out, m_target, change, ruled, m_saved);
    if (!frame)
        return false;
    m_out.draw(*frame, m_saved.coloursOf(*frame));
    if (!differences(m_out, m_target, touched + change).isEmpty())
        return false;
    m_frames[k] = *frame;
    m_rewritten[k] = true;
    return true;
}

bool ErasingFrameMender::clearThroughPreviousDisposal(
    qsizetype k, const GifCanvas::Snapshot &before, QRegion &touched)
{
    const QRect mustClear = boundsWhere(
        touched, [&](int x, int y) { return m_target.pixel(x, y) == 0 && m_out.pixel(x, y) != 0; });
    if (mustClear.isEmpty())
        return true;
    // Only the disposal of the frame before can make the canvas clear; the first frame is
    // drawn on a clear canvas, so it never needs that.
    if (k == 0)
        return false;
    GifFrame &previous = m_frames[k - 1];
    const QRect wider = previous.rect | mustClear;
    if (wider != previous.rect && !widen(previous, m_saved.coloursOf(previous), wider))
        return false;
    m_rewritten[k - 1] = m_rewritten[k - 1] || wider != m_saved.frames[k - 1].rect
        || previous.disposal != RestoreBackground;
    previous.disposal = RestoreBackground;
    m_out.restore(before);
    m_out.setDisposal(wider, RestoreBackground);
    m_out.dispose();
    touched += wider & m_area;
    return true;
}

} // namespace

int mendErasingFrames(const GifAnimation &opened, GifAnimation &saved)
{
    const qsizetype count = saved.frames.size();
    if (count != opened.frames.size())
        return 0;
    QList<QBitArray> clears;
    bool anyClear = false;
    for (qsizetype k = 0; k < count; ++k) {
        clears << madeClear(opened.frames[k], saved.frames[k]);
        anyClear = anyClear || !clears.last().isEmpty();
    }
    const QRect area = areaOf(saved);
    if (!anyClear || qint64(area.width()) * area.height() > MaxCanvasPixels)
        return 0;
    ErasingFrameMender mender(saved, std::move(clears), area);
    for (qsizetype k = 0; k < count; ++k) {
        if (!mender.mendFrame(k))
            return 0;
    }
    const int redrawn = mender.rewrittenCount();
    if (redrawn > 0) {
        // The file keeps the screen it would have had, grown to hold the frames as they were.
        saved.screen = saved.screen.expandedTo(QSize(area.right() + 1, area.bottom() + 1));
        saved.frames = mender.frames();
    }
    return redrawn;
}

} // namespace giftool
