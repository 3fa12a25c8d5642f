#pragma once

#include "frameset/core/splitdirection.h"

#include <QString>

// The two size computations that turn a layout's split placeholders into FRAMESET size lists.
namespace frameset {

class Design;

// The design's layout text with the placeholder of every split that has a fixed-size member
// replaced: "<FRAMESET COLS= ##1>" with a fixed width of 120 on side A becomes
// "<FRAMESET COLS=120,*>", on side B "<FRAMESET COLS=*,120>". Cells are taken in number order and
// the first fixed size found for a split wins. Without fixed sizes the layout text comes back
// unchanged. `border`
// (" BORDER=0") goes after the size list of each split resolved.
QString resolveFixedSizes(const Design &design, const QString &border = {});

// The size list of the split with `key` (digits) whose cells lie side by side (Column) or are
// stacked (Row): the first child's fixed width (height) followed by ",*" when it has one, else
// the first side's share of the split's extent in whole percent followed by "%,*" ("33%,*" for
// halves of 3000 and 6000 units). A key whose sides are not both found, or that spans no
// extent, gives an even "50%,*".
QString splitSizeList(const Design &design, const QString &key, SplitDirection kind);

} // namespace frameset
