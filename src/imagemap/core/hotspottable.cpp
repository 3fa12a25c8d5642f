#include "imagemap/core/hotspottable.h"

namespace imagemap {

const HotspotRecord &HotspotTable::row(int index) const
{
    static const HotspotRecord none;
    return isValidRow(index) ? m_rows[index] : none;
}

HotspotRecord &HotspotTable::row(int index)
{
    if (isValidRow(index))
        return m_rows[index];
    // Row 0 and out-of-range indexes get a scratch record that is emptied on every access, so
    // a stray write can neither reach a real row nor be read back.
    m_scratch = HotspotRecord();
    return m_scratch;
}

int HotspotTable::firstFreeRow() const
{
    for (int i = FirstRow; i <= LastRow; ++i) {
        if (m_rows[i].isFree())
            return i;
    }
    return 0;
}

int HotspotTable::usedCount() const
{
    int count = 0;
    for (int i = FirstRow; i <= LastRow; ++i) {
        if (!m_rows[i].isFree())
            ++count;
    }
    return count;
}

void HotspotTable::clearRow(int index)
{
    if (isValidRow(index))
        m_rows[index] = HotspotRecord();
}

void HotspotTable::clear()
{
    m_rows.fill(HotspotRecord());
}

} // namespace imagemap
