#pragma once

#include "giftool/core/connectedbackground.h"
#include "giftool/core/palettetable.h"
#include "giftool/core/workingbitmap.h"
#include "platform/units.h"

#include <QImage>
#include <QString>
#include <array>
#include <bitset>
#include <optional>
#include <variant>

namespace platform {
class Prompter;
}

namespace giftool {

// One sample of the detail panel: slot 0 is the clicked pixel, slot 1 its right-hand
// neighbour.
struct SampleSlot
{
    // The palette index sampled; nothing while the slot is empty.
    std::optional<int> index;
    // The colour the entry holds. An emptied slot keeps the colour it last had: its swatch goes
    // on showing it for as long as the swatch stays visible.
    PaletteRow color;

    bool filled() const { return index.has_value(); }
};

// What one conversion did to the palette: the entries it recoloured, the colours they had, the
// colour they took and the index their pixels moved to.
struct PaletteConversion
{
    QList<int> indexes;
    QList<PaletteRow> before;
    PaletteRow target;
    int movedTo = 0;
};

// What was done to the working bitmap's palette and pixels since it was loaded, in order.
using PaletteEdit = std::variant<PaletteConversion, BackgroundIsolation>;

// What the "Background" frame is doing, as the user sees it.
enum class SelectionState { NothingSelected, UniformPick, MustConvert, Converted };

// The conversion buttons of the "Background" frame, in the order of their indexes.
enum class ConversionButton { White, Neighbour, Grey, Black };

enum class SelectOutcome {
    NoPicture, // nothing happened
    NotInPalette, // the clicked color is not in the palette; nothing selected
    MustConvert, // the background has two indexes at the click and must be converted
    Selected, // a uniform background is selected
    SaveRequested // ... and the user answered Yes to saving now
};

// The background selection and conversion of the GIF tool, free of widgets: the picture and
// palette of the working bitmap, the two sample slots, the transparent index, the state of the
// selection and the instruction line and Save As that the window shows. What the "Background"
// frame shows follows from this state (see deriveFrameView).
//
// A picture position is looked up by the pixel's own palette index, so the index made
// transparent is the one the background's pixels use. A conversion rewrites palette entries
// and gives all pixels of the background's indexes the one index that becomes transparent.
class BackgroundSelection
{
public:
    static constexpr int NoIndex = 999;

    explicit BackgroundSelection(platform::TwipsScale scale = platform::TwipsScale());

    // Forgets any selection, as opening an image does first: nothing sampled, slots empty, the
    // transparent index 999, instruction line empty. The picture stays.
    void reset();

    // Loads the picture and the palette table from the working bitmap at path and resets the
    // selection; the instruction line then asks for a click and Save As is enabled. On failure
    // the picture is dropped and error says why.
    bool loadWorkBitmap(const QString &path, QString *error);
    bool loadWorkBitmap(WorkingBitmap bitmap, QString *error);

    // A mouse press on the picture at (x, y) twips. Samples the pixel and its right-hand
    // neighbour, fills the slots and either selects a uniform background (asking whether to
    // save now) or reports that the background must be converted first.
    SelectOutcome selectBackground(int x, int y, platform::Prompter &prompter);

    // Selects palette index directly, as a uniform click on a pixel of that index would,
    // without asking anything. False without a picture or for an index outside 0..255.
    bool selectIndex(int index);

    // A click on a conversion button: recolors the selected background's palette entries
    // (white, the neighbour's color, grey or black) in the table and the working bitmap, moves
    // the background's pixels onto the transparent index and asks for another click. Returns
    // whether the working bitmap was converted.
    bool convertBackground(ConversionButton button, platform::Prompter &prompter);

    // A click on swatch k acts as a click on the button it stands for: the selected color's
    // swatch (0) as White, the neighbour's (1) as Neighbour.
    bool clickSwatch(int k, platform::Prompter &prompter);

