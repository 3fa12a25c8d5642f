#pragma once

#include "imagemap/core/hotspotproperties.h"
#include "imagemap/core/imagemapstate.h"
#include "platform/prompter.h"
#include "platform/units.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace imagemap {

// The hotspot properties dialog (caption "Zonemark"): the URL, alternate text and target of
// the hotspot the shared state names (its current hotspot, or while that is 0 the newly drawn
// shape). OK stores or updates, Cancel drops a new shape, Delete removes the shape; each
// closes the dialog when its work is done. Closing it by the title bar or Escape is Cancel.
// The boxes are filled once each time the dialog is shown, so a refused OK keeps what the
// user typed.
class HotspotDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int WidthTwips = 5700;
    static constexpr int HeightTwips = 1515;

    // The dialog's rows, top to bottom: a label, a text box and a button each.
    enum class Field { Url, AltText, Target };
    Q_ENUM(Field)
    enum class Button { Ok, Cancel, Delete };
    Q_ENUM(Button)

    // windowTop: the image-map window's top edge in pixels, which the dialog shares.
    HotspotDialog(ImageMapState &state, platform::Prompter &prompter, int windowTop,
        QWidget *parent = nullptr);

    QLineEdit *entry(Field field) const { return m_textBoxes.at(std::size_t(field)); }
    QPushButton *button(Button button) const { return m_buttons.at(std::size_t(button)); }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildRows();
    void connectButtons();
    // The object names the tests find the dialog's widgets by.
    void setObjectNames();
    void ok();
    void remove();

    platform::Prompter &m_prompter;
    HotspotProperties m_properties;
    platform::TwipsScale m_scale;
    std::array<QLabel *, 3> m_labels{};
    std::array<QLineEdit *, 3> m_textBoxes{};
    std::array<QPushButton *, 3> m_buttons{};
    bool m_filled = false;
};

} // namespace imagemap
