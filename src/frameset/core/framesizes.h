#pragma once

#include <QList>
#include <QString>
#include <optional>

// The size lists of the ROWS and COLS attributes of framesets written by hand or by other tools,
// and how a browser shares a window's extent among their entries.
namespace frameset {

// One entry of a size list: a pixel count ("120"), a share of the whole extent ("25%") or a
// share of what the other entries leave ("*", "2*").
struct FrameSize
{
    enum class Kind { Pixels, Percent, Relative };

    Kind kind = Kind::Relative;
    double value = 1;

    bool operator==(const FrameSize &other) const = default;
};

// The entries of a ROWS or COLS value, blanks around each entry ignored; an empty value is one
// "*". Nothing when an entry is neither a pixel count, a percentage nor a share; `bad` then
// holds that entry as written.
std::optional<QList<FrameSize>> parseSizeList(const QString &text, QString *bad = nullptr);

// The lengths, in pixels, into which `sizes` divide `extent` pixels as a browser divides them:
// pixel counts first (all shrunk alike when they do not fit), then percentages of the extent
// (shrunk alike to what is left), then the rest by the shares of the "*" entries. Space that no
// "*" entry takes goes to the percentages, or else to the pixel counts, in proportion.
QList<double> distributeSizes(const QList<FrameSize> &sizes, double extent);

} // namespace frameset
