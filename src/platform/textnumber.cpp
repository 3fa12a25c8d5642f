#include "platform/textnumber.h"

#include <cmath>
#include <limits>

namespace platform {

double numericValue(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    double value = 0;
    bool anyDigit = false;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10 + (text[i].unicode() - u'0');
        anyDigit = true;
        ++i;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        double scale = 0.1;
        while (i < n && text[i] >= u'0' && text[i] <= u'9') {
            value += (text[i].unicode() - u'0') * scale;
            scale /= 10;
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit)
        return 0;
    return negative ? -value : value;
}

long long wholeValue(QStringView text)
{
    const double v = std::trunc(numericValue(text));
    constexpr double limit = static_cast<double>(std::numeric_limits<long long>::max());
    if (v >= limit)
        return std::numeric_limits<long long>::max();
    if (v <= -limit)
        return std::numeric_limits<long long>::min();
    return static_cast<long long>(v);
}

QString numberFormat(long long value)
{
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

QString plainNumber(long long value)
{
    return QString::number(value);
}

} // namespace platform
