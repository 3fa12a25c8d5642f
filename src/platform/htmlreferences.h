#pragma once

#include <QString>

namespace platform {

// `value` made safe to write as an HTML attribute value: every "&" that a browser would read as
// the start of a character reference there ("&reg_no=5" is "®_no=5" to it, "&#38;" is "&",
// "&hearts;" is "♥") is written "&amp;"; every other "&" keeps its bytes ("a & b", "x=1&y=2",
// "&copy=1", since a legacy name followed by "=" or a letter or digit is no reference in an
// attribute).
QString withAmpersandsKept(const QString &value);

} // namespace platform