    // After a successful save: the selection controls are hidden, the instruction line shows
    // resultText and the picture is dropped. The transparent index, the multi-color flag and
    // the samples keep their values.
    void finishSave(const QString &resultText);

    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    const PaletteTable &palette() const { return m_palette; }
    const WorkingBitmap &workingBitmap() const { return m_workBitmap; }

    SelectionState state() const { return m_state; }
    const SampleSlot &slot(int k) const { return m_slots.at(std::size_t(k)); }
    int transparentIndex() const { return m_transparentIndex; }
    // The last click found a background of more than one index that is not yet converted.
    bool multiColorFlag() const { return m_multiColorFlag; }
    int clickX() const { return m_clickX; }
    int clickY() const { return m_clickY; }
    // The combined color value the last conversion gave the background.
    int targetColor() const { return m_targetColor; }
    // The conversions and isolations made since the working bitmap was loaded, oldest first.
    const QList<PaletteEdit> &edits() const { return m_edits; }

    // Only the background connected to the clicked pixel is recolored (and, on saving, made
    // transparent): see BackgroundIsolation. Off, every pixel of the background's entries is.
    bool onlyConnected() const { return m_onlyConnected; }
    void setOnlyConnected(bool only) { m_onlyConnected = only; }
    // Entries an isolation must not take as spares: those other pictures share (the frames of
    // an animation that use the first frame's table). Kept until the next load.
    void setReservedEntries(const std::bitset<256> &reserved) { m_reserved = reserved; }
    const std::bitset<256> &reservedEntries() const { return m_reserved; }
    // The pixel of the last click on the picture; nothing before one since the load.
    std::optional<QPoint> clickedPixel() const;
    // The entries merged to keep enclosed parts apart, by conversions and by the last save.
    const QList<PaletteMerge> &merges() const { return m_merges; }
    void addMerges(const QList<PaletteMerge> &merges) { m_merges << merges; }

    // A transparent background has been selected: a uniform pick or a converted background.
    bool backgroundSelected() const;
    // A pixel has been sampled since the image was opened: from then on the frame shows.
    bool sampled() const { return m_sampled; }
    // The must-convert click had a right-hand neighbour, whose color the background may take.
    bool neighbourFound() const { return m_neighbourFound; }

    const QString &instructions() const { return m_instructions; }
    bool saveAsEnabled() const { return m_saveAsEnabled; }

private:
    // The palette index of image pixel (px, py). Nothing outside the picture, or for an index
    // beyond the colors the bitmap declares (a damaged file).
    std::optional<int> indexAtPixel(int px, int py) const;
    std::optional<int> indexAtTwips(int x, int y, int pixelsRight = 0) const;
    void fillSlot(int k, int index);
    void emptySlots();
    SelectOutcome reportMustConvert(std::optional<int> neighbour, platform::Prompter &prompter);
    SelectOutcome askToSaveUniformPick(platform::Prompter &prompter);
    PaletteRow conversionTarget(ConversionButton button) const;
    void showConversion(ConversionButton button, int transparent);
    bool reloadFromWorkBitmap(QString *error);
    bool isolateBackground(const QList<int> &background, QString *error);

    platform::TwipsScale m_scale;
    WorkingBitmap m_workBitmap;
    QImage m_picture;
    PaletteTable m_palette;
    std::array<SampleSlot, 2> m_slots;
    SelectionState m_state = SelectionState::NothingSelected;
    int m_transparentIndex = NoIndex;
    bool m_multiColorFlag = false;
    int m_clickX = 0;
    int m_clickY = 0;
    int m_targetColor = 0;
    QList<PaletteEdit> m_edits;
    QList<PaletteMerge> m_merges;
    bool m_onlyConnected = false;
    std::bitset<256> m_reserved;
    bool m_clicked = false;
    bool m_sampled = false;
    bool m_neighbourFound = false;
    QString m_instructions;
    bool m_saveAsEnabled = false;
};

} // namespace giftool
