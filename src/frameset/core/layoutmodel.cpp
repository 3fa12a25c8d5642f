#include "frameset/core/layoutmodel.h"

#include "frameset/core/splitpath.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace frameset {

namespace {

// The split key of direction `direction` that a cell whose path is `path` holds: the key
// of the innermost split of that direction the cell took part in since it was created (at the
// last 2 of its path), with its side. Levels whose split is not in the tree (undone splits
// whose path the survivor kept) are passed over.
PropertyValue splitKeyForPath(const QString &path, SplitDirection direction, const SplitTree &tree)
{
    const QString digits = path == splitpath::root() ? QString() : path;
    PropertyValue result;
    for (qsizetype level = std::max<qsizetype>(digits.lastIndexOf(u'2'), 0); level < digits.size();
         ++level) {
        const QString key = digits.left(level) + u'1';
        if (tree.findSplit(key) == direction)
            result = PropertyValue::fromText(key + (digits[level] == u'1' ? u'A' : u'B'));
    }
    return result;
}

} // namespace

LayoutModel::LayoutModel(float scrollBarWidth)
    : m_scrollBarWidth(scrollBarWidth)
{ }

void LayoutModel::selectCell(int i)
{
    if (m_design.hasCell(i))
        m_selectedCell = i;
}

void LayoutModel::placeScrollBar(int i)
{
    if (!m_design.hasCell(i))
        return;
    CellView &cell = m_design.cell(i);
    cell.scroll.left = cell.right() - m_scrollBarWidth;
    cell.scroll.top = cell.top;
    cell.scroll.height = cell.height;
}

bool LayoutModel::splitHalves(SplitDirection direction, CellView &first, CellView &second) const
{
    const CellView &old = m_design.cell(m_selectedCell);
    first = old;
    second = old;
    // The halves are uneven by the number of splits made so far, so that borders made by
    // different splits rarely fall on the same line and move together when dragged.
    if (direction == SplitDirection::Column) {
        const long whole = std::lround(old.width);
        first.width = static_cast<float>(whole / 2 - m_columnSplitCount);
        second.width = static_cast<float>(whole) - first.width;
        second.left = first.left + first.width;
    } else {
        first.height = static_cast<float>(std::lround(old.height) / 2 - m_rowSplitCount);
        second.height = old.height - first.height;
        second.top = first.top + first.height;
    }
    return first.width > 0 && first.height > 0 && second.width > 0 && second.height > 0;
}

bool LayoutModel::splitCell(SplitDirection direction)
{
    const int s = m_selectedCell;
    CellView first;
    CellView second;
    const int n = m_design.lastCellIndex() + 1;
    if (n >= Design::MaxCells || !m_design.hasCell(s) || !splitHalves(direction, first, second))
        return false;
    // The first child's path is also the split's key.
    const QString oldPath = m_design.labels(s).path;
    const QString key = splitpath::firstChild(oldPath);
    // A single cell has an empty tree; a larger design without one cannot be split.
    SplitTree tree = m_design.splitTree();
    if ((tree.isEmpty() && n != 1) || !tree.splitCell(s, direction, key, n))
        return false;

    m_modified = true;
    m_undo.treeBefore = m_design.splitTree();
    m_cell0Caption.clear();

    m_undo.cell = s;
    m_undo.direction = direction;
    m_undo.keyBefore = m_design.labels(s).splitKey(direction);

    m_design.cell(s) = first;
    m_design.labels(s).path = key;
    m_design.labels(s).splitKey(direction) = PropertyValue::fromText(key + u'A');
    m_design.appendCell(second, splitpath::secondChild(oldPath));
    m_design.labels(n).splitKey(direction) = PropertyValue::fromText(key + u'B');
    m_design.setSplitTree(tree);

    if (direction == SplitDirection::Column)
        ++m_columnSplitCount;
    else
        ++m_rowSplitCount;

    for (const int i : {s, n}) {
        placeScrollBar(i);
        m_design.cell(i).scroll.visible = true;
    }
    m_selectedCell = n;
    m_undo.available = true;
    return true;
}

