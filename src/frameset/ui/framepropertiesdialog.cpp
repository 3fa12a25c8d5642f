#include "frameset/ui/framepropertiesdialog.h"

#include "frameset/ui/filteredlineedit.h"
#include "platform/textnumber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace frameset {

namespace {

QString pixelsText(qint64 pixels)
{
    return platform::numberFormat(pixels) + QStringLiteral(" pixels");
}

FilteredLineEdit *textBoxFor(FrameTextBox box, QWidget *parent)
{
    return new FilteredLineEdit(
        [box](QChar c) { return FramePropertiesEditor::accepts(box, c); }, parent);
}

} // namespace

FramePropertiesDialog::FramePropertiesDialog(LayoutModel &model, platform::FileDialogs &dialogs,
    platform::TwipsScale scale, QString &browseFolder, QWidget *parent)
    : QDialog(parent)
    , m_editor(model, dialogs, PixelScale(scale.factor()), browseFolder)
    , m_scale(scale)
{
    setWindowTitle(QStringLiteral("Properties"));
    setModal(true);
    buildControls();
    nameControls();
    // Wide enough for a URL of the usual length.
    setMinimumWidth(m_scale.toPixels(5400));
    move(m_scale.toPixels(15), m_scale.toPixels(360));
}

void FramePropertiesDialog::nameControls()
{
    const std::pair<QObject *, const char *> names[]
        = {{this, "Propform"}, {m_sourceUrlCaption, "Label1"}, {m_browseButton, "Browserbutton"},
            {m_frameNameCaption, "Label2"}, {m_marginWidthCaption, "Label3"},
            {m_marginHeightCaption, "Label4"}, {m_fixedWidthBox, "FixedWidth"},
            {m_fixedWidthLabel, "Label6"}, {m_fixedHeightBox, "FixedHeight"},
            {m_fixedHeightLabel, "Label7"}, {m_noResizeBox, "Noresizecheck"},
            {m_scrollingCaption, "Label5"}, {m_scrollingList, "Combo1"},
            {m_frameBorderCaption, "Label11"}, {m_frameBorderList, "Combo2"},
            {m_okButton, "OKbutton"}, {m_cancelButton, "Cancelbutton"}};
    for (const auto &[control, name] : names)
        control->setObjectName(QLatin1String(name));
    // The four text boxes share one name and are told apart by their index.
    FilteredLineEdit *const boxes[]
        = {m_sourceUrlBox, m_frameNameBox, m_marginWidthBox, m_marginHeightBox};
    for (int i = 0; i < int(std::size(boxes)); ++i) {
        boxes[i]->setObjectName(QStringLiteral("Entrybox"));
        boxes[i]->setProperty("index", i);
    }
}

void FramePropertiesDialog::buildControls()
{
    m_sourceUrlCaption = new QLabel(QStringLiteral("URL"), this);
    m_browseButton = new QPushButton(QStringLiteral("Browse"), this);
    m_browseButton->setAutoDefault(false);
    m_sourceUrlBox = textBoxFor(FrameTextBox::SourceUrl, this);
    m_frameNameCaption = new QLabel(QStringLiteral("Frame Name"), this);
    m_frameNameBox = textBoxFor(FrameTextBox::FrameName, this);
    m_marginWidthCaption = new QLabel(QStringLiteral("Margin Width"), this);
    m_marginHeightCaption = new QLabel(QStringLiteral("Margin Height"), this);
    m_marginWidthBox = textBoxFor(FrameTextBox::MarginWidth, this);
    m_marginHeightBox = textBoxFor(FrameTextBox::MarginHeight, this);

    m_fixedWidthBox = new QCheckBox(QStringLiteral("Fixed &Width"), this);
    m_fixedWidthLabel = new QLabel(this);
    m_fixedHeightBox = new QCheckBox(QStringLiteral("Fixed &Height"), this);
    m_fixedHeightLabel = new QLabel(this);
    m_noResizeBox = new QCheckBox(QStringLiteral("&No-resize"), this);

    m_scrollingCaption = new QLabel(QStringLiteral("Scroll Bar"), this);
    m_scrollingList = new QComboBox(this);
    m_frameBorderCaption = new QLabel(QStringLiteral("Frame Border"), this);
    m_frameBorderList = new QComboBox(this);
    // The lists are filled while the dialog counts as filling, so selecting "Auto" here leaves
    // the design's scroll-bar views alone.
    m_filling = true;
    m_scrollingList->addItems(
        {QStringLiteral("Auto"), QStringLiteral("Yes"), QStringLiteral("No")});
    m_frameBorderList->addItems({QStringLiteral("3D Border"), QStringLiteral("Plain Border")});
    m_filling = false;

    m_okButton = new QPushButton(QStringLiteral("&OK Save"), this);
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancelButton->setAutoDefault(false);

    placeControls(new QGridLayout(this));
    connectControls();
}

