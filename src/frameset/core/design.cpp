#include "frameset/core/design.h"

namespace frameset {

Design::Design()
    : m_cells{CellView{}}
{ }

bool Design::appendCell(const CellView &cell, const QString &path)
{
    if (m_cells.size() >= MaxCells)
        return false;
    const int added = int(m_cells.size());
    m_properties.record(added).clear();
    m_labels.record(added) = CellLabels();
    m_labels.record(added).path = path;
    m_cells.append(cell);
    return true;
}

void Design::removeCell(int i)
{
    if (i < 0 || i >= m_cells.size() || m_cells.size() == 1)
        return;
    m_properties.closeGap(i, lastCellIndex());
    m_labels.closeGap(i, lastCellIndex());
    m_cells.removeAt(i);
}

void Design::truncateToRoot()
{
    m_cells.resize(1);
    m_properties.clear();
    m_labels.clear();
}

int Design::findCell(const QString &path) const
{
    for (int i = 0; i < m_cells.size(); ++i) {
        if (m_labels.record(i).path == path)
            return i;
    }
    return -1;
}

} // namespace frameset
