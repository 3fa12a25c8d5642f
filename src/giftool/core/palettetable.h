#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <array>

namespace giftool {

// One palette entry: red, green, blue and the combined colour value
// red + 256 * green + 65536 * blue, which is how the tool compares and shows colours.
struct PaletteRow
{
    int red = 0;
    int green = 0;
    int blue = 0;
    int value = 0;

    static PaletteRow fromRgb(int red, int green, int blue);
    // Splits a combined value into its red, green and blue parts.
    static PaletteRow fromValue(int value);
    QColor colour() const { return QColor(red, green, blue); }
    friend bool operator==(const PaletteRow &, const PaletteRow &) = default;
};

// The 256-entry palette of the working bitmap. The bitmap keeps it at byte 54, directly after
// the 14-byte file header and the 40-byte information header, as blue, green, red, reserved.
class PaletteTable
{
public:
    static constexpr int Size = 256;
    static constexpr int Offset = 54;
    static constexpr int EntryBytes = 4;
    static constexpr int End = Offset + Size * EntryBytes;

    const PaletteRow &row(int index) const { return m_rows.at(std::size_t(index)); }
    void setRow(int index, const PaletteRow &row) { m_rows.at(std::size_t(index)) = row; }

    // Fills the table from a bitmap file's bytes (blue, green, red, reserved per entry; the
    // reserved byte is ignored). A file too short to hold the 256 entries is refused with a
    // message in error and leaves the table unchanged.
    bool readPaletteTable(const QByteArray &bitmap, QString *error);

    // Writes the table into a bitmap file's bytes as blue, green, red and a 0x20 filler byte,
    // changing nothing else. Refused, with the bytes unchanged, when the file is too short or
    // its pixel data starts inside the 1024 palette bytes (writing would overwrite pixels).
    bool writePaletteTable(QByteArray &bitmap, QString *error) const;

private:
    std::array<PaletteRow, Size> m_rows{};
};

} // namespace giftool
