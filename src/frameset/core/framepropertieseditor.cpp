#include "frameset/core/framepropertieseditor.h"

#include "frameset/core/browsedpath.h"
#include "frameset/core/layoutmodel.h"
#include "platform/filedialogs.h"

namespace frameset {

namespace {

ScrollingChoice scrollingChoiceOf(const PropertyValue &value)
{
    const qint64 entry = value.wholeValue();
    return entry >= int(ScrollingChoice::Auto) && entry <= int(ScrollingChoice::No)
        ? ScrollingChoice(entry)
        : ScrollingChoice::Auto;
}

FrameBorderChoice frameBorderChoiceOf(const PropertyValue &value)
{
    const qint64 entry = value.wholeValue();
    return entry >= int(FrameBorderChoice::ThreeD) && entry <= int(FrameBorderChoice::Plain)
        ? FrameBorderChoice(entry)
        : FrameBorderChoice::ThreeD;
}

FixedSizeEntry fixedSizeEntryOf(const PropertyValue &fixedSize, const PropertyValue &splitKey)
{
    const qint64 pixels = fixedSize.wholeValue();
    return {!splitKey.text().isEmpty(), pixels != 0, pixels};
}

PropertyValue storedFixedSize(const FixedSizeEntry &entry)
{
    return PropertyValue::fromNumber(entry.ticked ? entry.pixels : 0);
}

} // namespace

QString FramePropertiesEntries::*FramePropertiesEntries::textField(FrameTextBox box)
{
    static constexpr QString FramePropertiesEntries::*fields[]
        = {&FramePropertiesEntries::sourceUrl, &FramePropertiesEntries::frameName,
            &FramePropertiesEntries::marginWidth, &FramePropertiesEntries::marginHeight};
    return fields[std::size_t(box)];
}

FramePropertiesEditor::FramePropertiesEditor(
    LayoutModel &model, platform::FileDialogs &dialogs, PixelScale scale, QString &browseFolder)
    : m_model(model)
    , m_dialogs(dialogs)
    , m_scale(scale)
    , m_browseFolder(browseFolder)
{ }

FramePropertiesEntries FramePropertiesEditor::open()
{
    m_cell = m_model.selectedCell();
    const FrameProperties &record = m_model.design().properties().record(m_cell);
    const CellLabels &labels = m_model.design().labels(m_cell);
    FramePropertiesEntries entries;
    entries.sourceUrl = record.sourceUrl.text();
    entries.frameName = record.frameName.text();
    if (entries.frameName.trimmed().isEmpty())
        entries.frameName = QStringLiteral("Frame") + QString::number(m_cell + 1);
    entries.marginWidth = record.marginWidth.text();
    entries.marginHeight = record.marginHeight.text();
    entries.fixedWidth = fixedSizeEntryOf(record.fixedWidthPixels, labels.columnSplitKey);
    entries.fixedHeight = fixedSizeEntryOf(record.fixedHeightPixels, labels.rowSplitKey);
    entries.noResize = record.noResize.wholeValue() != 0;
    entries.scrolling = scrollingChoiceOf(record.scrolling);
    entries.frameBorder = frameBorderChoiceOf(record.frameBorder);
    return entries;
}

std::optional<qint64> FramePropertiesEditor::fixedWidthWhenTicked() const
{
    // A fixed size is always the cell's size at the moment the box is ticked.
    if (!m_model.design().hasCell(m_cell))
        return std::nullopt;
    return m_scale.toWholePixels(m_model.design().cell(m_cell).width);
}

std::optional<qint64> FramePropertiesEditor::fixedHeightWhenTicked() const
{
    if (!m_model.design().hasCell(m_cell))
        return std::nullopt;
    return m_scale.toWholePixels(m_model.design().cell(m_cell).height);
}

bool FramePropertiesEditor::chooseScrolling(ScrollingChoice choice)
{
    if (!m_model.design().hasCell(m_cell))
        return false;
    CellView &cell = m_model.design().cell(m_cell);
    if (choice == ScrollingChoice::No) {
        cell.scroll.visible = false;
    } else {
        m_model.placeScrollBar(m_cell);
        cell.scroll.visible = true;
    }
    return true;
}

std::optional<QString> FramePropertiesEditor::browse()
{
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("All Files(*.*)|*.*|HTML(*.htm)|*.htm");
    request.fileName = QStringLiteral("*.*");
    request.directory = m_browseFolder;
    const QString path = m_dialogs.openFile(request);
    if (path.isEmpty())
        return std::nullopt;
    const BrowsedPath chosen = BrowsedPath::split(path);
    if (!chosen.folder.isEmpty())
        m_browseFolder = chosen.folder;
    return chosen.fileName;
}

void FramePropertiesEditor::store(const FramePropertiesEntries &entries)
{
    m_model.setModified(true);
    FrameProperties &record = m_model.design().properties().record(m_cell);
    record.sourceUrl = PropertyValue::fromText(entries.sourceUrl.trimmed());
    record.frameName = PropertyValue::fromText(entries.frameName.trimmed());
    record.marginWidth = PropertyValue::fromText(entries.marginWidth.trimmed());
    record.marginHeight = PropertyValue::fromText(entries.marginHeight.trimmed());
    record.fixedWidthPixels = storedFixedSize(entries.fixedWidth);
    record.fixedHeightPixels = storedFixedSize(entries.fixedHeight);
    record.noResize = PropertyValue::fromNumber(entries.noResize ? 1 : 0);
    record.scrolling = PropertyValue::fromNumber(int(entries.scrolling));
    record.frameBorder = PropertyValue::fromNumber(int(entries.frameBorder));
}

bool FramePropertiesEditor::accepts(FrameTextBox box, QChar c)
{
    if (box == FrameTextBox::MarginWidth || box == FrameTextBox::MarginHeight)
        return c >= u'0' && c <= u'9';
    return c != u';' && c != u'\r' && c != u'\n';
}

} // namespace frameset
