#pragma once

#include "frameset/core/propertyvalue.h"
#include "frameset/core/splitdirection.h"

#include <array>

namespace frameset {

// The attributes of one cell's FRAME tag. Each field keeps apart never set, a text and a number
// (PropertyValue), as the design file and the FRAME tag tell them apart. The split keys that
// share the design file's record line are the cell's CellLabels.
struct FrameProperties
{
    // The page the frame shows.
    PropertyValue sourceUrl;
    // The frame's NAME; the FRAME tag makes up "Frame" and the cell number + 1 when empty.
    PropertyValue frameName;
    PropertyValue marginWidth;
    PropertyValue marginHeight;
    // The fixed width (height) in pixels that the frameset's size list gives the cell; 0 for
    // none.
    PropertyValue fixedWidthPixels;
    PropertyValue fixedHeightPixels;
    // Non-zero: the frame cannot be resized in the browser.
    PropertyValue noResize;
    // A ScrollingChoice as a number; other values write no SCROLLING attribute.
    PropertyValue scrolling;
    // A FrameBorderChoice as a number.
    PropertyValue frameBorder;

    // The fields in the order of the design file's columns (where the split keys stand
    // between the fixed sizes and noResize).
    static constexpr std::array<PropertyValue FrameProperties::*, 9> Fields
        = {&FrameProperties::sourceUrl, &FrameProperties::frameName, &FrameProperties::marginWidth,
            &FrameProperties::marginHeight, &FrameProperties::fixedWidthPixels,
            &FrameProperties::fixedHeightPixels, &FrameProperties::noResize,
            &FrameProperties::scrolling, &FrameProperties::frameBorder};

    // The fixed size across the given direction's split: fixedWidthPixels for Column,
    // fixedHeightPixels for Row.
    const PropertyValue &fixedSize(SplitDirection direction) const;

    // True when no field has been set.
    bool isEmpty() const;
    // Empties all fields.
    void clear() { *this = FrameProperties(); }

    bool operator==(const FrameProperties &other) const = default;
};

// The Scroll Bar choices, numbered as the record stores them and as the dialog lists them.
enum class ScrollingChoice { Auto = 0, Yes = 1, No = 2 };

// The Frame Border choices, numbered as the record stores them and as the dialog lists them.
enum class FrameBorderChoice { ThreeD = 0, Plain = 1 };

} // namespace frameset