void FramePropertiesDialog::placeControls(QGridLayout *grid)
{
    grid->addWidget(m_sourceUrlCaption, 0, 0);
    grid->addWidget(m_browseButton, 0, 1, Qt::AlignRight);
    grid->addWidget(m_sourceUrlBox, 1, 0, 1, 2);
    grid->addWidget(m_frameNameCaption, 2, 0);
    grid->addWidget(m_frameNameBox, 3, 0, 1, 2);
    grid->addWidget(m_marginWidthCaption, 4, 0);
    grid->addWidget(m_marginHeightCaption, 4, 1);
    grid->addWidget(m_marginWidthBox, 5, 0);
    grid->addWidget(m_marginHeightBox, 5, 1);
    grid->addWidget(m_fixedWidthBox, 6, 0);
    grid->addWidget(m_fixedWidthLabel, 6, 1);
    grid->addWidget(m_fixedHeightBox, 7, 0);
    grid->addWidget(m_fixedHeightLabel, 7, 1);
    grid->addWidget(m_noResizeBox, 8, 0);
    grid->addWidget(m_scrollingCaption, 9, 0);
    grid->addWidget(m_scrollingList, 10, 0);
    grid->addWidget(m_frameBorderCaption, 11, 0);
    grid->addWidget(m_frameBorderList, 12, 0);
    grid->addWidget(m_okButton, 11, 1);
    grid->addWidget(m_cancelButton, 12, 1);

    QWidget *order[] = {m_browseButton, m_sourceUrlBox, m_frameNameBox, m_marginWidthBox,
        m_marginHeightBox, m_fixedWidthBox, m_fixedHeightBox, m_noResizeBox, m_scrollingList,
        m_frameBorderList, m_okButton, m_cancelButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void FramePropertiesDialog::connectControls()
{
    connect(m_browseButton, &QPushButton::clicked, this, &FramePropertiesDialog::browse);
    connect(m_fixedWidthBox, &QCheckBox::toggled, this,
        [this](bool ticked) { fixedSizeToggled(true, ticked); });
    connect(m_fixedHeightBox, &QCheckBox::toggled, this,
        [this](bool ticked) { fixedSizeToggled(false, ticked); });
    connect(m_scrollingList, &QComboBox::currentIndexChanged, this,
        &FramePropertiesDialog::scrollingChanged);
    connect(m_okButton, &QPushButton::clicked, this, [this] {
        m_editor.store(entries());
        accept();
    });
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

FilteredLineEdit *FramePropertiesDialog::textBox(FrameTextBox box) const
{
    switch (box) {
    case FrameTextBox::SourceUrl:
        return m_sourceUrlBox;
    case FrameTextBox::FrameName:
        return m_frameNameBox;
    case FrameTextBox::MarginWidth:
        return m_marginWidthBox;
    case FrameTextBox::MarginHeight:
        break;
    }
    return m_marginHeightBox;
}

void FramePropertiesDialog::fill()
{
    m_filling = true;
    showEntries(m_editor.open());
    m_filling = false;
    m_sourceUrlBox->setFocus();
}

void FramePropertiesDialog::showEntries(const FramePropertiesEntries &entries)
{
    for (const FrameTextBox box : {FrameTextBox::SourceUrl, FrameTextBox::FrameName,
             FrameTextBox::MarginWidth, FrameTextBox::MarginHeight})
        textBox(box)->setText(entries.text(box));
    m_fixedWidthPixels = entries.fixedWidth.pixels;
    m_fixedWidthBox->setChecked(entries.fixedWidth.ticked);
    m_fixedWidthLabel->setText(
        entries.fixedWidth.ticked ? pixelsText(m_fixedWidthPixels) : QString());
    m_fixedHeightPixels = entries.fixedHeight.pixels;
    m_fixedHeightBox->setChecked(entries.fixedHeight.ticked);
    m_fixedHeightLabel->setText(
        entries.fixedHeight.ticked ? pixelsText(m_fixedHeightPixels) : QString());
    m_noResizeBox->setChecked(entries.noResize);
    m_scrollingList->setCurrentIndex(int(entries.scrolling));
    m_frameBorderList->setCurrentIndex(int(entries.frameBorder));
    m_fixedWidthBox->setEnabled(entries.fixedWidth.available);
    m_fixedHeightBox->setEnabled(entries.fixedHeight.available);
}

FramePropertiesEntries FramePropertiesDialog::entries() const
{
    FramePropertiesEntries entries;
    for (const FrameTextBox box : {FrameTextBox::SourceUrl, FrameTextBox::FrameName,
             FrameTextBox::MarginWidth, FrameTextBox::MarginHeight})
        entries.text(box) = textBox(box)->text();
    entries.fixedWidth
        = {m_fixedWidthBox->isEnabled(), m_fixedWidthBox->isChecked(), m_fixedWidthPixels};
    entries.fixedHeight
        = {m_fixedHeightBox->isEnabled(), m_fixedHeightBox->isChecked(), m_fixedHeightPixels};
    entries.noResize = m_noResizeBox->isChecked();
    entries.scrolling = ScrollingChoice(m_scrollingList->currentIndex());
    entries.frameBorder = FrameBorderChoice(m_frameBorderList->currentIndex());
    return entries;
}

void FramePropertiesDialog::fixedSizeToggled(bool width, bool ticked)
{
    if (m_filling)
        return;
    QLabel *label = width ? m_fixedWidthLabel : m_fixedHeightLabel;
    qint64 &pixels = width ? m_fixedWidthPixels : m_fixedHeightPixels;
    if (!ticked) {
        pixels = 0;
        label->clear();
        return;
    }
    const std::optional<qint64> size
        = width ? m_editor.fixedWidthWhenTicked() : m_editor.fixedHeightWhenTicked();
    if (!size)
        return;
    pixels = *size;
    label->setText(pixelsText(pixels));
}

void FramePropertiesDialog::scrollingChanged(int entry)
{
    if (m_filling || !m_editor.chooseScrolling(ScrollingChoice(entry)))
        return;
    // The view changes at once and Cancel does not take it back, but only OK stores the
    // properties, so only OK counts as a change to the design.
    emit scrollBarChanged(editedCell());
}

void FramePropertiesDialog::browse()
{
    if (const std::optional<QString> fileName = m_editor.browse())
        m_sourceUrlBox->setText(*fileName);
}

} // namespace frameset
