#include "giftool/ui/backgroundframe.h"

#include "giftool/core/backgroundframeview.h"
#include "giftool/ui/hintline.h"
#include "platform/ui/twipsgeometry.h"
#include "platform/units.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace giftool {

namespace {

constexpr int SelectedCaptionTop = 210;
constexpr int SelectedCaptionHeight = 420;
constexpr int SwatchTop = 660;
constexpr int SwatchHeight = 330;
constexpr int IndexBoxTop = 1050;
constexpr int IndexBoxHeight = 255;

constexpr std::array<ConversionButton, 4> Buttons = {ConversionButton::White,
    ConversionButton::Neighbour, ConversionButton::Grey, ConversionButton::Black};

} // namespace

BackgroundFrame::BackgroundFrame(platform::TwipsScale scale, QWidget *parent)
    : QGroupBox(QStringLiteral("Background"), parent)
    , m_scale(scale)
{
    // The frame is narrow: its captions wrap rather than being cut off.
    m_selectedCaption = new QLabel(QStringLiteral("Selected Color:"), this);
    m_selectedCaption->setWordWrap(true);
    m_selectedCaption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    place(m_selectedCaption, ControlLeft, SelectedCaptionTop, ControlWidth, SelectedCaptionHeight);

    m_indexBox = new QLabel(this);
    place(m_indexBox, ControlLeft, IndexBoxTop, ControlWidth, IndexBoxHeight);

    m_changeToCaption = new QLabel(this);
    m_changeToCaption->setWordWrap(true);
    m_changeToCaption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    makeButtons();
    makeSwatches();
    platform::placeInTwips(this, m_scale, 0, 0, Width, Height);
    giveHints();
}

void BackgroundFrame::giveHints()
{
    HintLine::setHint(
        m_indexBox, QStringLiteral("Color index (palette) of selected background "), true);
    HintLine::setHint(m_swatches[0], QStringLiteral("Selected background"));
    HintLine::setHint(m_swatches[1], QStringLiteral("Convert the background to this color."));
    HintLine::setHint(
        button(ConversionButton::White), QStringLiteral("Convert the background color to white."));
    HintLine::setHint(button(ConversionButton::Grey),
        QStringLiteral("Convert the background color to light grey."));
    HintLine::setHint(
        button(ConversionButton::Black), QStringLiteral("Convert the background color to black."));
    HintLine::setHint(m_changeToCaption, QString());
}

void BackgroundFrame::makeButtons()
{
    const std::array<QString, 4> captions
        = {QStringLiteral("&White"), QString(), QStringLiteral("&Grey"), QStringLiteral("&Black")};
    for (const ConversionButton which : Buttons) {
        auto *button = new QPushButton(captions[std::size_t(which)], this);
        place(button, ControlLeft, buttonTop(which), ControlWidth,
            which == ConversionButton::Neighbour ? NeighbourButtonHeight : ButtonHeight);
        button->hide();
        connect(button, &QPushButton::clicked, this,
            [this, which] { emit conversionRequested(which); });
        m_buttons[std::size_t(which)] = button;
    }
}

void BackgroundFrame::makeSwatches()
{
    for (QLabel *&swatch : m_swatches) {
        swatch = new QLabel(this);
        swatch->setFrameShape(QFrame::Panel);
        swatch->setFrameShadow(QFrame::Sunken);
        swatch->setAutoFillBackground(true);
        swatch->installEventFilter(this);
        swatch->hide();
    }
    place(m_swatches[0], ControlLeft, SwatchTop, ControlWidth, SwatchHeight);
    place(m_swatches[1], ControlLeft + SwatchInset,
        buttonTop(ConversionButton::Neighbour) + SwatchInset, ControlWidth - SwatchNarrower,
        NeighbourButtonHeight - SwatchLower);
    m_swatches[1]->raise();
}

int BackgroundFrame::buttonTop(ConversionButton button)
{
    // Top to bottom: the neighbour button, then White, Grey and Black.
    const int whiteTop = NeighbourButtonTop + NeighbourButtonHeight + ButtonGap;
    switch (button) {
    case ConversionButton::Neighbour:
        return NeighbourButtonTop;
    case ConversionButton::White:
        return whiteTop;
    case ConversionButton::Grey:
        return whiteTop + ButtonHeight + ButtonGap;
    case ConversionButton::Black:
        break;
    }
    return whiteTop + 2 * (ButtonHeight + ButtonGap);
}

void BackgroundFrame::place(QWidget *widget, int left, int top, int width, int height)
{
    platform::placeInTwips(widget, m_scale, left, top, width, height);
}

void BackgroundFrame::showView(const BackgroundFrameView &view)
{
    setVisible(view.frameShown);
    m_selectedCaption->setVisible(view.selectedCaptionShown);
    for (std::size_t k = 0; k < m_swatches.size(); ++k) {
        QLabel *swatch = m_swatches[k];
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Window, view.swatchColour[k]);
        swatch->setPalette(palette);
        swatch->setVisible(view.swatchShown[k]);
    }
    m_indexBox->setText(view.indexText);
    for (const ConversionButton which : Buttons)
        button(which)->setVisible(view.shows(which));

    m_changeToCaption->setText(view.changeToText);
    if (view.changeToPlace == ChangeToPlace::AboveNeighbourButton) {
        place(m_changeToCaption, ControlLeft,
            buttonTop(ConversionButton::Neighbour) - ChangeToAboveNeighbour, ControlWidth,
            ChangeToHeight);
    } else {
        place(m_changeToCaption, ControlLeft,
            buttonTop(ConversionButton::White) - ChangeToAboveWhite, ControlWidth,
            ChangeToTallHeight);
    }
    m_changeToCaption->setVisible(view.changeToShown);
}

bool BackgroundFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (std::size_t k = 0; k < m_swatches.size(); ++k) {
            QLabel *swatch = m_swatches[k];
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (watched == swatch && mouse->button() == Qt::LeftButton
                && swatch->rect().contains(platform::pixelUnder(mouse->position()))) {
                emit swatchClicked(int(k));
                return true;
            }
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace giftool
