#pragma once

#include <QString>

namespace platform {

// The numeric value of a text: leading blanks are skipped, then an optional sign, digits and an
// optional fraction are read; reading stops at anything else. A text with no number gives 0,
// so " 120 pixels" is 120, "-1" is -1 and "abc" is 0.
double numericValue(QStringView text);

// numericValue truncated towards zero to a whole number.
long long wholeValue(QStringView text);

// A number as output text: decimal, no leading zeros, one leading blank when not negative
// (" 10", "-3").
QString numberFormat(long long value);

// The same without the leading blank ("10", "-3").
QString plainNumber(long long value);

} // namespace platform
