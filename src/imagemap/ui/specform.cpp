#include "imagemap/ui/specform.h"

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

Specform::Specform(
    ImageMapState &state, platform::Prompter &prompter, int windowTop, QWidget *parent)
    : QDialog(parent)
    , m_properties(state, prompter)
    , m_scale(platform::scaleOf(parent ? parent : this))
{
    setObjectName(QStringLiteral("Specform"));
    setWindowTitle(QStringLiteral("Zonemark"));

    const std::array<QString, 3> labels
        = {QStringLiteral("URL"), QStringLiteral("Alternate Text"), QStringLiteral("Target ")};
    const std::array<QString, 3> captions
        = {QStringLiteral("&OK"), QStringLiteral("&Cancel"), QStringLiteral("&Delete")};
    for (std::size_t i = 0; i < 3; ++i) {
        const int top = RowTop + int(i) * RowSpacing;
        auto *label = new QLabel(labels[i], this);
        label->setObjectName(QStringLiteral("Thelabel"));
        label->setProperty("index", int(i));
        platform::placeInTwips(label, m_scale, LabelLeft, top, LabelWidth, RowHeight);
        m_labels[i] = label;

        auto *entry = new QLineEdit(this);
        entry->setObjectName(QStringLiteral("Entry"));
        entry->setProperty("index", int(i));
        platform::placeInTwips(entry, m_scale, EntryLeft, top, EntryWidth, RowHeight);
        label->setBuddy(entry);
        m_entries[i] = entry;

        auto *button = new QPushButton(captions[i], this);
        button->setObjectName(QStringLiteral("OKbutton"));
        button->setProperty("index", int(i));
        platform::placeInTwips(button, m_scale, ButtonLeft, top, ButtonWidth, RowHeight);
        m_buttons[i] = button;
    }
    // Enter in any box is OK, whichever button last had the focus; Enter on a focused button
    // presses that button (keyPressEvent).
    for (QPushButton *button : m_buttons)
        button->setAutoDefault(false);
    m_buttons[OkButton]->setDefault(true);
    setTabOrder(m_entries[0], m_entries[1]);
    setTabOrder(m_entries[1], m_entries[2]);
    setTabOrder(m_entries[2], m_buttons[OkButton]);
    setTabOrder(m_buttons[OkButton], m_buttons[CancelButton]);
    setTabOrder(m_buttons[CancelButton], m_buttons[DeleteButton]);

    connect(m_buttons[OkButton], &QPushButton::clicked, this, &Specform::ok);
    connect(m_buttons[CancelButton], &QPushButton::clicked, this, &Specform::reject);
    connect(m_buttons[DeleteButton], &QPushButton::clicked, this, &Specform::remove);

    const QSize size(m_scale.toPixels(WidthTwips), m_scale.toPixels(HeightTwips));
    setFixedSize(size);
    const QSize screen = platform::screenSizeInTwips(m_scale, parent ? parent : this);
    move((m_scale.toPixels(screen.width()) - size.width()) / 2, windowTop);
}

void Specform::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous() || m_filled)
        return;
    m_filled = true;
    const HotspotLink link = m_properties.activation();
    m_entries[0]->setText(link.url);
    m_entries[1]->setText(link.altText);
    m_entries[2]->setText(link.targetFrame);
    m_entries[0]->setFocus(Qt::OtherFocusReason);
}

void Specform::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        for (QPushButton *button : m_buttons) {
            if (button->hasFocus()) {
                button->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void Specform::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        m_filled = false;
}

void Specform::ok()
{
    const HotspotLink typed{m_entries[0]->text(), m_entries[1]->text(), m_entries[2]->text()};
    if (m_properties.ok(typed)) {
        accept();
        return;
    }
    if (typed.url.trimmed().isEmpty())
        m_entries[0]->setFocus(Qt::OtherFocusReason);
}

void Specform::reject()
{
    m_properties.cancel();
    QDialog::reject();
}

void Specform::remove()
{
    if (m_properties.remove())
        accept();
}

} // namespace imagemap
