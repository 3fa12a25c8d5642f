#include "giftool/ui/backgroundframe.h"

#include "giftool/core/backgroundselection.h"
#include "platform/ui/twipsgeometry.h"
#include "platform/units.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace giftool {

namespace {

constexpr int Label2Top = 210;
constexpr int Label2Height = 420;
constexpr int SampleTop = 660;
constexpr int SampleHeight = 330;
constexpr int BackgroundboxTop = 1050;
constexpr int LabelHeight = 255;

} // namespace

BackgroundFrame::BackgroundFrame(platform::TwipsScale scale, QWidget *parent)
    : QGroupBox(QStringLiteral("Background"), parent)
    , m_scale(scale)
{
    setObjectName(QStringLiteral("Frame1"));

    // The frame is narrow: its captions wrap rather than being cut off.
    m_label2 = new QLabel(QStringLiteral("Selected Color:"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setWordWrap(true);
    m_label2->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    place(m_label2, ControlLeft, Label2Top, ControlWidth, Label2Height);

    m_backgroundbox = new QLabel(this);
    m_backgroundbox->setObjectName(QStringLiteral("Backgroundbox"));
    place(m_backgroundbox, ControlLeft, BackgroundboxTop, ControlWidth, LabelHeight);

    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setWordWrap(true);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    const std::array<QString, 4> captions
        = {QStringLiteral("&White"), QString(), QStringLiteral("&Grey"), QStringLiteral("&Black")};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(captions[std::size_t(i)], this);
        button->setObjectName(QStringLiteral("Backgroundbutton"));
        button->setProperty("index", i);
        place(button, ControlLeft, buttonTop(i), ControlWidth,
            i == NeighbourButton ? NeighbourButtonHeight : ButtonHeight);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, i] { emit conversionRequested(i); });
        m_buttons[std::size_t(i)] = button;
    }

    for (int k = 0; k < 2; ++k) {
        auto *sample = new QLabel(this);
        sample->setObjectName(QStringLiteral("Colorsample"));
        sample->setProperty("index", k);
        sample->setFrameShape(QFrame::Panel);
        sample->setFrameShadow(QFrame::Sunken);
        sample->setAutoFillBackground(true);
        sample->installEventFilter(this);
        sample->hide();
        m_samples[std::size_t(k)] = sample;
    }
    place(m_samples[0], ControlLeft, SampleTop, ControlWidth, SampleHeight);
    place(m_samples[1], ControlLeft + SwatchInset, buttonTop(NeighbourButton) + SwatchInset,
        ControlWidth - SwatchNarrower, NeighbourButtonHeight - SwatchLower);
    m_samples[1]->raise();

    platform::placeInTwips(this, m_scale, 0, 0, Width, Height);
}

int BackgroundFrame::buttonTop(int index)
{
    // Top to bottom: the neighbour button, then White, Grey and Black.
    const int whiteTop = NeighbourButtonTop + NeighbourButtonHeight + ButtonGap;
    switch (index) {
    case NeighbourButton:
        return NeighbourButtonTop;
    case WhiteButton:
        return whiteTop;
    case GreyButton:
        return whiteTop + ButtonHeight + ButtonGap;
    default:
        return whiteTop + 2 * (ButtonHeight + ButtonGap);
    }
}

void BackgroundFrame::place(QWidget *widget, int left, int top, int width, int height)
{
    platform::placeInTwips(widget, m_scale, left, top, width, height);
}

void BackgroundFrame::showSelection(const BackgroundSelection &selection)
{
    setVisible(selection.frameShown());
    m_label2->setVisible(selection.label2Shown());
    for (int k = 0; k < 2; ++k) {
        const SampleSlot &slot = selection.slot(k);
        QLabel *sample = m_samples[std::size_t(k)];
        QPalette palette = sample->palette();
        palette.setColor(QPalette::Window, slot.swatchColor);
        sample->setPalette(palette);
        sample->setVisible(slot.swatchShown);
    }
    m_backgroundbox->setText(selection.backgroundboxText());
    for (int i = 0; i < 4; ++i)
        m_buttons[std::size_t(i)]->setVisible(selection.buttonShown(i));

    m_label1->setText(selection.label1Text());
    if (selection.label1Place() == Label1Place::AboveNeighbourButton) {
        place(m_label1, ControlLeft, buttonTop(NeighbourButton) - Label1AboveNeighbour,
            ControlWidth, Label1Height);
    } else {
        place(m_label1, ControlLeft, buttonTop(WhiteButton) - Label1AboveWhite, ControlWidth,
            Label1TallHeight);
    }
    m_label1->setVisible(selection.label1Shown());
}

bool BackgroundFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int k = 0; k < 2; ++k) {
            QLabel *sample = m_samples[std::size_t(k)];
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (watched == sample && mouse->button() == Qt::LeftButton
                && sample->rect().contains(platform::pixelUnder(mouse->position()))) {
                emit conversionRequested(k);
                return true;
            }
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace giftool
