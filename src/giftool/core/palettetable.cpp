#include "giftool/core/palettetable.h"

#include <QtEndian>

namespace giftool {

PaletteRow PaletteRow::fromRgb(int red, int green, int blue)
{
    return {red, green, blue, red + 256 * green + 65536 * blue};
}

PaletteRow PaletteRow::fromValue(int value)
{
    return fromRgb(value % 256, (value / 256) % 256, (value / 65536) % 256);
}

bool PaletteTable::readPaletteTable(const QByteArray &bitmap, QString *error)
{
    if (bitmap.size() < End) {
        if (error)
            *error = QStringLiteral("The working bitmap is too short to hold a 256-color palette.");
        return false;
    }
    const auto *bytes = reinterpret_cast<const uchar *>(bitmap.constData());
    for (int i = 0; i < Size; ++i) {
        const uchar *entry = bytes + Offset + i * EntryBytes;
        m_rows[std::size_t(i)] = PaletteRow::fromRgb(entry[2], entry[1], entry[0]);
    }
    return true;
}

bool PaletteTable::writePaletteTable(QByteArray &bitmap, QString *error) const
{
    if (bitmap.size() < End) {
        if (error)
            *error = QStringLiteral("The working bitmap is too short to hold a 256-color palette.");
        return false;
    }
    const quint32 pixelOffset = qFromLittleEndian<quint32>(bitmap.constData() + 10);
    if (pixelOffset < quint32(End)) {
        if (error)
            *error = QStringLiteral("The working bitmap has no room for a 256-color palette.");
        return false;
    }
    char *bytes = bitmap.data();
    for (int i = 0; i < Size; ++i) {
        char *entry = bytes + Offset + i * EntryBytes;
        const PaletteRow &r = m_rows[std::size_t(i)];
        entry[0] = char(r.blue);
        entry[1] = char(r.green);
        entry[2] = char(r.red);
        entry[3] = 0x20;
    }
    return true;
}

} // namespace giftool
