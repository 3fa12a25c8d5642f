#pragma once

#include "giftool/core/backgroundselection.h"

#include <QColor>
#include <QString>
#include <array>

namespace giftool {

// Where the "Change to" caption stands: above the White button, or above the neighbour button
// when that one is shown (the frame's layout says how far).
enum class ChangeToPlace { AboveWhiteButton, AboveNeighbourButton };

// What the "Background" frame shows for a selection: which of its controls are visible, the
// swatch colors, the selected index and the "Change to" caption's text and place.
struct BackgroundFrameView
{
    bool frameShown = false;
    // The "Selected Color:" caption above the selected color's swatch.
    bool selectedCaptionShown = false;
    // The selected color's swatch (0) and the neighbour's (1).
    std::array<bool, 2> swatchShown{};
    std::array<QColor, 2> swatchColour;
    // The selected background's palette index, "Index = 5"; empty while none is selected.
    QString indexText;
    // By ConversionButton.
    std::array<bool, 4> buttonShown{};
    bool changeToShown = false;
    QString changeToText;
    ChangeToPlace changeToPlace = ChangeToPlace::AboveWhiteButton;

    bool shows(ConversionButton button) const { return buttonShown.at(std::size_t(button)); }
};

// The frame as the selection's state has it: nothing before the first click; the selected
// color, its index and the optional White, Grey and Black after a uniform pick; all four
// buttons (the neighbour's only where there is a neighbour) and no index while the background
// must be converted; the new color and its index once it is converted.
BackgroundFrameView deriveFrameView(const BackgroundSelection &selection);

} // namespace giftool
