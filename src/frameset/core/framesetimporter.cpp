#include "frameset/core/framesetimporter.h"

#include "frameset/core/framesetmarkup.h"
#include "frameset/core/splitpath.h"
#include "platform/filecontent.h"

#include <QFileInfo>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace frameset {

namespace {

// A design area larger than this would not show the frames of any real window.
constexpr double MaxNeededPixels = 100000;

// The split keys ("1A", "21B") of the innermost column and row splits above a block.
struct SplitKeys
{
    QString column;
    QString row;

    SplitKeys with(SplitDirection direction, const QString &key, QChar side) const
    {
        SplitKeys keys = *this;
        (direction == SplitDirection::Column ? keys.column : keys.row) = key + side;
        return keys;
    }
};

// Turns the read framesets into cells, a split tree and records, cells numbered in document
// order.
class DesignBuilder
{
public:
    explicit DesignBuilder(const ImportArea &area)
        : m_area(area)
    { }
    DesignBuilder(const DesignBuilder &) = delete;
    DesignBuilder &operator=(const DesignBuilder &) = delete;

    // Adds `node` filling `rect` with split path `path`.
    void addBlock(
        const FramesetNode &node, const QRectF &rect, const QString &path, const SplitKeys &keys);

    QList<CellView> cells;
    QList<FrameProperties> records;
    QList<CellLabels> labels;
    SplitTree tree() const { return SplitTree(m_nodes); }

private:
    void addLeaf(
        const FramesetNode &node, const QRectF &rect, const QString &path, const SplitKeys &keys);
    // Entries `from` to `to` of `node` as two-way splits: the first against the rest, the rest
    // split the same way; but a share first and pixels last puts the pixels against the rest,
    // so that the shares between divide exactly what the pixels leave in any window.
    void addEntries(const FramesetNode &node, const QList<QRectF> &parts, qsizetype from,
        qsizetype to, const QString &path, const SplitKeys &keys);
    // The rectangles into which a frameset divides `rect`, edges on whole units.
    QList<QRectF> divide(const FramesetNode &node, const QRectF &rect) const;
    // Gives the fixed size to the first cell from `firstCell` on that belongs to side `side` of
    // split `key`, if there is one.
    void holdFixedSize(
        SplitDirection direction, const QString &key, QChar side, int firstCell, double pixels);

