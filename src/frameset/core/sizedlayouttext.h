#pragma once

#include <QString>

// The layout text that the document writers start from: the design's split tree spelled out,
// with the size placeholders of splits that have a fixed-size cell already filled in.
namespace frameset {

class Design;

// The design's layout text with the placeholder of every split that has a fixed-size member
// replaced: "<FRAMESET COLS= ##1>" with a fixed width of 120 on side A becomes
// "<FRAMESET COLS=120,*>", on side B "<FRAMESET COLS=*,120>". Cells are taken in number order
// and the first fixed size found for a split wins. Without fixed sizes the layout text comes
// back unchanged. `border` (" BORDER=0") goes after the size list of each split resolved.
QString resolveFixedSizes(const Design &design, const QString &border = {});

} // namespace frameset
