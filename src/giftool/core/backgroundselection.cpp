#include "giftool/core/backgroundselection.h"

#include "platform/prompter.h"

namespace giftool {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

const QString ClickInstruction
    = QStringLiteral("Click and select the background area of the image.");
const QString MustConvertText = QStringLiteral(
    "You MUST change the background to a single color.  Choose a button in the Background Frame.");
const QString DoneText = QStringLiteral(
    "Done! You must now save this image (File menu). As a precaution, do not overwrite the "
    "original image file; you should save it under a new name.  ");
const QString NotInPaletteText = QStringLiteral(
    "Please try again.  Select a different pixel.  If the problem persists, save the image as a "
    "bitmap (BMP), re-open the saved bitmap file and repeat the procedure.  If your system is not "
    "set to 256 colors, you may need to change the setting to 256-colors.");
const QString NoSelectionText
    = QStringLiteral("Please click on the image and select the background color.");
const QString ClickAgainText = QStringLiteral("Please click on the background again.");

} // namespace

BackgroundSelection::BackgroundSelection(platform::TwipsScale scale)
    : m_scale(scale)
    , m_instructions(QStringLiteral("Open an image file from the File menu."))
{ }

void BackgroundSelection::reset()
{
    m_sampled = false;
    emptySlots();
    m_transparentIndex = NoIndex;
    m_multiColorFlag = false;
    m_neighbourFound = false;
    m_clicked = false;
    m_instructions.clear();
    m_state = SelectionState::NothingSelected;
}

std::optional<QPoint> BackgroundSelection::clickedPixel() const
{
    if (!m_clicked)
        return std::nullopt;
    return QPoint(m_clickX / m_scale.factor(), m_clickY / m_scale.factor());
}

bool BackgroundSelection::isolateBackground(const QList<int> &background, QString *error)
{
    const std::optional<QPoint> seed = clickedPixel();
    if (!m_onlyConnected || !seed)
        return true;
    const std::optional<BackgroundIsolation> plan
        = planIsolation(m_picture, *seed, background, m_reserved);
    if (!plan)
        return true;
    QImage isolated = m_picture;
    applyIsolation(isolated, *plan);
    if (!m_workBitmap.store(isolated, error) || !reloadFromWorkBitmap(error))
        return false;
    m_edits << *plan;
    m_merges << plan->merges;
    return true;
}

bool BackgroundSelection::loadWorkBitmap(const QString &path, QString *error)
{
    return loadWorkBitmap(WorkingBitmap(path), error);
}

bool BackgroundSelection::loadWorkBitmap(WorkingBitmap bitmap, QString *error)
{
    reset();
    m_edits.clear();
    m_merges.clear();
    m_reserved.reset();
    m_workBitmap = std::move(bitmap);
    if (!reloadFromWorkBitmap(error)) {
        m_picture = QImage();
        m_saveAsEnabled = false;
        return false;
    }
    m_instructions = ClickInstruction;
    m_saveAsEnabled = true;
    return true;
}

bool BackgroundSelection::reloadFromWorkBitmap(QString *error)
{
    QImage picture;
    PaletteTable table;
    if (!m_workBitmap.load(picture, table, error))
        return false;
    m_picture = std::move(picture);
    m_palette = table;
    return true;
}

std::optional<int> BackgroundSelection::indexAtPixel(int px, int py) const
{
    if (!m_picture.valid(px, py))
        return std::nullopt;
    const int index = m_picture.pixelIndex(px, py);
    if (index >= m_picture.colorCount())
        return std::nullopt;
    return index;
}

std::optional<int> BackgroundSelection::indexAtTwips(int x, int y, int pixelsRight) const
{
    if (x < 0 || y < 0)
        return std::nullopt;
    return indexAtPixel(x / m_scale.factor() + pixelsRight, y / m_scale.factor());
}

