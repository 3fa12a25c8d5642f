#include "frameset/core/framesizes.h"

#include <QRegularExpression>
#include <algorithm>

namespace frameset {

namespace {

std::optional<FrameSize> parseEntry(const QString &entry)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\d+(?:\\.\\d*)?|\\.\\d+)?\\s*(%|\\*|px)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(entry);
    if (!m.hasMatch())
        return std::nullopt;
    const QString number = m.captured(1);
    const QString unit = m.captured(2);
    if (unit == QLatin1String("*"))
        return FrameSize{FrameSize::Kind::Relative, number.isEmpty() ? 1.0 : number.toDouble()};
    if (number.isEmpty())
        return std::nullopt;
    if (unit == QLatin1String("%"))
        return FrameSize{FrameSize::Kind::Percent, number.toDouble()};
    return FrameSize{FrameSize::Kind::Pixels, number.toDouble()};
}

double total(const QList<FrameSize> &sizes, FrameSize::Kind kind, double percentBase = 0)
{
    double sum = 0;
    for (const FrameSize &size : sizes) {
        if (size.kind == kind)
            sum += kind == FrameSize::Kind::Percent ? size.value * percentBase / 100 : size.value;
    }
    return sum;
}

// Gives `extra` pixels to the entries of `kind` in proportion to their lengths; false when
// none of them has any length.
bool spreadOver(
    const QList<FrameSize> &sizes, QList<double> &lengths, FrameSize::Kind kind, double extra)
{
    double base = 0;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        if (sizes[i].kind == kind)
            base += lengths[i];
    }
    if (!(base > 0))
        return false;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        if (sizes[i].kind == kind)
            lengths[i] += extra * lengths[i] / base;
    }
    return true;
}

} // namespace

std::optional<QList<FrameSize>> parseSizeList(const QString &text, QString *bad)
{
    QString list = text.trimmed();
    // Browsers drop one comma at the end of the list ("180,*,").
    if (list.endsWith(u','))
        list.chop(1);
    if (list.trimmed().isEmpty())
        return QList<FrameSize>{FrameSize{}};
    QList<FrameSize> sizes;
    for (const QString &entry : list.split(u',')) {
        const std::optional<FrameSize> size = parseEntry(entry.trimmed());
        if (!size) {
            if (bad)
                *bad = entry.trimmed();
            return std::nullopt;
        }
        sizes.append(*size);
    }
    return sizes;
}

QList<double> distributeSizes(const QList<FrameSize> &sizes, double extent)
{
    using Kind = FrameSize::Kind;
    QList<double> lengths(sizes.size(), 0.0);
    const double pixels = total(sizes, Kind::Pixels);
    const double pixelScale = pixels > extent ? extent / pixels : 1.0;
    double left = extent - std::min(pixels, extent);
    const double percents = total(sizes, Kind::Percent, extent);
    const double percentScale = percents > left ? left / percents : 1.0;
    left -= std::min(percents, left);
    double shares = total(sizes, Kind::Relative);
    const qsizetype relatives = std::count_if(
        sizes.begin(), sizes.end(), [](const FrameSize &s) { return s.kind == Kind::Relative; });
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const FrameSize &size = sizes[i];
        if (size.kind == Kind::Pixels)
            lengths[i] = size.value * pixelScale;
        else if (size.kind == Kind::Percent)
            lengths[i] = size.value * extent / 100 * percentScale;
        else if (shares > 0)
            lengths[i] = left * size.value / shares;
        else
            lengths[i] = left / double(relatives); // only "0*" entries: shared evenly
    }
    if (relatives == 0 && left > 0 && !spreadOver(sizes, lengths, Kind::Percent, left))
        spreadOver(sizes, lengths, Kind::Pixels, left);
    return lengths;
}

} // namespace frameset
