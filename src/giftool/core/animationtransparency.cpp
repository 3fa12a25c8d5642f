#include "giftool/core/animationtransparency.h"

#include "giftool/core/erasingframes.h"

#include <algorithm>
#include <array>

namespace giftool {

using platform::GifAnimation;
using platform::GifFrame;

namespace {

QRgb rgbOf(const PaletteRow &row)
{
    return qRgb(row.red, row.green, row.blue);
}

// Gives every pixel of the frame whose index is marked the index `to`.
void movePixels(GifFrame &frame, const std::array<bool, 256> &marked, uchar to)
{
    for (char &pixel : frame.pixels) {
        if (marked[uchar(pixel)])
            pixel = char(to);
    }
}

// The color tables of an animation, each with the frames that use it. The first is the table
// of the first frame.
struct ColourTable
{
    QList<QRgb> *colours;
    QList<GifFrame *> frames;
    int backgroundEntry = -1; // where the last conversion put the background's pixels

    // The entry of the color that the first table has at its transparent index. A converted
    // background is found only where the conversion put it: an entry that merely has the
    // color it was given was never background.
    int entryOf(QRgb colour, bool converted) const
    {
        if (backgroundEntry >= 0 && colours->at(backgroundEntry) == colour)
            return backgroundEntry;
        return converted ? -1 : int(colours->indexOf(colour));
    }
};

QList<ColourTable> colourTables(GifAnimation &animation)
{
    QList<ColourTable> tables;
    GifFrame &first = animation.frames.first();
    ColourTable global{&animation.globalColours, {}};
    const bool firstUsesGlobal = first.localColours.isEmpty();
    if (firstUsesGlobal)
        tables << global;
    for (GifFrame &frame : animation.frames) {
        if (frame.localColours.isEmpty())
            global.frames << &frame;
        else
            tables << ColourTable{&frame.localColours, {&frame}};
    }
    if (firstUsesGlobal)
        tables.first().frames = global.frames;
    else if (!global.frames.isEmpty())
        tables << global;
    return tables;
}

void convertByIndex(ColourTable &table, const PaletteConversion &conversion)
{
    std::array<bool, 256> marked{};
    for (const int index : conversion.indexes) {
        if (index >= 0 && index < table.colours->size()) {
            (*table.colours)[index] = rgbOf(conversion.target);
            marked[size_t(index)] = true;
        }
    }
    for (GifFrame *frame : table.frames)
        movePixels(*frame, marked, uchar(conversion.movedTo));
}

void convertByColour(ColourTable &table, const PaletteConversion &conversion)
{
    std::array<bool, 256> marked{};
    int first = -1;
    for (int i = 0; i < table.colours->size(); ++i) {
        const bool background = std::any_of(conversion.before.cbegin(), conversion.before.cend(),
            [&](const PaletteRow &row) { return rgbOf(row) == table.colours->at(i); });
        if (!background)
            continue;
        (*table.colours)[i] = rgbOf(conversion.target);
        marked[size_t(i)] = true;
        if (first < 0)
            first = i;
    }
    if (first < 0)
        return;
    table.backgroundEntry = first;
    for (GifFrame *frame : table.frames)
        movePixels(*frame, marked, uchar(first));
}

// Repeats on the first frame what an isolation did to the picture the window shows, which is
// that frame on the whole screen.
void isolateFirstFrame(ColourTable &table, GifFrame &first, const BackgroundIsolation &isolation)
{
    int needed = 0;
    for (const int spare : isolation.spares)
        needed = std::max(needed, spare + 1);
    for (const PaletteMerge &merge : isolation.merges)
        needed = std::max({needed, merge.from + 1, merge.into + 1});
    platform::coverTableEntries(*table.colours, needed);
    const std::array<int, 256> moveTo = isolation.mergedEntries();
    const std::array<int, 256> spareOf = isolation.spareEntries();
    for (qsizetype i = 0; i < isolation.spares.size(); ++i)
        (*table.colours)[isolation.spares[i]] = isolation.colours[i];
    const QRect &rect = first.rect;
    const qsizetype screenPixels = isolation.enclosed.size();
    for (int y = 0; y < rect.height(); ++y) {
        uchar *line = first.line(y);
        for (int x = 0; x < rect.width(); ++x) {
            const qsizetype bit = qsizetype(rect.y() + y) * isolation.width + rect.x() + x;
            const int spare = spareOf[line[x]];
            const bool enclosed = rect.x() + x < isolation.width && bit < screenPixels
                && isolation.enclosed.testBit(bit);
            line[x] = uchar(spare >= 0 && enclosed ? spare : moveTo[line[x]]);
        }
    }
}

// Marks the index transparent in the frame, or moves its pixels onto the frame's own
// transparent index.
void makeTransparent(GifFrame &frame, int index)
{
    if (frame.transparentIndex >= 0 && frame.transparentIndex != index) {
        std::array<bool, 256> marked{};
        marked[size_t(index)] = true;
        movePixels(frame, marked, uchar(frame.transparentIndex));
        return;
    }
    frame.transparentIndex = index;
}

} // namespace

TransparentAnimation transparentAnimation(GifAnimation animation, const AnimationEdits &edits)
{
    TransparentAnimation result;
    if (animation.frames.isEmpty())
        return result;
    const GifAnimation opened = animation;
    QList<ColourTable> tables = colourTables(animation);
    for (const PaletteEdit &edit : edits.edits) {
        if (const auto *isolation = std::get_if<BackgroundIsolation>(&edit)) {
            isolateFirstFrame(tables.first(), animation.frames.first(), *isolation);
            continue;
        }
        const PaletteConversion &conversion = std::get<PaletteConversion>(edit);
        convertByIndex(tables.first(), conversion);
        for (qsizetype t = 1; t < tables.size(); ++t)
            convertByColour(tables[t], conversion);
    }
    const QList<QRgb> &firstColours = *tables.first().colours;
    const int picked = edits.transparentIndex;
    const bool selected = edits.backgroundSelected && picked >= 0 && picked < firstColours.size();
    const bool converted
        = std::any_of(edits.edits.cbegin(), edits.edits.cend(), [picked](const PaletteEdit &e) {
              const auto *c = std::get_if<PaletteConversion>(&e);
              return c && (c->movedTo == picked || c->indexes.contains(picked));
          });
    for (qsizetype t = 0; selected && t < tables.size(); ++t) {
        const int index = t == 0 ? picked : tables[t].entryOf(firstColours.at(picked), converted);
        if (index < 0)
            continue;
        for (GifFrame *frame : tables[t].frames) {
            makeTransparent(*frame, index);
            ++result.transparentFrames;
        }
    }
    for (GifFrame &frame : animation.frames)
        frame.hasControl = true;
    result.animation = std::move(animation);
    mendErasingFrames(opened, result.animation);
    return result;
}

bool clearTransparency(GifAnimation &animation)
{
    bool cleared = false;
    for (GifFrame &frame : animation.frames) {
        cleared = cleared || frame.transparentIndex >= 0;
        frame.transparentIndex = -1;
    }
    return cleared;
}

} // namespace giftool
