#pragma once

#include "giftool/core/backgroundselection.h"
#include "platform/units.h"

#include <QGroupBox>
#include <array>

class QLabel;
class QPushButton;

namespace giftool {

struct BackgroundFrameView;

// The "Background" frame: the selected color's swatch, the selected index, the "Change to"
// caption and the conversion buttons, the neighbour's swatch covering the neighbour button's
// face. It shows a BackgroundFrameView and reports clicks on the buttons and swatches.
class BackgroundFrame : public QGroupBox
{
    Q_OBJECT
public:
    // Sizes and places in twips, inside the frame.
    // As wide as the room left of the picture's viewport allows.
    static constexpr int Width = 1560;
    static constexpr int Height = 3240;
    static constexpr int ControlLeft = 90;
    static constexpr int ControlWidth = Width - 2 * ControlLeft;
    static constexpr int NeighbourButtonTop = 1620;
    static constexpr int NeighbourButtonHeight = 405;
    static constexpr int ButtonHeight = 315;
    static constexpr int ButtonGap = 45;
    // The "Change to" caption may take two lines above the White button, one above the
    // neighbour button.
    static constexpr int ChangeToTallHeight = 420;
    static constexpr int ChangeToHeight = 225;
    static constexpr int ChangeToAboveWhite = 450;
    static constexpr int ChangeToAboveNeighbour = 240;
    // The neighbour's swatch lies on the neighbour button's face: inset 60 twips from its left
    // and top edges, 108 twips narrower and 105 twips lower than the button.
    static constexpr int SwatchInset = 60;
    static constexpr int SwatchNarrower = 108;
    static constexpr int SwatchLower = 105;

    BackgroundFrame(platform::TwipsScale scale, QWidget *parent = nullptr);

    // Shows the view: which controls are visible, the swatch colors, the index text and the
    // "Change to" caption's text and place.
    void showView(const BackgroundFrameView &view);

    // The top of a conversion button, in twips of the frame.
    static int buttonTop(ConversionButton button);

    QPushButton *button(ConversionButton button) const { return m_buttons.at(std::size_t(button)); }
    QLabel *swatch(int k) const { return m_swatches.at(std::size_t(k)); }
    QLabel *indexBox() const { return m_indexBox; }
    QLabel *changeToCaption() const { return m_changeToCaption; }
    QLabel *selectedCaption() const { return m_selectedCaption; }

signals:
    void conversionRequested(giftool::ConversionButton button);
    // A click on swatch k, which acts as the button it stands for.
    void swatchClicked(int k);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place(QWidget *widget, int left, int top, int width, int height);
    void makeButtons();
    void makeSwatches();
    void giveHints();

    platform::TwipsScale m_scale;
    QLabel *m_selectedCaption = nullptr;
    QLabel *m_indexBox = nullptr;
    QLabel *m_changeToCaption = nullptr;
    std::array<QLabel *, 2> m_swatches{};
    std::array<QPushButton *, 4> m_buttons{};
};

} // namespace giftool
