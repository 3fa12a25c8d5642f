#pragma once

#include "platform/units.h"

#include <QFrame>
#include <array>

class QLabel;
class QPushButton;

namespace giftool {

class BackgroundSelection;
struct PaletteMerge;

// The color detail panel: under the heads "Index", "Red", "Green", "Blue" and "Value" one row per
// sample slot with its palette index, its red, green and blue and its combined color value; an
// empty slot's row is blank. "Close" hides it.
class DetailPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int Width = 4320;
    static constexpr int Height = 1680;

    DetailPanel(platform::TwipsScale scale, QWidget *parent = nullptr);

    // Shows the numbers of both sample slots.
    void showSelection(const BackgroundSelection &selection, const QList<PaletteMerge> &merges);

    QLabel *colourIndex(int k) const { return m_index.at(std::size_t(k)); }
    QLabel *colourValue(int k) const { return m_value.at(std::size_t(k)); }
    // Red (0), green (1) or blue (2) of slot k.
    QLabel *rgb(int k, int part) const { return m_rgb.at(std::size_t(k)).at(std::size_t(part)); }
    QPushButton *closeButton() const { return m_close; }
    // The palette merges an isolation of the connected background made; empty without any.
    QLabel *merges() const { return m_merges; }

private:
    std::array<QLabel *, 2> m_index{};
    std::array<QLabel *, 2> m_value{};
    std::array<std::array<QLabel *, 3>, 2> m_rgb{};
    QPushButton *m_close = nullptr;
    QLabel *m_merges = nullptr;
};

// The detail panel's line about palette merges: which entries went into which, and the largest
// color change; empty without merges.
QString mergeText(const QList<PaletteMerge> &merges);

} // namespace giftool
