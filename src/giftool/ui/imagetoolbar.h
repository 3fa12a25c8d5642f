#pragma once

#include "platform/units.h"

#include <QObject>
#include <array>

class QLabel;
class QWidget;

namespace giftool {

// The GIF tool's toolbar: three image buttons `Thebutton(1..3)` (open, save, help) whose faces
// are the hidden images `Thebutton(21..23)` (raised) and `Thebutton(41..43)` (pressed), and
// the tip `Yellowbox` that names the button under the mouse.
class ImageToolbar : public QObject
{
    Q_OBJECT
public:
    static constexpr int ButtonCount = 3;

    // Puts the buttons, their faces and the tip on surface, the window's client area.
    ImageToolbar(platform::TwipsScale scale, QWidget *surface);

    QLabel *button(int button) const { return m_buttons.at(std::size_t(button - 1)); }
    QLabel *tip() const { return m_tip; }
    void hideTip();

signals:
    // A button was clicked: its raised face is back and the window has repainted.
    void clicked(int button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool buttonEvent(int button, QEvent *event);
    // Moving over a button names it in the tip, under the button.
    void showTip(int button);

    platform::TwipsScale m_scale;
    QWidget *m_surface;
    std::array<QLabel *, ButtonCount> m_buttons{};
    std::array<QLabel *, ButtonCount> m_raisedFaces{};
    std::array<QLabel *, ButtonCount> m_pressedFaces{};
    QLabel *m_tip = nullptr;
    int m_tipLeft = 0; // TipLeft: where the tip stands, in twips
};

} // namespace giftool
