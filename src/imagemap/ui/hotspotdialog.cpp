#include "imagemap/ui/hotspotdialog.h"

#include "imagemap/ui/imagemapmessages.h"
#include "platform/ui/twipsgeometry.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace imagemap {

namespace {

constexpr int RowTop = 60;
constexpr int RowSpacing = 480;
constexpr int RowHeight = 375;
constexpr int LabelLeft = 120;
constexpr int LabelWidth = 1440;
constexpr int EntryLeft = 1560;
constexpr int EntryWidth = 2655;
constexpr int ButtonLeft = 4335;
constexpr int ButtonWidth = 1215;

} // namespace

HotspotDialog::HotspotDialog(
    ImageMapState &state, platform::Prompter &prompter, int windowTop, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_properties(state)
    , m_scale(platform::scaleOf(parent ? parent : this))
{
    setWindowTitle(QStringLiteral("Zonemark"));
    buildRows();
    connectButtons();
    setObjectNames();

    const QSize size(m_scale.toPixels(WidthTwips), m_scale.toPixels(HeightTwips));
    setFixedSize(size);
    const QSize screen = platform::screenSizeInTwips(m_scale, parent ? parent : this);
    move((m_scale.toPixels(screen.width()) - size.width()) / 2, windowTop);
}

void HotspotDialog::buildRows()
{
    const std::array<QString, 3> labels
        = {QStringLiteral("URL"), QStringLiteral("Alternate Text"), QStringLiteral("Target ")};
    const std::array<QString, 3> captions
        = {QStringLiteral("&OK"), QStringLiteral("&Cancel"), QStringLiteral("&Delete")};
    for (std::size_t i = 0; i < 3; ++i) {
        const int top = RowTop + int(i) * RowSpacing;
        auto *label = new QLabel(labels[i], this);
        platform::placeInTwips(label, m_scale, LabelLeft, top, LabelWidth, RowHeight);
        m_labels[i] = label;

        auto *textBox = new QLineEdit(this);
        platform::placeInTwips(textBox, m_scale, EntryLeft, top, EntryWidth, RowHeight);
        label->setBuddy(textBox);
        m_textBoxes[i] = textBox;

        auto *button = new QPushButton(captions[i], this);
        platform::placeInTwips(button, m_scale, ButtonLeft, top, ButtonWidth, RowHeight);
        m_buttons[i] = button;
    }
    setTabOrder(entry(Field::Url), entry(Field::AltText));
    setTabOrder(entry(Field::AltText), entry(Field::Target));
    setTabOrder(entry(Field::Target), button(Button::Ok));
    setTabOrder(button(Button::Ok), button(Button::Cancel));
    setTabOrder(button(Button::Cancel), button(Button::Delete));
}

void HotspotDialog::connectButtons()
{
    // Enter in any box is OK, whichever button last had the focus; Enter on a focused button
    // presses that button (keyPressEvent).
    for (QPushButton *each : m_buttons)
        each->setAutoDefault(false);
    button(Button::Ok)->setDefault(true);
    connect(button(Button::Ok), &QPushButton::clicked, this, &HotspotDialog::ok);
    connect(button(Button::Cancel), &QPushButton::clicked, this, &HotspotDialog::reject);
    connect(button(Button::Delete), &QPushButton::clicked, this, &HotspotDialog::remove);
}

void HotspotDialog::setObjectNames()
{
    setObjectName(QStringLiteral("Specform"));
    const auto name = [](QWidget *widget, const char *legacyName, std::size_t index) {
        widget->setObjectName(QLatin1String(legacyName));
        widget->setProperty("index", int(index));
    };
    for (std::size_t i = 0; i < 3; ++i) {
        name(m_labels[i], "Thelabel", i);
        name(m_textBoxes[i], "Entry", i);
        name(m_buttons[i], "OKbutton", i);
    }
}

void HotspotDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous() || m_filled)
        return;
    m_filled = true;
    const HotspotLink link = m_properties.activation();
    entry(Field::Url)->setText(link.url);
    entry(Field::AltText)->setText(link.altText);
    entry(Field::Target)->setText(link.targetFrame);
    entry(Field::Url)->setFocus(Qt::OtherFocusReason);
}

void HotspotDialog::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        for (QPushButton *each : m_buttons) {
            if (each->hasFocus()) {
                each->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void HotspotDialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        m_filled = false;
}

void HotspotDialog::ok()
{
    const HotspotLink typed{
        entry(Field::Url)->text(), entry(Field::AltText)->text(), entry(Field::Target)->text()};
    const LinkResult result = m_properties.ok(typed);
    tellLinkNotice(m_prompter, result.notice);
    if (result.closes) {
        accept();
        return;
    }
    if (result.notice == LinkResult::Notice::UrlMissing)
        entry(Field::Url)->setFocus(Qt::OtherFocusReason);
}

void HotspotDialog::reject()
{
    m_properties.cancel();
    QDialog::reject();
}

void HotspotDialog::remove()
{
    if (removeHotspot(m_prompter, m_properties))
        accept();
}

} // namespace imagemap
