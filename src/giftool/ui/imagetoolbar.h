#pragma once

#include "giftool/ui/toolbarbutton.h"
#include "platform/units.h"

#include <QObject>
#include <array>

class QLabel;
class QWidget;

namespace giftool {

// The GIF tool's toolbar: three image buttons (Open, Save, Help), each showing one of its two
// hidden faces (raised or pressed), and the tip that names the button under the mouse.
class ImageToolbar : public QObject
{
    Q_OBJECT
public:
    // Puts the buttons, their faces and the tip on surface, the window's client area.
    ImageToolbar(platform::TwipsScale scale, QWidget *surface);

    QLabel *button(ToolbarButton button) const { return m_buttons.at(slotOf(button)); }
    QLabel *raisedFace(ToolbarButton button) const { return m_raisedFaces.at(slotOf(button)); }
    QLabel *pressedFace(ToolbarButton button) const { return m_pressedFaces.at(slotOf(button)); }
    QLabel *tip() const { return m_tip; }
    void hideTip();

signals:
    // A button was clicked: its raised face is back and the window has repainted.
    void clicked(giftool::ToolbarButton button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static std::size_t slotOf(ToolbarButton button) { return std::size_t(button); }
    QLabel *makeFace(ToolbarButton button, bool pressed, QSize size);
    bool buttonEvent(ToolbarButton button, QEvent *event);
    // Moving over a button names it in the tip, under the button.
    void showTip(ToolbarButton button);

    platform::TwipsScale m_scale;
    QWidget *m_surface;
    std::array<QLabel *, ToolbarButtonCount> m_buttons{};
    std::array<QLabel *, ToolbarButtonCount> m_raisedFaces{};
    std::array<QLabel *, ToolbarButtonCount> m_pressedFaces{};
    QLabel *m_tip = nullptr;
    // Where the tip stands, in twips: it is placed and named again only when it moves.
    int m_tipLeft = 0;
};

} // namespace giftool
