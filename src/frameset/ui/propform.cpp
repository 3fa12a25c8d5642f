#include "frameset/ui/propform.h"

#include "frameset/core/layoutmodel.h"
#include "frameset/ui/browsedpath.h"
#include "frameset/ui/filteredlineedit.h"
#include "platform/filedialogs.h"
#include "platform/textnumber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace frameset {

namespace {

QLabel *namedLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QCheckBox *namedCheckBox(const char *name, const QString &text, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QString pixelsText(qint64 pixels)
{
    return platform::numberFormat(pixels) + QStringLiteral(" pixels");
}

// Selects entry `entry` of a list, or the first entry for a value the list does not have.
void selectEntry(QComboBox *list, qint64 entry)
{
    list->setCurrentIndex(entry >= 0 && entry < list->count() ? int(entry) : 0);
}

} // namespace

Propform::Propform(LayoutModel &model, platform::FileDialogs &dialogs, platform::TwipsScale scale,
    QString &browseFolder, QWidget *parent)
    : QDialog(parent)
    , m_model(model)
    , m_dialogs(dialogs)
    , m_scale(scale)
    , m_browseFolder(browseFolder)
{
    setObjectName(QStringLiteral("Propform"));
    setWindowTitle(QStringLiteral("Properties"));
    setModal(true);
    buildControls();
    // Wide enough for a URL of the usual length.
    setMinimumWidth(m_scale.toPixels(5400));
    move(m_scale.toPixels(15), m_scale.toPixels(360));
}

void Propform::buildControls()
{
    auto *grid = new QGridLayout(this);
    grid->addWidget(namedLabel("Label1", QStringLiteral("URL"), this), 0, 0);
    m_browseButton = new QPushButton(QStringLiteral("Browse"), this);
    m_browseButton->setObjectName(QStringLiteral("Browserbutton"));
    m_browseButton->setAutoDefault(false);
    grid->addWidget(m_browseButton, 0, 1, Qt::AlignRight);

    for (int i = 0; i < 4; ++i) {
        auto *entry = new FilteredLineEdit(
            i < 2 ? &FilteredLineEdit::fitsSpecLine : &FilteredLineEdit::isDigit, this);
        entry->setObjectName(QStringLiteral("Entrybox"));
        entry->setProperty("index", i);
        m_entries.append(entry);
    }
    grid->addWidget(m_entries[0], 1, 0, 1, 2);
    grid->addWidget(namedLabel("Label2", QStringLiteral("Frame Name"), this), 2, 0);
    grid->addWidget(m_entries[1], 3, 0, 1, 2);
    grid->addWidget(namedLabel("Label3", QStringLiteral("Margin Width"), this), 4, 0);
    grid->addWidget(namedLabel("Label4", QStringLiteral("Margin Height"), this), 4, 1);
    grid->addWidget(m_entries[2], 5, 0);
    grid->addWidget(m_entries[3], 5, 1);

    m_fixedWidth = namedCheckBox("FixedWidth", QStringLiteral("Fixed &Width"), this);
    m_widthLabel = namedLabel("Label6", QString(), this);
    m_fixedHeight = namedCheckBox("FixedHeight", QStringLiteral("Fixed &Height"), this);
    m_heightLabel = namedLabel("Label7", QString(), this);
    m_noResize = namedCheckBox("Noresizecheck", QStringLiteral("&No-resize"), this);
    grid->addWidget(m_fixedWidth, 6, 0);
    grid->addWidget(m_widthLabel, 6, 1);
    grid->addWidget(m_fixedHeight, 7, 0);
    grid->addWidget(m_heightLabel, 7, 1);
    grid->addWidget(m_noResize, 8, 0);

    m_scrolling = new QComboBox(this);
    m_scrolling->setObjectName(QStringLiteral("Combo1"));
    m_border = new QComboBox(this);
    m_border->setObjectName(QStringLiteral("Combo2"));
    // The lists are filled while the dialog counts as filling, so selecting "Auto" here leaves
    // the design's scroll-bar views alone.
    m_filling = true;
    m_scrolling->addItems({QStringLiteral("Auto"), QStringLiteral("Yes"), QStringLiteral("No")});
    m_border->addItems({QStringLiteral("3D Border"), QStringLiteral("Plain Border")});
    m_filling = false;
    grid->addWidget(namedLabel("Label5", QStringLiteral("Scroll Bar"), this), 9, 0);
    grid->addWidget(m_scrolling, 10, 0);
    grid->addWidget(namedLabel("Label11", QStringLiteral("Frame Border"), this), 11, 0);
    grid->addWidget(m_border, 12, 0);

    m_ok = new QPushButton(QStringLiteral("&OK Save"), this);
    m_ok->setObjectName(QStringLiteral("OKbutton"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Cancelbutton"));
    m_cancel->setAutoDefault(false);
    grid->addWidget(m_ok, 11, 1);
    grid->addWidget(m_cancel, 12, 1);

    QWidget *order[] = {m_browseButton, m_entries[0], m_entries[1], m_entries[2], m_entries[3],
        m_fixedWidth, m_fixedHeight, m_noResize, m_scrolling, m_border, m_ok, m_cancel};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_browseButton, &QPushButton::clicked, this, &Propform::browse);
    connect(m_fixedWidth, &QCheckBox::toggled, this,
        [this](bool ticked) { fixedSizeToggled(true, ticked); });
    connect(m_fixedHeight, &QCheckBox::toggled, this,
        [this](bool ticked) { fixedSizeToggled(false, ticked); });
    connect(m_scrolling, &QComboBox::currentIndexChanged, this, &Propform::scrollingChanged);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        store();
        accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

FilteredLineEdit *Propform::entrybox(int i) const
{
    return i >= 0 && i < m_entries.size() ? m_entries.at(i) : nullptr;
}

void Propform::fill()
{
    m_cell = m_model.SelectedCell();
    const FrameProperties &record = m_model.design().properties().record(m_cell);
    m_filling = true;
    for (int i = 0; i < 4; ++i)
        m_entries[i]->setText(record.field(FrameField(i)).text());
    if (m_entries[1]->text().trimmed().isEmpty())
        m_entries[1]->setText(QStringLiteral("Frame") + QString::number(m_cell + 1));

    const qint64 width = record.field(FixedWidthPx).wholeValue();
    m_fixedWidth->setChecked(width != 0);
    m_widthLabel->setText(width != 0 ? pixelsText(width) : QString());
    const qint64 height = record.field(FixedHeightPx).wholeValue();
    m_fixedHeight->setChecked(height != 0);
    m_heightLabel->setText(height != 0 ? pixelsText(height) : QString());
    m_noResize->setChecked(record.field(NoResize).wholeValue() != 0);

    selectEntry(m_scrolling, record.field(Scrolling).wholeValue());
    selectEntry(m_border, record.field(FrameBorder).wholeValue());

    m_fixedWidth->setEnabled(!record.field(ColumnSplitKey).text().isEmpty());
    m_fixedHeight->setEnabled(!record.field(RowSplitKey).text().isEmpty());
    m_filling = false;
    m_entries[0]->setFocus();
}

void Propform::fixedSizeToggled(bool width, bool ticked)
{
    if (m_filling || !m_model.design().hasCell(m_cell))
        return;
    QLabel *label = width ? m_widthLabel : m_heightLabel;
    if (!ticked) {
        label->clear();
        return;
    }
    // A fixed size is always the cell's size at the moment the box is ticked.
    const CellView &cell = m_model.design().cell(m_cell);
    label->setText(pixelsText(m_scale.toWholePixels(width ? cell.width : cell.height)));
}

void Propform::scrollingChanged(int entry)
{
    if (m_filling || !m_model.design().hasCell(m_cell))
        return;
    CellView &cell = m_model.design().cell(m_cell);
    if (entry == 2) {
        cell.scroll.visible = false;
    } else {
        m_model.placeScrollBar(m_cell);
        cell.scroll.visible = true;
    }
    // The view changes at once and Cancel does not take it back, but only OK stores the
    // properties, so only OK counts as a change to the design.
    emit scrollBarChanged(m_cell);
}

void Propform::browse()
{
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("All Files(*.*)|*.*|HTML(*.htm)|*.htm");
    request.fileName = QStringLiteral("*.*");
    request.directory = m_browseFolder;
    const QString path = m_dialogs.openFile(request);
    if (path.isEmpty())
        return;
    const BrowsedPath chosen = BrowsedPath::split(path);
    m_entries[0]->setText(chosen.fileName);
    if (!chosen.folder.isEmpty())
        m_browseFolder = chosen.folder;
}

void Propform::store()
{
    m_model.setModifiedFlag(true);
    FramePropertyTable &records = m_model.design().properties();
    for (int i = 0; i < 4; ++i)
        records.setField(
            m_cell, FrameField(i), PropertyValue::fromText(m_entries[i]->text().trimmed()));
    auto fixedSize = [](const QCheckBox *box, const QLabel *label) {
        return PropertyValue::fromNumber(
            box->isChecked() ? platform::wholeValue(label->text()) : 0);
    };
    records.setField(m_cell, FixedWidthPx, fixedSize(m_fixedWidth, m_widthLabel));
    records.setField(m_cell, FixedHeightPx, fixedSize(m_fixedHeight, m_heightLabel));
    records.setField(m_cell, NoResize, PropertyValue::fromNumber(m_noResize->isChecked() ? 1 : 0));
    records.setField(m_cell, Scrolling, PropertyValue::fromNumber(m_scrolling->currentIndex()));
    records.setField(m_cell, FrameBorder, PropertyValue::fromNumber(m_border->currentIndex()));
}

} // namespace frameset
