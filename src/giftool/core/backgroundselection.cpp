#include "giftool/core/backgroundselection.h"

#include "platform/busycursor.h"
#include "platform/pendingevents.h"
#include "platform/prompter.h"

#include <QGuiApplication>

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
const QString ChangeTo = QStringLiteral("Change to:");
const QString ChangeToOptional = QStringLiteral("Change to optional:");

void clearTexts(SampleSlot &slot)
{
    slot.indexText.clear();
    slot.valueText.clear();
    slot.redText.clear();
    slot.greenText.clear();
    slot.blueText.clear();
}

} // namespace

BackgroundSelection::BackgroundSelection(platform::TwipsScale scale)
    : m_scale(scale)
    , m_label1Text(ChangeToOptional)
    , m_instructions(QStringLiteral("Open an image file from the File menu."))
{ }

void BackgroundSelection::reset()
{
    m_frameShown = false;
    for (SampleSlot &slot : m_slots) {
        clearTexts(slot);
        slot.swatchShown = false;
    }
    m_backgroundbox.clear();
    m_transparentIndex = NoIndex;
    m_multiColorFlag = 0;
    m_buttonShown.fill(false);
    m_label1Text = ChangeToOptional;
    m_label1Place = Label1Place::AboveWhiteButton;
    m_label1Shown = false;
    m_label2Shown = false;
    m_instructions.clear();
    m_state = SelectionState::NothingSelected;
}

bool BackgroundSelection::loadWorkBitmap(const QString &path, QString *error)
{
    reset();
    m_workBitmap.setPath(path);
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
    QImage picture = m_workBitmap.loadPicture(error);
    PaletteTable table;
    if (picture.isNull() || !m_workBitmap.readPalette(table, error))
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
    const PaletteRow &row = m_palette.row(index);
    slot.indexText = QString::number(index);
    slot.valueText = QString::number(row.value);
    slot.swatchColor = row.color();
    slot.swatchShown = true;
}

void BackgroundSelection::showRgbTexts(int k)
{
    SampleSlot &slot = m_slots.at(std::size_t(k));
    if (!slot.filled())
        return;
    const PaletteRow row = PaletteRow::fromValue(slot.valueText.toInt());
    slot.redText = QString::number(row.red);
    slot.greenText = QString::number(row.green);
    slot.blueText = QString::number(row.blue);
}

void BackgroundSelection::showUniformPick()
{
    m_buttonShown[NeighbourButton] = false;
    m_slots[1].swatchShown = false;
    m_label1Text = ChangeToOptional;
    m_label1Place = Label1Place::AboveWhiteButton;
    m_backgroundbox = QStringLiteral("Index = ") + m_slots[0].indexText;
    m_state = SelectionState::UniformPick;
}

bool BackgroundSelection::selectIndex(int index)
{
    if (m_picture.isNull() || index < 0 || index >= PaletteTable::Size)
        return false;
    m_frameShown = true;
    for (SampleSlot &slot : m_slots)
        clearTexts(slot);
    fillSlot(0, index);
    showRgbTexts(0);
    m_label2Shown = true;
    m_buttonShown[WhiteButton] = m_buttonShown[GreyButton] = m_buttonShown[BlackButton] = true;
    m_label1Shown = true;
    m_transparentIndex = index;
    showUniformPick();
    m_instructions.clear();
    m_saveAsEnabled = true;
    return true;
}

void BackgroundSelection::hideConversionControls()
{
    m_buttonShown.fill(false);
    m_label1Shown = false;
    m_slots[1].swatchShown = false;
}

SelectOutcome BackgroundSelection::SelectBackground(int x, int y, platform::Prompter &prompter)
{
    if (m_picture.isNull())
        return SelectOutcome::NoPicture;
    m_frameShown = true;
    for (SampleSlot &slot : m_slots)
        clearTexts(slot);
    m_clickX = x;
    m_clickY = y;

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
    m_label2Shown = true;
    m_instructions.clear();
    m_saveAsEnabled = true;
    platform::letPendingEventsRun();

    m_buttonShown[WhiteButton] = m_buttonShown[GreyButton] = m_buttonShown[BlackButton] = true;
    m_label1Shown = true;
    m_transparentIndex = *clicked;
    showRgbTexts(0);

    if (neighbour != clicked) {
        if (neighbour) {
            fillSlot(1, *neighbour);
            showRgbTexts(1);
        } else {
            m_slots[1].swatchShown = false;
        }
        m_buttonShown[NeighbourButton] = m_slots[1].filled();
        m_label1Text = ChangeTo;
        m_label1Place = m_slots[1].filled() ? Label1Place::AboveNeighbourButton
                                            : Label1Place::AboveWhiteButton;
        m_instructions.clear();
        m_backgroundbox.clear();
        m_saveAsEnabled = false;
        m_multiColorFlag = 1;
        m_state = SelectionState::MustConvert;
        prompter.tell(MustConvertText, MessageIcon::Exclamation);
        m_instructions = MustConvertText;
        return SelectOutcome::MustConvert;
    }

    showUniformPick();
    if (prompter.ask(DoneText, MessageIcon::Question, MessageButtons::YesNoCancel)
        == MessageAnswer::Yes)
        return SelectOutcome::SaveRequested;
    m_instructions = DoneText;
    return SelectOutcome::Selected;
}