    const ImportArea &m_area;
    QList<SplitNode> m_nodes;
    // Where the next node goes: the top level or the parts of the split being built.
    QList<SplitNode> *m_into = &m_nodes;
};

void DesignBuilder::addBlock(
    const FramesetNode &node, const QRectF &rect, const QString &path, const SplitKeys &keys)
{
    if (node.isFrame)
        addLeaf(node, rect, path, keys);
    else
        addEntries(node, divide(node, rect), 0, node.children.size() - 1, path, keys);
}

void DesignBuilder::addLeaf(
    const FramesetNode &node, const QRectF &rect, const QString &path, const SplitKeys &keys)
{
    CellView cell;
    cell.left = float(rect.left());
    cell.top = float(rect.top());
    cell.width = float(rect.width());
    cell.height = float(rect.height());
    cell.scroll.left = cell.right() - m_area.scrollBarWidth;
    cell.scroll.top = cell.top;
    cell.scroll.height = cell.height;
    cell.scroll.visible = node.properties.scrolling.wholeValue() != int(ScrollingChoice::No);
    CellLabels cellLabels;
    cellLabels.path = path;
    if (!keys.column.isEmpty())
        cellLabels.columnSplitKey = PropertyValue::fromText(keys.column);
    if (!keys.row.isEmpty())
        cellLabels.rowSplitKey = PropertyValue::fromText(keys.row);
    m_into->append(SplitNode::leaf(int(cells.size())));
    cells.append(cell);
    records.append(node.properties);
    labels.append(cellLabels);
}

void DesignBuilder::addEntries(const FramesetNode &node, const QList<QRectF> &parts, qsizetype from,
    qsizetype to, const QString &path, const SplitKeys &keys)
{
    if (from == to) {
        addBlock(node.children[from], parts[from], path, keys);
        return;
    }
    const bool pixelsLastAgainstTheRest = to - from >= 2
        && node.sizes[from].kind == FrameSize::Kind::Relative
        && node.sizes[to].kind == FrameSize::Kind::Pixels;
    const qsizetype firstSideEnd = pixelsLastAgainstTheRest ? to - 1 : from;
    const QString key = splitpath::firstChild(path);
    const SplitDirection direction = node.direction;
    SplitNode split = SplitNode::split(direction, key, 0, 0);
    split.parts.clear();
    QList<SplitNode> *outer = std::exchange(m_into, &split.parts);
    const int firstSideCell = int(cells.size());
    addEntries(node, parts, from, firstSideEnd, key, keys.with(direction, key, u'A'));
    const int secondSideCell = int(cells.size());
    addEntries(node, parts, firstSideEnd + 1, to, splitpath::secondChild(path),
        keys.with(direction, key, u'B'));
    m_into = outer;
    outer->append(split);
    // A pixel entry keeps its size in the browser when a cell on its side of the split can
    // carry it: the first entry of any pair, and the last entry of the list. A list of pixels
    // alone is a proportion to browsers ("200,600" fills any window 1:3), so the design keeps
    // its shares instead.
    const bool pixelsStay = std::any_of(node.sizes.begin(), node.sizes.end(),
        [](const FrameSize &s) { return s.kind != FrameSize::Kind::Pixels; });
    if (!pixelsStay)
        return;
    if (firstSideEnd == from && node.sizes[from].kind == FrameSize::Kind::Pixels)
        holdFixedSize(direction, key, u'A', firstSideCell, node.sizes[from].value);
    else if (firstSideEnd + 1 == to && node.sizes[to].kind == FrameSize::Kind::Pixels)
        holdFixedSize(direction, key, u'B', secondSideCell, node.sizes[to].value);
}

void DesignBuilder::holdFixedSize(
    SplitDirection direction, const QString &key, QChar side, int firstCell, double pixels)
{
    const qint64 whole = std::llround(pixels);
    if (whole <= 0)
        return;
    const QString sideKey = key + side;
    for (qsizetype i = firstCell; i < records.size(); ++i) {
        FrameProperties &record = records[i];
        if (labels[i].splitKey(direction).text() != sideKey)
            continue;
        (direction == SplitDirection::Column ? record.fixedWidthPixels : record.fixedHeightPixels)
            = PropertyValue::fromNumber(whole);
        return;
    }
}

QList<QRectF> DesignBuilder::divide(const FramesetNode &node, const QRectF &rect) const
{
    const bool columns = node.direction == SplitDirection::Column;
    const double start = columns ? rect.left() : rect.top();
    const double extent = columns ? rect.width() : rect.height();
    const double factor = m_area.unitsPerPixel;
    const QList<double> lengths = distributeSizes(node.sizes, extent / factor);
    QList<QRectF> parts;
    double edge = start;
    double sum = 0;
    for (qsizetype i = 0; i < lengths.size(); ++i) {
        sum += lengths[i];
        const bool lastPart = i + 1 == lengths.size();
        const double next = lastPart ? start + extent : std::round(start + sum * factor);
        parts.append(columns ? QRectF(edge, rect.top(), next - edge, rect.height())
                             : QRectF(rect.left(), edge, rect.width(), next - edge));
        edge = next;
    }
    return parts;
}

// The pixels `node` needs along the columns (or rows) to give every pixel entry its size and
// every other frame at least MinFramePixels. A frame that takes a percentage (or a share of a
// list of pixels alone) needs a whole as much larger as its part of it is small, and the frames
// beside percentages need what the percentages leave to hold them.
double neededPixels(const FramesetNode &node, bool columns)
{
    constexpr double MinFramePixels = 20;
    if (node.isFrame)
        return MinFramePixels;
    const bool along = (node.direction == SplitDirection::Column) == columns;
    const bool pixelsAlone = std::all_of(node.sizes.begin(), node.sizes.end(),
        [](const FrameSize &s) { return s.kind == FrameSize::Kind::Pixels; });
    double pixelTotal = 0;
    for (const FrameSize &size : node.sizes)
        pixelTotal += size.value;
    double needed = 0;
    double sum = 0;
    double beside = 0;
    double percents = 0;
    for (qsizetype i = 0; i < node.children.size(); ++i) {
        double child = neededPixels(node.children[i], columns);
        if (!along) {
            needed = std::max(needed, child);
            continue;
        }
        const FrameSize &size = node.sizes[i];
        if (pixelsAlone && size.value > 0) {
            needed = std::max(needed, child * pixelTotal / size.value);
        } else if (size.kind == FrameSize::Kind::Pixels) {
            child = std::max(child, size.value);
            beside += child;
        } else if (size.kind == FrameSize::Kind::Percent && size.value > 0) {
            needed = std::max(needed, child * 100 / size.value);
            percents += size.value;
        } else {
            beside += child;
        }
        sum += child;
    }
    if (along && !pixelsAlone && percents < 100)
        needed = std::max(needed, beside * 100 / (100 - percents));
    return std::min(std::max(needed, sum), MaxNeededPixels);
}

// Whether every cell is at least `least` units wide and high.
bool everyCellHasSize(const QList<CellView> &cells, float least = 1)
{
    return std::all_of(cells.begin(), cells.end(),
        [least](const CellView &cell) { return cell.width >= least && cell.height >= least; });
}

} // namespace

