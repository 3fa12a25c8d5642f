#pragma once

#include <QBitArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRgb>
#include <QString>
#include <array>
#include <bitset>
#include <optional>

namespace giftool {

// Two palette entries made one to free an entry: the pixels of `from` took `into`.
struct PaletteMerge
{
    int from = 0;
    int into = 0;
    double change = 0; // the distance between the two colors in RGB, 0 to 441.7
};

// The merges as the user reads them: "200 into 201, 12 into 40".
QString mergedEntriesText(const QList<PaletteMerge> &merges);

// The largest color change of the merges; 0 without any.
double largestChange(const QList<PaletteMerge> &merges);

// Keeps the background's own colour off the parts of a picture it encloses: the pixels of the
// background's entries that are not connected to the clicked pixel, through their four
// neighbours, move to spare entries of the identical colour. They look the same but are no
// longer the background, so neither transparency nor recoloring reaches them.
struct BackgroundIsolation
{
    QList<int> indexes; // the background entries that had enclosed pixels
    QList<int> spares; // where each one's enclosed pixels went
    QList<QRgb> colours; // the color each spare took: its background entry's
    QList<PaletteMerge> merges; // made first, when the palette had no unused entry
    QBitArray enclosed; // the pixels moved, row by row over the whole picture
    int width = 0;

    bool isEnclosed(int x, int y) const { return enclosed.testBit(y * width + x); }
    // The entry each entry's pixels have after the merges (itself where it was not merged).
    std::array<int, 256> mergedEntries() const;
    // The spare of each background entry that had enclosed pixels; -1 for every other entry.
    std::array<int, 256> spareEntries() const;
    // The largest color change the merges caused; 0 without merges.
    double largestChange() const;
};

// Plans the isolation of the background that is connected to seed through pixels of the given
// entries, in a 256-entry palette picture. Spare entries are entries no pixel uses and that
// are not reserved (used elsewhere, as in an animation's other frames); when there are too few,
// the two closest colors among the remaining entries are merged, as often as needed. Nothing
// when no pixel is enclosed, or when the palette cannot free an entry.
std::optional<BackgroundIsolation> planIsolation(const QImage &picture, QPoint seed,
    const QList<int> &indexes, const std::bitset<256> &reserved = {});

// Applies a planned isolation to the picture it was planned on: merges, spare colors and the
// enclosed pixels.
void applyIsolation(QImage &picture, const BackgroundIsolation &isolation);

} // namespace giftool