void BackgroundSelection::fillSlot(int k, int index)
{
    SampleSlot &slot = m_slots.at(std::size_t(k));
    slot.index = index;
    slot.color = m_palette.row(index);
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

bool BackgroundSelection::selectIndex(int index)
{
    if (m_picture.isNull() || index < 0 || index >= PaletteTable::Size)
        return false;
    m_sampled = true;
    m_clicked = false;
    emptySlots();
    fillSlot(0, index);
    m_transparentIndex = index;
    m_state = SelectionState::UniformPick;
    m_instructions.clear();
    m_saveAsEnabled = true;
    return true;
}

SelectOutcome BackgroundSelection::selectBackground(int x, int y, platform::Prompter &prompter)
{
    if (m_picture.isNull())
        return SelectOutcome::NoPicture;
    m_sampled = true;
    emptySlots();
    m_clickX = x;
    m_clickY = y;
    m_clicked = true;

    const std::optional<int> clicked = indexAtTwips(x, y);
    if (!clicked) {
        m_instructions.clear();
        m_saveAsEnabled = false;
        prompter.tell(NotInPaletteText, MessageIcon::Exclamation);
        m_instructions = NotInPaletteText;
        return SelectOutcome::NotInPalette;
    }
    // The last pixel column has no right-hand neighbour: that counts as a second color.
    const std::optional<int> neighbour = indexAtTwips(x, y, 1);
    fillSlot(0, *clicked);
    m_transparentIndex = *clicked;
    m_instructions.clear();
    m_saveAsEnabled = true;
    if (neighbour != clicked)
        return reportMustConvert(neighbour, prompter);
    return askToSaveUniformPick(prompter);
}

SelectOutcome BackgroundSelection::reportMustConvert(
    std::optional<int> neighbour, platform::Prompter &prompter)
{
    if (neighbour)
        fillSlot(1, *neighbour);
    m_neighbourFound = neighbour.has_value();
    m_saveAsEnabled = false;
    m_multiColorFlag = true;
    m_state = SelectionState::MustConvert;
    prompter.tell(MustConvertText, MessageIcon::Exclamation);
    m_instructions = MustConvertText;
    return SelectOutcome::MustConvert;
}

SelectOutcome BackgroundSelection::askToSaveUniformPick(platform::Prompter &prompter)
{
    m_state = SelectionState::UniformPick;
    if (prompter.ask(DoneText, MessageIcon::Question, MessageButtons::YesNoCancel)
        == MessageAnswer::Yes)
        return SelectOutcome::SaveRequested;
    m_instructions = DoneText;
    return SelectOutcome::Selected;
}

PaletteRow BackgroundSelection::conversionTarget(ConversionButton button) const
{
    switch (button) {
    case ConversionButton::White:
        return PaletteRow::fromRgb(255, 255, 255);
    case ConversionButton::Neighbour:
        return m_slots[1].color;
    case ConversionButton::Grey:
        return PaletteRow::fromRgb(192, 192, 192);
    case ConversionButton::Black:
        break;
    }
    return PaletteRow::fromRgb(0, 0, 0);
}

bool BackgroundSelection::clickSwatch(int k, platform::Prompter &prompter)
{
    return convertBackground(
        k == 0 ? ConversionButton::White : ConversionButton::Neighbour, prompter);
}

bool BackgroundSelection::convertBackground(ConversionButton button, platform::Prompter &prompter)
{
    if (!m_slots[0].filled() && !m_slots[1].filled()) {
        prompter.tell(NoSelectionText, MessageIcon::Exclamation);
        return false;
    }
    if (button == ConversionButton::Neighbour && !m_slots[1].filled())
        return false;

    QList<int> sampled;
    for (const SampleSlot &slot : m_slots) {
        if (slot.filled())
            sampled << *slot.index;
    }
    QString error;
    if (!isolateBackground(sampled, &error)) {
        prompter.tell(error, MessageIcon::Exclamation);
        return false;
    }

    const PaletteRow target = conversionTarget(button);
    m_targetColor = target.value;
    PaletteTable table = m_palette;
    PaletteConversion conversion;
    conversion.target = target;
    QList<int> &background = conversion.indexes;
    for (const SampleSlot &slot : m_slots) {
        if (slot.filled()) {
            conversion.before << table.row(*slot.index);
            table.setRow(*slot.index, target);
            background << *slot.index;
        }
    }
    // The index that becomes transparent: the neighbour's for the neighbour button, otherwise
    // the one already selected. All background pixels move onto it, so the next click finds
    // a background of one index.
    int transparent
        = background.contains(m_transparentIndex) ? m_transparentIndex : background.first();
    if (button == ConversionButton::Neighbour)
        transparent = *m_slots[1].index;

    if (!m_workBitmap.rewrite(table, background, transparent, &error)
        || !reloadFromWorkBitmap(&error)) {
        prompter.tell(error, MessageIcon::Exclamation);
        return false;
    }
    conversion.movedTo = transparent;
    m_edits << conversion;
    showConversion(button, transparent);
    prompter.tell(ClickAgainText, MessageIcon::Exclamation);
    m_instructions = ClickAgainText;
    return true;
}

void BackgroundSelection::showConversion(ConversionButton button, int transparent)
{
    SampleSlot &clicked = m_slots[0];
    m_transparentIndex = transparent;
    if (button == ConversionButton::Grey) {
        // The grey may already have existed at another index; the pixel at the click says
        // which index the background uses now.
        if (const std::optional<int> index = indexAtTwips(m_clickX, m_clickY))
            clicked.index = *index;
        m_transparentIndex = *clicked.index;
    }
    // The samples show what both entries hold now, not the colours they had.
    for (SampleSlot &slot : m_slots) {
        if (slot.filled())
            slot.color = m_palette.row(*slot.index);
    }
    m_saveAsEnabled = false;
    m_multiColorFlag = false;
    m_state = SelectionState::Converted;
    m_instructions.clear();
}

void BackgroundSelection::finishSave(const QString &resultText)
{
    m_instructions = resultText;
    m_picture = QImage();
    m_saveAsEnabled = false;
    m_state = SelectionState::NothingSelected;
}

} // namespace giftool
