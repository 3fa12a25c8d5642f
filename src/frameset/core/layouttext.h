#pragma once

#include "frameset/core/splitdirection.h"
#include "frameset/core/splittree.h"

#include <QString>
#include <QStringList>

// The layout text: the split tree as design files and frameset documents spell it, CR LF
// separated lines. A leaf line is "!!" and a cell number; a frameset opens with
// "<FRAMESET COLS= ##" or "<FRAMESET ROWS= ##", the split key and ">", holds two blocks and
// closes with "</FRAMESET>".
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

// The split tree that `lines` spell. Lines that are neither a leaf line, an opening line with a
// key of digits nor the end of an open frameset are kept as they are; a frameset without its
// end is closed by the end of the text.
SplitTree read(const QStringList &lines);
// The layout text of `tree`; read(lines(write(tree))) gives `tree` back.
QString write(const SplitTree &tree);

} // namespace frameset::layouttext
