#include "giftool/core/palettedocument.h"

namespace giftool {

void PaletteDocument::take(QImage picture)
{
    m_picture = std::move(picture);
    for (int i = 0; i < PaletteTable::Size; ++i) {
        const QRgb colour = m_picture.color(i);
        m_palette.setRow(i, PaletteRow::fromRgb(qRed(colour), qGreen(colour), qBlue(colour)));
    }
}

bool PaletteDocument::open(const QImage &picture, WorkingBitmap workingBitmap, QString *error)
{
    m_edits.clear();
    m_merges.clear();
    m_reserved.reset();
    m_picture = QImage();
    m_workingBitmap = std::move(workingBitmap);
    QImage working = asWorkingPicture(picture);
    if (working.isNull()) {
        if (error)
            *error = QStringLiteral("Only palette images can be written as 8-bit BMP.");
        return false;
    }
    if (!m_workingBitmap.write(picture, error))
        return false;
    take(std::move(working));
    return true;
}

std::optional<int> PaletteDocument::indexAt(QPoint pixel) const
{
    if (!m_picture.valid(pixel))
        return std::nullopt;
    return m_picture.pixelIndex(pixel);
}

bool PaletteDocument::convert(const PaletteConversion &conversion, QString *error)
{
    PaletteTable table = m_palette;
    for (int index : conversion.indexes)
        table.setRow(index, conversion.target);
    if (!m_workingBitmap.rewrite(table, conversion.indexes, conversion.movedTo, error))
        return false;
    QImage picture = m_picture;
    QList<QRgb> colours;
    for (int i = 0; i < PaletteTable::Size; ++i)
        colours << qRgb(table.row(i).red, table.row(i).green, table.row(i).blue);
    picture.setColorTable(colours);
    remapIndexes(picture, conversion.indexes, conversion.movedTo);
    take(std::move(picture));
    m_edits << conversion;
    return true;
}

bool PaletteDocument::isolate(const BackgroundIsolation &isolation, QString *error)
{
    QImage isolated = m_picture;
    applyIsolation(isolated, isolation);
    if (!m_workingBitmap.write(isolated, error))
        return false;
    take(asWorkingPicture(isolated));
    m_edits << isolation;
    m_merges << isolation.merges;
    return true;
}

} // namespace giftool
