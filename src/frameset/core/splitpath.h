#pragma once

#include <QString>

// Split paths and split keys as digit strings, exact at any nesting depth.
namespace frameset::splitpath {

// The root cell's path.
inline QString root()
{
    return QStringLiteral("0");
}

// True for "0" and for non-empty strings of the digits 1 and 2 (every path a design can reach).
bool isValid(const QString &path);

// The path of the first (left or top) child when a cell with `path` is split; it is also the
// split's key. "0" -> "1", "2" -> "21".
QString firstChild(const QString &path);
// The path of the second (right or bottom) child: "0" -> "2", "2" -> "22".
QString secondChild(const QString &path);

// The path before the last split: "21" -> "2", "1" -> "0".
QString parent(const QString &path);

// The path of the other child of the same split: "21" <-> "22"; empty for the root or a path
// that does not end in 1 or 2.
QString sibling(const QString &path);

// The key of the second side of the split whose key is `key`: "21" -> "22"; empty when `key`
// does not end in 1.
QString secondSideKey(const QString &key);

// The digits at the start of `text` ("21B" -> "21"); empty when it starts with no digit.
QString leadingDigits(QStringView text);

} // namespace frameset::splitpath
