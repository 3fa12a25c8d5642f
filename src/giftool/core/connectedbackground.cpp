#include "giftool/core/connectedbackground.h"

#include <QStringList>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace giftool {

namespace {

using Marks = std::array<bool, 256>;

double distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
    return std::sqrt(double(r * r + g * g + bl * bl));
}

// The pixels 4-connected to seed through pixels whose entry is marked.
QBitArray connectedRegion(const QImage &picture, QPoint seed, const Marks &background)
{
    const int width = picture.width(), height = picture.height();
    QBitArray region(qsizetype(width) * height);
    if (!picture.valid(seed) || !background[picture.pixelIndex(seed)])
        return region;
    std::vector<QPoint> pending{seed};
    region.setBit(seed.y() * width + seed.x());
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        static constexpr std::array<QPoint, 4> steps
            = {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)};
        for (const QPoint step : steps) {
            const QPoint q = p + step;
            if (q.x() < 0 || q.y() < 0 || q.x() >= width || q.y() >= height)
                continue;
            const qsizetype bit = qsizetype(q.y()) * width + q.x();
            if (region.testBit(bit) || !background[picture.constScanLine(q.y())[q.x()]])
                continue;
            region.setBit(bit);
            pending.push_back(q);
        }
    }
    return region;
}

// Which entries the enclosed pixels use, and which entries any pixel uses.
struct Usage
{
    Marks used{};
    Marks enclosedIn{};
    QBitArray enclosed;
};

Usage usageOf(const QImage &picture, const QBitArray &region, const Marks &background)
{
    Usage usage;
    usage.enclosed = QBitArray(region.size());
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *line = picture.constScanLine(y);
        for (int x = 0, width = picture.width(); x < width; ++x) {
            usage.used[line[x]] = true;
            const qsizetype bit = qsizetype(y) * picture.width() + x;
            if (background[line[x]] && !region.testBit(bit)) {
                usage.enclosed.setBit(bit);
                usage.enclosedIn[line[x]] = true;
            }
        }
    }
    return usage;
}

// The closest pair of entries that may be merged: both in use and neither kept, `from` not
// reserved either.
std::optional<PaletteMerge> closestPair(const QList<QRgb> &colours, const Marks &used,
    const Marks &kept, const std::bitset<256> &reserved)
{
    std::optional<PaletteMerge> best;
    double bestDistance = std::numeric_limits<double>::max();
    for (int from = 0; from < colours.size(); ++from) {
        if (!used[from] || kept[from] || reserved.test(size_t(from)))
            continue;
        for (int into = 0; into < colours.size(); ++into) {
            if (into == from || !used[into] || kept[into])
                continue;
            const double d = distance(colours[from], colours[into]);
            if (d < bestDistance) {
                bestDistance = d;
                best = PaletteMerge{from, into, d};
            }
        }
    }
    return best;
}

} // namespace

std::array<int, 256> BackgroundIsolation::mergedEntries() const
{
    std::array<int, 256> entries{};
    for (int i = 0; i < 256; ++i)
        entries[size_t(i)] = i;
    for (const PaletteMerge &merge : merges)
        entries[size_t(merge.from)] = merge.into;
    return entries;
}

std::array<int, 256> BackgroundIsolation::spareEntries() const
{
    std::array<int, 256> entries{};
    entries.fill(-1);
    for (qsizetype i = 0; i < indexes.size(); ++i)
        entries[size_t(indexes[i])] = spares[i];
    return entries;
}

QString mergedEntriesText(const QList<PaletteMerge> &merges)
{
    QStringList pairs;
    for (const PaletteMerge &merge : merges)
        pairs << QStringLiteral("%1 into %2").arg(merge.from).arg(merge.into);
    return pairs.join(QStringLiteral(", "));
}

double largestChange(const QList<PaletteMerge> &merges)
{
    double largest = 0;
    for (const PaletteMerge &merge : merges)
        largest = std::max(largest, merge.change);
    return largest;
}

double BackgroundIsolation::largestChange() const
{
    return giftool::largestChange(merges);
}

std::optional<BackgroundIsolation> planIsolation(
    const QImage &picture, QPoint seed, const QList<int> &indexes, const std::bitset<256> &reserved)
{
    if (picture.format() != QImage::Format_Indexed8 || picture.colorCount() != 256)
        return std::nullopt;
    Marks background{};
    for (const int index : indexes)
        background[size_t(index & 0xFF)] = true;
    Usage usage = usageOf(picture, connectedRegion(picture, seed, background), background);

    BackgroundIsolation plan;
    plan.width = picture.width();
    plan.enclosed = usage.enclosed;
    QList<QRgb> colours = picture.colorTable();
    Marks taken = usage.used;
    // Entries that no merge may touch: the background's and, once chosen, the spares.
    Marks kept = background;
    for (int index = 0; index < 256; ++index) {
        if (!usage.enclosedIn[index])
            continue;
        int spare = -1;
        for (int e = 0; e < 256 && spare < 0; ++e) {
            if (!taken[e] && !reserved.test(size_t(e)))
                spare = e;
        }
        if (spare < 0) {
            const std::optional<PaletteMerge> merge = closestPair(colours, taken, kept, reserved);
            if (!merge)
                return std::nullopt;
            plan.merges << *merge;
            spare = merge->from;
        }
        taken[spare] = true;
        kept[spare] = true;
        plan.indexes << index;
        plan.spares << spare;
        plan.colours << colours[index];
    }
    if (plan.indexes.isEmpty())
        return std::nullopt;
    return plan;
}

void applyIsolation(QImage &picture, const BackgroundIsolation &isolation)
{
    const std::array<int, 256> moveTo = isolation.mergedEntries();
    const std::array<int, 256> spareOf = isolation.spareEntries();
    for (int y = 0; y < picture.height(); ++y) {
        uchar *line = picture.scanLine(y);
        for (int x = 0, width = picture.width(); x < width; ++x) {
            const int spare = spareOf[line[x]];
            if (spare >= 0 && isolation.isEnclosed(x, y))
                line[x] = uchar(spare);
            else
                line[x] = uchar(moveTo[line[x]]);
        }
    }
    for (qsizetype i = 0; i < isolation.spares.size(); ++i)
        picture.setColor(isolation.spares[i], isolation.colours[i]);
}

} // namespace giftool
