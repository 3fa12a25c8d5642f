#include "giftool/core/backgroundframeview.h"

namespace giftool {

BackgroundFrameView deriveFrameView(const BackgroundSelection &selection)
{
    BackgroundFrameView view;
    const SelectionState state = selection.state();
    const bool choosing
        = state == SelectionState::UniformPick || state == SelectionState::MustConvert;
    const bool neighbourOffered
        = state == SelectionState::MustConvert && selection.neighbourFound();

    view.frameShown = selection.sampled();
    view.selectedCaptionShown = state != SelectionState::NothingSelected;
    view.swatchShown = {state != SelectionState::NothingSelected, neighbourOffered};
    for (int k = 0; k < 2; ++k)
        view.swatchColour.at(std::size_t(k)) = selection.slot(k).colour.colour();
    if (selection.backgroundSelected())
        view.indexText = QStringLiteral("Index = ") + QString::number(selection.transparentIndex());

    view.buttonShown.fill(choosing);
    view.buttonShown.at(std::size_t(ConversionButton::Neighbour)) = neighbourOffered;
    view.changeToShown = choosing;
    view.changeToText = state == SelectionState::MustConvert
        ? QStringLiteral("Change to:")
        : QStringLiteral("Change to optional:");
    view.changeToPlace
        = neighbourOffered ? ChangeToPlace::AboveNeighbourButton : ChangeToPlace::AboveWhiteButton;
    return view;
}

} // namespace giftool
