#pragma once

#include "frameset/core/splitdirection.h"

#include <QString>
#include <QStringList>

// The layout text: the nesting skeleton of a design as CR LF separated lines. A leaf line is
// "!!" and a cell number; a frameset opens with "<FRAMESET COLS= ##" or "<FRAMESET ROWS= ##",
// the split key and ">", holds two blocks and closes with "</FRAMESET>".
namespace frameset::layouttext {

inline constexpr QStringView LineBreak = u"\r\n";
inline constexpr QStringView FramesetEnd = u"</FRAMESET>";

// The lines of a layout text; an empty text has no lines.
QStringList lines(const QString &layout);
// The lines joined with CR LF, no break after the last one.
QString join(const QStringList &lines);

// "!!" followed by the cell number.
QString leafLine(int cell);
// The cell number of a whole leaf line ("!!" and a cell number 0..99 in decimal, without
// leading zeros); -1 for any other line.
int leafCell(QStringView line);

// "<FRAMESET COLS= ##key>" or "<FRAMESET ROWS= ##key>".
QString splitLine(SplitDirection direction, const QString &key);

// The four lines that a split of `cell` into `cell` and `newCell` puts where the leaf of `cell`
// stood, joined with CR LF.
QString splitBlock(SplitDirection direction, const QString &key, int cell, int newCell);

// Index of the opening line of the split with `key` in `lines`, and its direction; -1 when the
// layout has no such split.
int findSplit(const QStringList &lines, const QString &key, SplitDirection *direction = nullptr);

// Lowers by one the number of every leaf line naming a cell above `removed`.
void closeLeafGap(QStringList &lines, int removed);

} // namespace frameset::layouttext
