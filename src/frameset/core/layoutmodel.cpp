#include "frameset/core/layoutmodel.h"

#include "frameset/core/layouttext.h"
#include "frameset/core/splitpath.h"
#include "platform/prompter.h"

#include <algorithm>
#include <cmath>

namespace frameset {

namespace {

FrameField keyField(SplitDirection direction)
{
    return direction == SplitDirection::Column ? ColumnSplitKey : RowSplitKey;
}

// The split key field of direction `direction` that a cell whose path is `path` holds: the key
// of the innermost split of that direction the cell took part in since it was created (at the
// last 2 of its path), with its side. Levels whose split is not in the layout (undone splits
// whose path the survivor kept) are passed over.
PropertyValue keyFieldForPath(
    const QString &path, SplitDirection direction, const QStringList &layoutLines)
{
    const QString digits = path == splitpath::root() ? QString() : path;
    PropertyValue result;
    for (qsizetype level = std::max<qsizetype>(digits.lastIndexOf(u'2'), 0); level < digits.size();
         ++level) {
        const QString key = digits.left(level) + u'1';
        SplitDirection found;
        if (layouttext::findSplit(layoutLines, key, &found) >= 0 && found == direction)
            result = PropertyValue::fromText(key + (digits[level] == u'1' ? u'A' : u'B'));
    }
    return result;
}

} // namespace

LayoutModel::LayoutModel(platform::Prompter &prompter, float scrollBarWidth)
    : m_prompter(prompter)
    , m_scrollBarWidth(scrollBarWidth)
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

bool LayoutModel::SplitCell(SplitDirection direction)
{
    const int s = m_selectedCell;
    if (m_design.LastCellIndex() >= Design::MaxCells - 1 || !m_design.hasCell(s)) {
        m_prompter.beep();
        return false;
    }

    const CellView &old = m_design.cell(s);
    CellView first = old;
    CellView second = old;
    first.path = splitpath::firstChild(old.path);
    second.path = splitpath::secondChild(old.path);
    const QString key = first.path;
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
    if (first.width <= 0 || first.height <= 0 || second.width <= 0 || second.height <= 0) {
        m_prompter.beep();
        return false;
    }

    const int n = m_design.LastCellIndex() + 1;
    const QString block = layouttext::splitBlock(direction, key, s, n);
    QStringList lines = layouttext::lines(m_design.LayoutText());
    if (lines.isEmpty() && m_design.LastCellIndex() > 0) {
        m_prompter.beep();
        return false;
    }
    if (!lines.isEmpty()) {
        const qsizetype at = lines.indexOf(layouttext::leafLine(s));
        if (at < 0) {
            m_prompter.beep();
            return false;
        }
        lines[at] = block;
    }

    m_modifiedFlag = true;
    m_undoLayoutText = m_design.LayoutText();
    m_cell0Caption.clear();

    FramePropertyTable &records = m_design.properties();
    const FrameField field = keyField(direction);
    m_undoCell = s;
    m_undoField = field;
    m_undoValue = records.field(s, field);

    m_design.cell(s) = first;
    m_design.appendCell(second);
    records.record(n).clear();
    records.setField(s, field, PropertyValue::fromText(key + u'A'));
    records.setField(n, field, PropertyValue::fromText(key + u'B'));
    m_design.setLayoutText(lines.isEmpty() ? block : layouttext::join(lines));

    if (direction == SplitDirection::Column)
        ++m_columnSplitCount;
    else
        ++m_rowSplitCount;

    for (const int i : {s, n}) {
        placeScrollBar(i);
        m_design.cell(i).scroll.visible = true;
    }
    m_selectedCell = n;
    m_undoEnabled = true;
    return true;
}

bool LayoutModel::UndoLastSplit()
{
    if (!m_undoEnabled)
        return false;
    m_undoEnabled = false;

    // The highest-numbered cell is the second child of the last split.
    const int m = m_design.LastCellIndex();
    const QString &path = m_design.cell(m).path;
    const int j = m > 0 && path.endsWith(u'2') ? m_design.findCell(splitpath::sibling(path)) : -1;
    if (j < 0)
        return false;

    const CellView gone = m_design.cell(m);
    CellView &survivor = m_design.cell(j);
    if (gone.left == survivor.left)
        survivor.height += gone.height;
    else
        survivor.width += gone.width;

    FramePropertyTable &records = m_design.properties();
    records.record(m).clear();
    if (j == m_undoCell)
        records.setField(j, m_undoField, m_undoValue);
    m_design.removeCell(m);
    placeScrollBar(j);

    m_selectedCell = m_design.LastCellIndex();
    m_design.setLayoutText(m_undoLayoutText);
    m_modifiedFlag = true;
    return true;
}

bool LayoutModel::RemoveCell()
{
    const int s = m_selectedCell;
    if (s == 0) {
        m_prompter.tell(QStringLiteral("The first object cannot be removed."),
            platform::MessageIcon::Exclamation);
        return false;
    }
    if (!m_design.hasCell(s))
        return false;
    const QString &path = m_design.cell(s).path;
    const QString siblingPath = splitpath::sibling(path);
    if (siblingPath.isEmpty())
        return false;
    // A sibling that was split further has a longer path, so it is not found.
    const int j = m_design.findCell(siblingPath);
    if (j < 0) {
        m_prompter.beep();
        return false;
    }
    const bool selectedSurvives = path.endsWith(u'1');
    const int a = selectedSurvives ? s : j;
    const int b = selectedSurvives ? j : s;

    const CellView &cs = m_design.cell(s);
    const CellView &cj = m_design.cell(j);
    CellView merged = m_design.cell(a);
    if (cs.top == cj.top) {
        merged.width = cs.width + cj.width;
    } else if (cs.left == cj.left) {
        merged.height = cs.height + cj.height;
    } else {
        m_prompter.beep();
        return false;
    }

    // The pair's frameset block becomes the survivor's leaf.
    QStringList lines = layouttext::lines(m_design.LayoutText());
    SplitDirection direction;
    const int at = layouttext::findSplit(lines, merged.path, &direction);
    if (at < 0 || at + 3 >= lines.size() || lines[at + 1] != layouttext::leafLine(a)
        || lines[at + 2] != layouttext::leafLine(b) || lines[at + 3] != layouttext::FramesetEnd) {
        m_prompter.beep();
        return false;
    }
    lines.remove(at + 1, 3);
    lines[at] = layouttext::leafLine(a);
    layouttext::closeLeafGap(lines, b);
    if (lines.size() == 1)
        lines.clear(); // a single cell has an empty layout

    merged.path = splitpath::parent(merged.path);
    const PropertyValue keyBefore = keyFieldForPath(merged.path, direction, lines);

    const int last = m_design.LastCellIndex();
    m_design.cell(a) = merged;
    FramePropertyTable &records = m_design.properties();
    records.setField(a, keyField(direction), keyBefore);
    records.closeGap(b, last);
    m_design.removeCell(b);
    m_design.setLayoutText(layouttext::join(lines));

    const int survivor = a > b ? a - 1 : a;
    placeScrollBar(survivor);
    m_selectedCell = survivor;
    m_undoEnabled = false;
    m_modifiedFlag = true;
    return true;
}

void LayoutModel::ResetDesign(float width, float height)
{
    m_design.truncateToRoot();
    m_design.properties().clear();
    CellView &root = m_design.cell(0);
    root.width = std::max(width, 0.0f);
    root.height = std::max(height, 0.0f);
    root.path = splitpath::root();
    root.scroll.visible = false;
    m_cell0Caption.clear();
    m_selectedCell = 0;
    m_design.setLayoutText(QString());
    m_undoLayoutText.clear();
    m_modifiedFlag = false;
    m_design.setBordersOn(true);
}

void LayoutModel::openDesign(const Design &design)
{
    m_design = design;
    m_undoLayoutText.clear();
    m_cell0Caption.clear();
    m_selectedCell = 0;
    m_modifiedFlag = false;
    m_undoEnabled = false;
}

} // namespace frameset