bool LayoutModel::undoLastSplit()
{
    if (!m_undo.available)
        return false;
    m_undo.available = false;

    // The highest-numbered cell is the second child of the last split.
    const int m = m_design.lastCellIndex();
    const QString &path = m_design.labels(m).path;
    const int j = m > 0 && path.endsWith(u'2') ? m_design.findCell(splitpath::sibling(path)) : -1;
    if (j < 0)
        return false;

    const CellView gone = m_design.cell(m);
    CellView &survivor = m_design.cell(j);
    if (gone.left == survivor.left)
        survivor.height += gone.height;
    else
        survivor.width += gone.width;

    if (j == m_undo.cell)
        m_design.labels(j).splitKey(m_undo.direction) = m_undo.keyBefore;
    m_design.removeCell(m);
    placeScrollBar(j);

    m_selectedCell = m_design.lastCellIndex();
    m_design.setSplitTree(m_undo.treeBefore);
    m_modified = true;
    return true;
}

RemoveOutcome LayoutModel::removeCell()
{
    const int s = m_selectedCell;
    if (s == 0)
        return RemoveOutcome::FirstCellStays;
    if (!m_design.hasCell(s))
        return RemoveOutcome::Nothing;
    const QString path = m_design.labels(s).path;
    const QString siblingPath = splitpath::sibling(path);
    if (siblingPath.isEmpty())
        return RemoveOutcome::Nothing;
    // A sibling that was split further has a longer path, so it is not found.
    const int j = m_design.findCell(siblingPath);
    if (j < 0)
        return RemoveOutcome::Refused;
    const bool selectedSurvives = path.endsWith(u'1');
    const int a = selectedSurvives ? s : j;
    const int b = selectedSurvives ? j : s;
    std::optional<CellView> merged = mergedPair(s, j, a);
    if (!merged)
        return RemoveOutcome::Refused;
    // The pair's split, named by the survivor's path, becomes the survivor.
    SplitTree tree = m_design.splitTree();
    CellLabels &survivorLabels = m_design.labels(a);
    const std::optional<SplitDirection> direction = tree.mergeSplit(survivorLabels.path, a, b);
    if (!direction)
        return RemoveOutcome::Refused;
    survivorLabels.path = splitpath::parent(survivorLabels.path);
    survivorLabels.splitKey(*direction) = splitKeyForPath(survivorLabels.path, *direction, tree);

    m_design.cell(a) = *merged;
    m_design.removeCell(b);
    m_design.setSplitTree(tree);

    const int survivor = a > b ? a - 1 : a;
    placeScrollBar(survivor);
    m_selectedCell = survivor;
    m_undo.available = false;
    m_modified = true;
    return RemoveOutcome::Removed;
}

std::optional<CellView> LayoutModel::mergedPair(int s, int j, int survivor) const
{
    const CellView &cs = m_design.cell(s);
    const CellView &cj = m_design.cell(j);
    CellView merged = m_design.cell(survivor);
    if (cs.top == cj.top)
        merged.width = cs.width + cj.width;
    else if (cs.left == cj.left)
        merged.height = cs.height + cj.height;
    else
        return std::nullopt;
    return merged;
}

void LayoutModel::resetDesign(float width, float height)
{
    m_design.truncateToRoot();
    CellView &root = m_design.cell(0);
    root.width = std::max(width, 0.0f);
    root.height = std::max(height, 0.0f);
    root.scroll.visible = false;
    m_cell0Caption.clear();
    m_selectedCell = 0;
    m_design.setSplitTree(SplitTree());
    m_undo.treeBefore = SplitTree();
    m_modified = false;
    m_design.setBordersOn(true);
}

void LayoutModel::openDesign(const Design &design)
{
    m_design = design;
    m_undo.treeBefore = SplitTree();
    m_cell0Caption.clear();
    m_selectedCell = 0;
    m_modified = false;
    m_undo.available = false;
}

} // namespace frameset
