#include "frameset/core/framepropertytable.h"

namespace frameset {

namespace {
const FrameProperties emptyRecord;
}

const FrameProperties &FramePropertyTable::record(int cell) const
{
    if (cell < 0 || cell >= RecordCount)
        return emptyRecord;
    return m_records[cell];
}

FrameProperties &FramePropertyTable::record(int cell)
{
    Q_ASSERT(cell >= 0 && cell < RecordCount);
    return m_records[qBound(0, cell, RecordCount - 1)];
}

void FramePropertyTable::clear()
{
    for (FrameProperties &record : m_records)
        record.clear();
}

void FramePropertyTable::closeGap(int from, int last)
{
    if (from < 0 || last >= RecordCount || from > last)
        return;
    for (int i = from; i < last; ++i)
        m_records[i] = m_records[i + 1];
    m_records[last].clear();
}

} // namespace frameset
