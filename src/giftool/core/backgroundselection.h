#pragma once

#include "giftool/core/palettetable.h"
#include "giftool/core/workingbitmap.h"
#include "platform/units.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <optional>

namespace platform {
class Prompter;
}

namespace giftool {

// One sample slot of the detail panel, held as the texts the panel shows: slot 0 is the
// clicked pixel, slot 1 its right-hand neighbour.
struct SampleSlot
{
    QString indexText; // Colorindex(k)
    QString valueText; // Clrlong(k): the combined color value in decimal
    QString redText, greenText, blueText; // RGB1(0..2) for slot 0, RGB2(0..2) for slot 1
    QColor swatchColor; // background of Colorsample(k)
    bool swatchShown = false;

    bool filled() const { return !valueText.isEmpty(); }
    int index() const { return indexText.toInt(); }
};

// What the "Background" frame is doing, as the user sees it.
enum class SelectionState { NothingSelected, UniformPick, MustConvert, Converted };

// Where Label1 stands: 450 twips above the White button, or 240 twips above the neighbour
// button when that one is shown.
enum class Label1Place { AboveWhiteButton, AboveNeighbourButton };

// The Backgroundbutton indexes.
enum ConversionButton { WhiteButton = 0, NeighbourButton = 1, GreyButton = 2, BlackButton = 3 };

enum class SelectOutcome {
    NoPicture, // nothing happened
    NotInPalette, // the clicked color is not in the palette; nothing selected
    MustConvert, // the background has two indexes at the click and must be converted
    Selected, // a uniform background is selected
    SaveRequested // ... and the user answered Yes to saving now
};

// The background selection and conversion of the GIF tool, free of widgets: the picture and
// palette of the working bitmap, the two sample slots, the transparent index and the state of
// the "Background" frame, the instruction line and Save As that the window shows.
//
// A picture position is looked up by the pixel's own palette index, so the index made
// transparent is the one the background's pixels use. A conversion rewrites palette entries
// and gives all pixels of the background's indexes the one index that becomes transparent.
class BackgroundSelection
{
public:
    static constexpr int NoIndex = 999;

    explicit BackgroundSelection(platform::TwipsScale scale = platform::TwipsScale());

    // Forgets any selection, as opening an image does first: frame hidden, slots and
    // Backgroundbox empty, TransparentIndex 999, instruction line empty. The picture stays.
    void reset();

    // Loads the picture and the palette table from the working bitmap at path and resets the
    // selection; the instruction line then asks for a click and Save As is enabled. On failure
    // the picture is dropped and error says why.
    bool loadWorkBitmap(const QString &path, QString *error);

    // A mouse press on the picture at (x, y) twips. Samples the pixel and its right-hand
    // neighbour, fills the slots and either selects a uniform background (asking whether to
    // save now) or reports that the background must be converted first.
    SelectOutcome SelectBackground(int x, int y, platform::Prompter &prompter);

    // Selects palette index directly, as a uniform click on a pixel of that index would,
    // without asking anything. False without a picture or for an index outside 0..255.
    bool selectIndex(int index);

    // A click on Backgroundbutton(button): recolors the selected background's palette entries
    // (white, the neighbour's color, grey or black) in the table and the working bitmap, moves
    // the background's pixels onto the transparent index and asks for another click. Returns
    // whether the working bitmap was converted.
    bool ConvertBackground(int button, platform::Prompter &prompter);

    // A click on Colorsample(k) acts as a click on Backgroundbutton(k).
    bool clickSwatch(int k, platform::Prompter &prompter) { return ConvertBackground(k, prompter); }

    // After a successful save: the selection controls are hidden, Backgroundbox emptied, the
    // instruction line shows resultText and the picture is dropped. TransparentIndex and
    // MultiColorFlag keep their values.
    void finishSave(const QString &resultText);

    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    const PaletteTable &palette() const { return m_palette; }
    const WorkingBitmap &workingBitmap() const { return m_workBitmap; }

    SelectionState state() const { return m_state; }
    const SampleSlot &slot(int k) const { return m_slots.at(std::size_t(k)); }
    int TransparentIndex() const { return m_transparentIndex; }
    int MultiColorFlag() const { return m_multiColorFlag; }
    int ClickX() const { return m_clickX; }
    int ClickY() const { return m_clickY; }
    int TargetColor() const { return m_targetColor; }

    // A transparent background has been selected: Backgroundbox is not blank.
    bool backgroundSelected() const { return !m_backgroundbox.trimmed().isEmpty(); }

    bool frameShown() const { return m_frameShown; }
    bool label2Shown() const { return m_label2Shown; }
    bool label1Shown() const { return m_label1Shown; }
    const QString &label1Text() const { return m_label1Text; }
    Label1Place label1Place() const { return m_label1Place; }
    bool buttonShown(int button) const { return m_buttonShown.at(std::size_t(button)); }
    const QString &backgroundboxText() const { return m_backgroundbox; }

    const QString &instructions() const { return m_instructions; }
    void setInstructions(const QString &text) { m_instructions = text; }
    bool saveAsEnabled() const { return m_saveAsEnabled; }
    void setSaveAsEnabled(bool enabled) { m_saveAsEnabled = enabled; }

private:
    // The palette index of image pixel (px, py). Nothing outside the picture, or for an index
    // beyond the colors the bitmap declares (a damaged file).
    std::optional<int> indexAtPixel(int px, int py) const;
    std::optional<int> indexAtTwips(int x, int y, int pixelsRight = 0) const;
    void fillSlot(int k, int index);
    void showRgbTexts(int k);
    void showUniformPick();
    void hideConversionControls();
    bool reloadFromWorkBitmap(QString *error);

    platform::TwipsScale m_scale;
    WorkingBitmap m_workBitmap;
    QImage m_picture;
    PaletteTable m_palette;
    std::array<SampleSlot, 2> m_slots;
    SelectionState m_state = SelectionState::NothingSelected;
    int m_transparentIndex = NoIndex;
    int m_multiColorFlag = 0;
    int m_clickX = 0;
    int m_clickY = 0;
    int m_targetColor = 0;
    bool m_frameShown = false;
    bool m_label2Shown = false;
    bool m_label1Shown = false;
    QString m_label1Text;
    Label1Place m_label1Place = Label1Place::AboveWhiteButton;
    std::array<bool, 4> m_buttonShown{};
    QString m_backgroundbox;
    QString m_instructions;
    bool m_saveAsEnabled = false;
};

} // namespace giftool
