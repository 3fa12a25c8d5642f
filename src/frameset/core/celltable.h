#pragma once

#include <QtGlobal>
#include <array>

namespace frameset {

// One record per cell number 0..99, as the design file lists them. The table's size is the
// designer's cell limit.
template <typename Record> class CellTable
{
public:
    static constexpr int RecordCount = 100;

    // Record `cell` (0..99). Reading a number outside the table gives an empty record.
    const Record &record(int cell) const
    {
        static const Record emptyRecord;
        if (cell < 0 || cell >= RecordCount)
            return emptyRecord;
        return m_records[std::size_t(cell)];
    }
    Record &record(int cell)
    {
        Q_ASSERT(cell >= 0 && cell < RecordCount);
        return m_records[std::size_t(qBound(0, cell, RecordCount - 1))];
    }

    // Empties every record.
    void clear() { m_records.fill(Record()); }
    // Moves records from+1..last down by one place and empties record `last`, as when cell
    // `from` leaves a design whose highest cell number is `last`.
    void closeGap(int from, int last)
    {
        if (from < 0 || last >= RecordCount || from > last)
            return;
        for (int i = from; i < last; ++i)
            m_records[std::size_t(i)] = m_records[std::size_t(i) + 1];
        m_records[std::size_t(last)] = Record();
    }

    bool operator==(const CellTable &other) const = default;

private:
    std::array<Record, RecordCount> m_records;
};

} // namespace frameset
