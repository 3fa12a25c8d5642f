#pragma once

#include "imagemap/core/hotspotrecord.h"

#include <array>

namespace imagemap {

// The fixed table of hotspot rows. Row 0 exists but is never used, so rows 1 to 99 hold up to
// 99 hotspots; their order is the order of the AREA lines in the image-map HTML.
class HotspotTable
{
public:
    static constexpr int RowCount = 100;
    static constexpr int FirstRow = 1;
    static constexpr int LastRow = RowCount - 1;

    static bool isValidRow(int row) { return row >= FirstRow && row <= LastRow; }

    // The row at that index; an index outside 1..99 gives an empty, free row and writes to it
    // go nowhere that the table reads.
    const HotspotRecord &row(int index) const;
    HotspotRecord &row(int index);

    bool inUse(int index) const { return isValidRow(index) && !row(index).isFree(); }

    // The lowest free row, or 0 when all 99 rows are in use.
    int firstFreeRow() const;

    int usedCount() const;

    // Empties all fields of one row; the row becomes free.
    void clearRow(int index);

    // Empties every row.
    void clear();

private:
    std::array<HotspotRecord, RowCount> m_rows;
    HotspotRecord m_scratch;
};

} // namespace imagemap
