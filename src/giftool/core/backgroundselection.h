#pragma once

#include "giftool/core/palettedocument.h"

#include <QPoint>
#include <QString>
#include <array>
#include <optional>

namespace giftool {

// One sample of the detail panel: slot 0 is the clicked pixel, slot 1 its right-hand
// neighbour.
struct SampleSlot
{
    // The palette index sampled; nothing while the slot is empty.
    std::optional<int> index;
    // The color the entry holds. An emptied slot keeps the color it last had: its swatch goes
    // on showing it for as long as the swatch stays visible.
    PaletteRow colour;

    bool filled() const { return index.has_value(); }
};

// What the "Background" frame is doing, as the user sees it.
enum class SelectionState { NothingSelected, UniformPick, MustConvert, Converted };

// The conversion buttons of the "Background" frame, in the order of their indexes.
enum class ConversionButton { White, Neighbour, Grey, Black };

enum class PickOutcome {
    NoPicture, // nothing happened
    OutOfPicture, // the pixel is not in the picture: the samples are emptied, nothing selected
    NeedsRecolour, // the background has two indexes there and must be converted first
    Picked // a uniform background is selected
};

// What a pick came to: the index picked and, where the background must be converted, the
// neighbour's (nothing for a pixel in the last column).
struct PickResult
{
    PickOutcome outcome = PickOutcome::NoPicture;
    std::optional<int> index;
    std::optional<int> neighbour;
};

enum class RecolourOutcome {
    Recoloured, // the background has one color and index now
    NothingSampled, // no pixel has been sampled to take the color of
    NoNeighbour, // the neighbour's color was asked for, but there is no neighbour
    Failed // the working bitmap could not be written: error says why
};

struct RecolourResult
{
    RecolourOutcome outcome = RecolourOutcome::Failed;
    QString error;
};

// The background selection of Clearcoat: the two samples, the transparent index and the state
// of the "Background" frame, over the picture of a PaletteDocument. What the frame shows
// follows from this state (see deriveFrameView).
//
// A pixel is looked up by its own palette index, so the index made transparent is the one the
// background's pixels use. A conversion rewrites palette entries and gives all pixels of the
// background's indexes the one index that becomes transparent.
class BackgroundSelection
{
public:
    static constexpr int NoIndex = 999;

    explicit BackgroundSelection(PaletteDocument &document)
        : m_document(document)
    { }

    // Forgets any selection, as opening an image does first: nothing sampled, slots empty, the
    // transparent index 999. The picture stays.
    void reset();

    // A press on the picture's pixel: samples it and its right-hand neighbour, fills the slots
    // and either selects a uniform background or finds that it must be converted first.
    PickResult pickBackground(QPoint pixel);

    // Selects palette index directly, as a uniform pick on a pixel of that index would. False
    // without a picture or for an index outside 0..255.
    bool pickIndex(int index);

    // Recolors the selected background's palette entries (white, the neighbour's color, grey
    // or black) and moves the background's pixels onto the transparent index. Where only the
    // connected background counts, its enclosed parts are isolated first.
    RecolourResult recolour(ConversionButton button);

    // A save has ended the work on the picture: the selection shows nothing selected. The
    // transparent index, the multi-color flag and the samples keep their values.
    void finishSave() { m_state = SelectionState::NothingSelected; }

    SelectionState state() const { return m_state; }
    const SampleSlot &slot(int k) const { return m_slots.at(std::size_t(k)); }
    int transparentIndex() const { return m_transparentIndex; }
    // The last pick found a background of more than one index that is not yet converted.
    bool multiColourFlag() const { return m_multiColourFlag; }
    // The combined color value the last conversion gave the background.
    int targetColour() const { return m_targetColour; }
    // The pixel of the last pick; nothing before one since the picture was opened.
    std::optional<QPoint> pickedPixel() const { return m_pickedPixel; }

    // Only the background connected to the picked pixel is recolored (and, on saving, made
    // transparent): see BackgroundIsolation. Off, every pixel of the background's entries is.
    bool onlyConnected() const { return m_onlyConnected; }
    void setOnlyConnected(bool only) { m_onlyConnected = only; }

    // A transparent background has been selected: a uniform pick or a converted background.
    bool backgroundSelected() const;
    // A pixel has been sampled since the image was opened: from then on the frame shows.
    bool sampled() const { return m_sampled; }
    // The must-convert pick had a right-hand neighbour, whose color the background may take.
    bool neighbourFound() const { return m_neighbourFound; }

private:
    void fillSlot(int k, int index);
    void emptySlots();
    PaletteRow conversionTarget(ConversionButton button) const;
    PaletteConversion conversionOf(ConversionButton button) const;
    bool isolateBackground(QString *error);
    void showConversion(ConversionButton button, int transparent);

    PaletteDocument &m_document;
    std::array<SampleSlot, 2> m_slots;
    SelectionState m_state = SelectionState::NothingSelected;
    int m_transparentIndex = NoIndex;
    bool m_multiColourFlag = false;
    int m_targetColour = 0;
    std::optional<QPoint> m_pickedPixel;
    bool m_onlyConnected = false;
    bool m_sampled = false;
    bool m_neighbourFound = false;
};

} // namespace giftool
