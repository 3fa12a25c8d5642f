#pragma once

#include "frameset/core/frameproperties.h"

#include <array>

namespace frameset {

// One FrameProperties record per cell number 0..99. The table's size is the designer's cell
// limit.
class FramePropertyTable
{
public:
    static constexpr int RecordCount = 100;

    // Record `cell` (0..99). Reading a number outside the table gives an empty record.
    const FrameProperties &record(int cell) const;
    FrameProperties &record(int cell);

    // Empties every field of every record.
    void clear();
    // Moves records from+1..last down by one place and empties record `last`, as when cell
    // `from` leaves a design whose highest cell number is `last`.
    void closeGap(int from, int last);

    bool operator==(const FramePropertyTable &other) const = default;

private:
    std::array<FrameProperties, RecordCount> m_records;
};

} // namespace frameset