bool BackgroundSelection::ConvertBackground(int button, platform::Prompter &prompter)
{
    if (button < WhiteButton || button > BlackButton)
        return false;
    if (!m_slots[0].filled() && !m_slots[1].filled()) {
        prompter.tell(NoSelectionText, MessageIcon::Exclamation);
        return false;
    }
    if (button == NeighbourButton && !m_slots[1].filled())
        return false;

    // The hourglass belongs to a GUI application; the command line converts without one.
    std::optional<platform::BusyCursor> busy;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        busy.emplace();
    PaletteRow target;
    switch (button) {
    case WhiteButton:
        target = PaletteRow::fromRgb(255, 255, 255);
        break;
    case NeighbourButton:
        target = PaletteRow::fromValue(m_slots[1].valueText.toInt());
        break;
    case GreyButton:
        target = PaletteRow::fromRgb(192, 192, 192);
        break;
    default:
        target = PaletteRow::fromRgb(0, 0, 0);
        break;
    }
    m_targetColor = target.value;

    PaletteTable table = m_palette;
    QList<int> background;
    for (const SampleSlot &slot : m_slots) {
        if (slot.filled()) {
            table.setRow(slot.index(), target);
            background << slot.index();
        }
    }
    // The index that becomes transparent: the neighbour's for the neighbour button, otherwise
    // the one already selected. All background pixels move onto it, so the next click finds
    // a background of one index.
    int transparent
        = background.contains(m_transparentIndex) ? m_transparentIndex : background.first();
    if (button == NeighbourButton)
        transparent = m_slots[1].index();

    QString error;
    if (!m_workBitmap.rewrite(table, background, transparent, &error)
        || !reloadFromWorkBitmap(&error)) {
        busy.reset();
        prompter.tell(error);
        return false;
    }
    platform::letPendingEventsRun();

    SampleSlot &slot0 = m_slots[0];
    if (button == GreyButton) {
        // The grey may already have existed at another index; the pixel at the click says
        // which index the background uses now.
        if (const std::optional<int> index = indexAtTwips(m_clickX, m_clickY)) {
            slot0.indexText = QString::number(*index);
            slot0.valueText = QString::number(m_palette.row(*index).value);
        }
        m_transparentIndex = slot0.index();
    } else {
        m_transparentIndex = transparent;
        slot0.valueText = QString::number(target.value);
    }

    m_backgroundbox = QStringLiteral("Index = ") + QString::number(m_transparentIndex);
    slot0.swatchColor = PaletteRow::fromValue(slot0.valueText.toInt()).color();
    hideConversionControls();
    m_saveAsEnabled = false;
    m_multiColorFlag = 0;
    // The detail panel shows what both entries hold now, not the colours they had.
    for (int k = 0; k < 2; ++k) {
        SampleSlot &slot = m_slots.at(std::size_t(k));
        if (!slot.filled())
            continue;
        slot.valueText = QString::number(m_palette.row(slot.index()).value);
        showRgbTexts(k);
    }
    m_state = SelectionState::Converted;
    m_instructions.clear();
    busy.reset();
    prompter.tell(ClickAgainText, MessageIcon::Exclamation);
    m_instructions = ClickAgainText;
    return true;
}

void BackgroundSelection::finishSave(const QString &resultText)
{
    m_instructions = resultText;
    hideConversionControls();
    m_label2Shown = false;
    m_slots[0].swatchShown = false;
    m_backgroundbox.clear();
    m_picture = QImage();
    m_saveAsEnabled = false;
    m_state = SelectionState::NothingSelected;
}

} // namespace giftool
