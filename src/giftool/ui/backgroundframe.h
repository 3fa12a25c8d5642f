#pragma once

#include "platform/units.h"

#include <QGroupBox>
#include <array>

class QLabel;
class QPushButton;

namespace giftool {

class BackgroundSelection;

// The "Background" frame `Frame1`: the selected color's swatch `Colorsample(0)`, the
// `Backgroundbox` with the selected index, `Label1` and the conversion buttons
// `Backgroundbutton(0..3)`, the neighbour's swatch `Colorsample(1)` covering button 1's face.
// It shows a BackgroundSelection and reports clicks on the buttons and swatches.
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
    // Label1 may take two lines above the White button, one above the neighbour button.
    static constexpr int Label1TallHeight = 420;
    static constexpr int Label1Height = 225;
    static constexpr int Label1AboveWhite = 450;
    static constexpr int Label1AboveNeighbour = 240;
    // Colorsample(1) lies on button 1's face: inset 60 twips from its left and top edges, 108
    // twips narrower and 105 twips lower than the button.
    static constexpr int SwatchInset = 60;
    static constexpr int SwatchNarrower = 108;
    static constexpr int SwatchLower = 105;

    BackgroundFrame(platform::TwipsScale scale, QWidget *parent = nullptr);

    // Shows the selection: which controls are visible, the swatch colors, the index text and
    // Label1's text and place.
    void showSelection(const BackgroundSelection &selection);

    // The top of Backgroundbutton(index), in twips of the frame.
    static int buttonTop(int index);

    QPushButton *button(int index) const { return m_buttons.at(std::size_t(index)); }
    QLabel *sample(int k) const { return m_samples.at(std::size_t(k)); }
    QLabel *backgroundbox() const { return m_backgroundbox; }
    QLabel *label1() const { return m_label1; }
    QLabel *label2() const { return m_label2; }

signals:
    // A click on Backgroundbutton(index), or on Colorsample(index), which acts as that button.
    void conversionRequested(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place(QWidget *widget, int left, int top, int width, int height);

    platform::TwipsScale m_scale;
    QLabel *m_label2 = nullptr;
    QLabel *m_backgroundbox = nullptr;
    QLabel *m_label1 = nullptr;
    std::array<QLabel *, 2> m_samples{};
    std::array<QPushButton *, 4> m_buttons{};
};

} // namespace giftool
