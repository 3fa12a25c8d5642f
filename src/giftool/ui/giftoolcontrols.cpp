#include "giftool/ui/giftoolcontrols.h"

#include "giftool/ui/backgroundframe.h"
#include "giftool/ui/detailpanel.h"
#include "giftool/ui/giftoolwindowlayout.h"
#include "giftool/ui/hintline.h"
#include "giftool/ui/imagetoolbar.h"
#include "giftool/ui/pictureview.h"
#include "platform/ui/twipsgeometry.h"

#include <QFrame>
#include <QLabel>
#include <QStyle>

namespace giftool {

GifToolControls::GifToolControls(QWidget *onSurface, platform::TwipsScale screenScale)
    : scale(screenScale)
    , surface(onSurface)
{
    surface->setMouseTracking(true);
    hintLine = new HintLine(surface);

    auto *line = new QFrame(surface);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    separator = line;

    instructionLine = new QLabel(surface);
    instructionLine->setWordWrap(true);
    instructionLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    instructionLine->setMouseTracking(true);

    backgroundFrame = new BackgroundFrame(scale, surface);
    platform::placeInTwips(backgroundFrame, scale, GifToolWindowLayout::BackgroundFrameLeft,
        GifToolWindowLayout::BackgroundFrameTop, BackgroundFrame::Width, BackgroundFrame::Height);
    pictureView = new PictureView(scale, surface);
    detailPanel = new DetailPanel(scale, surface);
    detailPanel->hide();
    // Made last, so the tip stands in front of everything it overlaps.
    toolbar = new ImageToolbar(scale, surface);
    hintLine->follow(surface);
}

QSize GifToolControls::maxView(QSize windowTwips) const
{
    return GifToolWindowLayout::maxView(windowTwips, detailPanel->isVisibleTo(surface->window()));
}

void GifToolControls::layOut(QSize windowTwips, bool imageShown) const
{
    const auto place = [this](QWidget *widget, const QRect &r) {
        platform::placeInTwips(widget, scale, r.x(), r.y(), r.width(), r.height());
    };
    place(separator, GifToolWindowLayout::separatorGeometry(windowTwips));
    place(hintLine->label(), GifToolWindowLayout::hintLineGeometry(windowTwips));
    place(instructionLine, GifToolWindowLayout::instructionLineGeometry(windowTwips));
    place(detailPanel,
        GifToolWindowLayout::detailPanelGeometry(
            windowTwips, QSize(DetailPanel::Width, DetailPanel::Height)));
    layOutViewport(windowTwips, imageShown);
}

void GifToolControls::layOutViewport(QSize windowTwips, bool imageShown) const
{
    pictureView->layOut(imageShown,
        QPoint(GifToolWindowLayout::ViewportLeft, GifToolWindowLayout::ViewportTop),
        maxView(windowTwips),
        scale.toTwips(surface->style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
}

} // namespace giftool
