#pragma once

#include "frameset/ui/buttonpictures.h"

#include <QLabel>

namespace frameset {

// One of the designer's three picture buttons (row split, column split, clear all): shows its
// pressed face while the left button is held on it and its normal face again when the button is
// released.
class SplitButton : public QLabel
{
    Q_OBJECT
public:
    SplitButton(ButtonPicture picture, QWidget *parent = nullptr);

    ButtonPicture picture() const { return m_picture; }
    bool showsPressedFace() const { return m_pressed; }

signals:
    // The left button was pressed and released over the button.
    void clicked(ButtonPicture button);
    // The mouse moved over the button.
    void hovered(ButtonPicture button);
    // The mouse left the button, perhaps for the menu bar or another window.
    void left(ButtonPicture button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void showFace(bool pressed);

    ButtonPicture m_picture;
    bool m_pressed = false;
};

} // namespace frameset