FramesetImport FramesetImporter::read(const QByteArray &html, const ImportArea &area)
{
    FramesetImport result;
    const FramesetMarkup markup = FramesetMarkup::read(html, Design::MaxCells, MaxDepth);
    if (!markup.refusal.isEmpty()) {
        result.refusal = markup.refusal;
        return result;
    }
    if (markup.frames < 2) {
        result.refusal = QStringLiteral(
            "Its frameset holds a single frame, and a design is made of at least two.");
        return result;
    }
    std::optional<DesignBuilder> builder(std::in_place, area);
    builder->addBlock(
        markup.root, QRectF(area.left, area.top, area.width, area.height), splitpath::root(), {});
    // Fixed sizes that the area cannot hold (a large design's document, read into a small
    // area), or that leave a frame less than a pixel, get an area that holds them, as a browser
    // window large enough would.
    ImportArea larger = area;
    if (!everyCellHasSize(builder->cells, float(area.unitsPerPixel))) {
        larger.width = std::max<float>(
            area.width, float(neededPixels(markup.root, true) * area.unitsPerPixel));
        larger.height = std::max<float>(
            area.height, float(neededPixels(markup.root, false) * area.unitsPerPixel));
        builder.emplace(larger);
        builder->addBlock(markup.root, QRectF(larger.left, larger.top, larger.width, larger.height),
            splitpath::root(), {});
    }
    if (!everyCellHasSize(builder->cells)) {
        result.refusal = QStringLiteral("A frame would have no width or height in the design "
                                        "area.");
        return result;
    }
    Design &design = result.design;
    design.cell(0) = builder->cells.front();
    for (qsizetype i = 1; i < builder->cells.size(); ++i)
        design.appendCell(builder->cells[i], QString());
    for (qsizetype i = 0; i < builder->records.size(); ++i) {
        design.properties().record(int(i)) = builder->records[i];
        design.labels(int(i)) = builder->labels[i];
    }
    design.setSplitTree(builder->tree());
    design.setBordersOn(markup.bordersOn);
    result.leftOut = markup.leftOut;
    return result;
}

FramesetImport FramesetImporter::load(const QString &path, const ImportArea &area)
{
    QString error;
    const std::optional<QByteArray> bytes = platform::readFileContent(path, &error, MaxBytes);
    if (!bytes) {
        FramesetImport refused;
        refused.refusal = error;
        return refused;
    }
    return read(*bytes, area);
}

QString FramesetImporter::refusedMessage(const QString &path, const QString &refusal)
{
    return QStringLiteral("%1 cannot be imported as a Panecraft design.  %2")
        .arg(QFileInfo(path).absoluteFilePath(), refusal);
}

} // namespace frameset
