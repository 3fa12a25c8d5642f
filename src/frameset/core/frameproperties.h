#pragma once

#include "frameset/core/propertyvalue.h"

#include <array>

namespace frameset {

// The fields of a frame property record, in their fixed order (also the column order of the
// spec file).
enum FrameField {
    SourceUrl = 0,
    FrameName,
    MarginWidth,
    MarginHeight,
    FixedWidthPx,
    FixedHeightPx,
    ColumnSplitKey,
    RowSplitKey,
    NoResize,
    Scrolling,
    FrameBorder,
};

// The attributes of one cell's FRAME tag and the two split keys that tie the cell to the splits
// it belongs to.
class FrameProperties
{
public:
    static constexpr int FieldCount = 11;

    const PropertyValue &field(FrameField field) const { return m_fields[field]; }
    void setField(FrameField field, const PropertyValue &value) { m_fields[field] = value; }

    // True when no field has been set.
    bool isEmpty() const;
    // Empties all fields.
    void clear() { m_fields = {}; }

    bool operator==(const FrameProperties &other) const = default;

private:
    std::array<PropertyValue, FieldCount> m_fields;
};

} // namespace frameset
