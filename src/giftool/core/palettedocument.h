#pragma once

#include "giftool/core/connectedbackground.h"
#include "giftool/core/palettetable.h"
#include "giftool/core/workingbitmap.h"

#include <QImage>
#include <QList>
#include <QString>
#include <bitset>
#include <optional>
#include <variant>

namespace giftool {

// What one conversion did to the palette: the entries it recolored, the colors they had, the
// color they took and the index their pixels moved to.
struct PaletteConversion
{
    QList<int> indexes;
    QList<PaletteRow> before;
    PaletteRow target;
    int movedTo = 0;
};

// What was done to the picture's palette and pixels since it was opened, in order.
using PaletteEdit = std::variant<PaletteConversion, BackgroundIsolation>;

// The picture Clearcoat edits, held in memory: an 8-bit picture with its 256-entry palette,
// and what conversions and isolations did to it since it was opened. The working bitmap on
// disk follows every change; it is written, never read.
class PaletteDocument
{
public:
    // Takes a 256-color picture as the one being edited and writes it to the working bitmap.
    // Edits, merges and reserved entries are forgotten. On failure nothing is held and error
    // says why.
    bool open(const QImage &picture, WorkingBitmap workingBitmap, QString *error);

    // Drops the picture, as a save that ends the work on it does. What was done to it stays.
    void close() { m_picture = QImage(); }

    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    const PaletteTable &palette() const { return m_palette; }
    const WorkingBitmap &workingBitmap() const { return m_workingBitmap; }

    // The palette index of the pixel; nothing outside the picture.
    std::optional<int> indexAt(QPoint pixel) const;

    // Gives the conversion's entries its target color and moves their pixels onto its index,
    // in the working bitmap and then in memory. On failure nothing changes.
    bool convert(const PaletteConversion &conversion, QString *error);
    // Moves the enclosed pixels of the background onto their spares, as planned on this
    // picture. On failure nothing changes.
    bool isolate(const BackgroundIsolation &isolation, QString *error);

    // The conversions and isolations made since the picture was opened, oldest first.
    const QList<PaletteEdit> &edits() const { return m_edits; }
    // The entries merged to keep enclosed parts apart, by conversions and by the last save.
    const QList<PaletteMerge> &merges() const { return m_merges; }
    void addMerges(const QList<PaletteMerge> &merges) { m_merges << merges; }
    // Entries an isolation must not take as spares: those other pictures share (the frames of
    // an animation that use the first frame's table). Kept until the next open.
    void setReservedEntries(const std::bitset<256> &reserved) { m_reserved = reserved; }
    const std::bitset<256> &reservedEntries() const { return m_reserved; }

private:
    void take(QImage picture);

    WorkingBitmap m_workingBitmap;
    QImage m_picture;
    PaletteTable m_palette;
    QList<PaletteEdit> m_edits;
    QList<PaletteMerge> m_merges;
    std::bitset<256> m_reserved;
};

} // namespace giftool
