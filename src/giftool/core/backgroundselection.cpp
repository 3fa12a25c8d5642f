#include "giftool/core/backgroundselection.h"

namespace giftool {

void BackgroundSelection::reset()
{
    m_sampled = false;
    emptySlots();
    m_transparentIndex = NoIndex;
    m_multiColourFlag = false;
    m_neighbourFound = false;
    m_pickedPixel.reset();
    m_state = SelectionState::NothingSelected;
}

void BackgroundSelection::fillSlot(int k, int index)
{
    SampleSlot &slot = m_slots.at(std::size_t(k));
    slot.index = index;
    slot.colour = m_document.palette().row(index);
}

void BackgroundSelection::emptySlots()
{
    for (SampleSlot &slot : m_slots)
        slot.index.reset();
}

bool BackgroundSelection::backgroundSelected() const
{
    return m_state == SelectionState::UniformPick || m_state == SelectionState::Converted;
}

bool BackgroundSelection::pickIndex(int index)
{
    if (!m_document.hasPicture() || index < 0 || index >= PaletteTable::Size)
        return false;
    m_sampled = true;
    m_pickedPixel.reset();
    emptySlots();
    fillSlot(0, index);
    m_transparentIndex = index;
    m_state = SelectionState::UniformPick;
    return true;
}

PickResult BackgroundSelection::pickBackground(QPoint pixel)
{
    if (!m_document.hasPicture())
        return {};
    m_sampled = true;
    emptySlots();
    m_pickedPixel = pixel;

    const std::optional<int> picked = m_document.indexAt(pixel);
    if (!picked)
        return {PickOutcome::OutOfPicture, std::nullopt, std::nullopt};
    // The last pixel column has no right-hand neighbour: that counts as a second color.
    const std::optional<int> neighbour = m_document.indexAt(pixel + QPoint(1, 0));
    fillSlot(0, *picked);
    m_transparentIndex = *picked;
    if (neighbour == picked) {
        m_state = SelectionState::UniformPick;
        return {PickOutcome::Picked, picked, std::nullopt};
    }
    if (neighbour)
        fillSlot(1, *neighbour);
    m_neighbourFound = neighbour.has_value();
    m_multiColourFlag = true;
    m_state = SelectionState::MustConvert;
    return {PickOutcome::NeedsRecolour, picked, neighbour};
}

PaletteRow BackgroundSelection::conversionTarget(ConversionButton button) const
{
    switch (button) {
    case ConversionButton::White:
        return PaletteRow::fromRgb(255, 255, 255);
    case ConversionButton::Neighbour:
        return m_slots[1].colour;
    case ConversionButton::Grey:
        return PaletteRow::fromRgb(192, 192, 192);
    case ConversionButton::Black:
        break;
    }
    return PaletteRow::fromRgb(0, 0, 0);
}

bool BackgroundSelection::isolateBackground(QString *error)
{
    if (!m_onlyConnected || !m_pickedPixel)
        return true;
    QList<int> background;
    for (const SampleSlot &slot : m_slots) {
        if (slot.filled())
            background << *slot.index;
    }
    const std::optional<BackgroundIsolation> plan = planIsolation(
        m_document.picture(), *m_pickedPixel, background, m_document.reservedEntries());
    return !plan || m_document.isolate(*plan, error);
}

PaletteConversion BackgroundSelection::conversionOf(ConversionButton button) const
{
    PaletteConversion conversion;
    conversion.target = conversionTarget(button);
    for (const SampleSlot &slot : m_slots) {
        if (slot.filled()) {
            conversion.before << m_document.palette().row(*slot.index);
            conversion.indexes << *slot.index;
        }
    }
    // The index that becomes transparent: the neighbour's for the neighbour button, otherwise
    // the one already selected. All background pixels move onto it, so the next pick finds
    // a background of one index.
    const QList<int> &background = conversion.indexes;
    conversion.movedTo
        = background.contains(m_transparentIndex) ? m_transparentIndex : background.first();
    if (button == ConversionButton::Neighbour)
        conversion.movedTo = *m_slots[1].index;
    return conversion;
}

RecolourResult BackgroundSelection::recolour(ConversionButton button)
{
    if (!m_slots[0].filled() && !m_slots[1].filled())
        return {RecolourOutcome::NothingSampled, QString()};
    if (button == ConversionButton::Neighbour && !m_slots[1].filled())
        return {RecolourOutcome::NoNeighbour, QString()};

    RecolourResult result;
    if (!isolateBackground(&result.error))
        return result;
    const PaletteConversion conversion = conversionOf(button);
    m_targetColour = conversion.target.value;
    if (!m_document.convert(conversion, &result.error))
        return result;
    showConversion(button, conversion.movedTo);
    return {RecolourOutcome::Recoloured, QString()};
}

void BackgroundSelection::showConversion(ConversionButton button, int transparent)
{
    SampleSlot &picked = m_slots[0];
    m_transparentIndex = transparent;
    if (button == ConversionButton::Grey) {
        // The grey may already have existed at another index; the picked pixel says which
        // index the background uses now.
        if (const std::optional<int> index
            = m_pickedPixel ? m_document.indexAt(*m_pickedPixel) : std::nullopt)
            picked.index = *index;
        m_transparentIndex = *picked.index;
    }
    // The samples show what both entries hold now, not the colours they had.
    for (SampleSlot &slot : m_slots) {
        if (slot.filled())
            slot.colour = m_document.palette().row(*slot.index);
    }
    m_multiColourFlag = false;
    m_state = SelectionState::Converted;
}

} // namespace giftool
