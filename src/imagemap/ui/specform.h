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

// The hotspot properties dialog (`Specform`, caption "Zonemark"): the URL, alternate text and
// target of the hotspot the shared state names (CurrentHotspot, or while that is 0 the newly
// drawn shape). OK stores or updates, Cancel drops a new shape, Delete removes the shape; each
// closes the dialog when its work is done. Closing it by the title bar or Escape is Cancel.
// The boxes are filled once each time the dialog is shown, so a refused OK keeps what the
// user typed.
class Specform : public QDialog
{
    Q_OBJECT
public:
    static constexpr int WidthTwips = 5700;
    static constexpr int HeightTwips = 1515;
    enum Button { OkButton = 0, CancelButton = 1, DeleteButton = 2 };

    // windowTop: the image-map window's top edge in pixels, which the dialog shares.
    Specform(ImageMapState &state, platform::Prompter &prompter, int windowTop,
        QWidget *parent = nullptr);

    // `Entry` 0 (URL), 1 (Alternate Text) and 2 (Target).
    QLineEdit *entry(int index) const { return m_entries.at(std::size_t(index)); }
    QPushButton *button(int index) const { return m_buttons.at(std::size_t(index)); }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void ok();
    void remove();

    HotspotProperties m_properties;
    platform::TwipsScale m_scale;
    std::array<QLabel *, 3> m_labels{};
    std::array<QLineEdit *, 3> m_entries{};
    std::array<QPushButton *, 3> m_buttons{};
    bool m_filled = false;
};

} // namespace imagemap
