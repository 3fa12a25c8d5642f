#pragma once

#include "platform/units.h"

#include <QSize>

class QLabel;
class QWidget;

namespace giftool {

class BackgroundFrame;
class DetailPanel;
class HintLine;
class ImageToolbar;
class PictureView;

// The widgets of Clearcoat's window under its menu bar, made on its central surface and laid
// out together in twips of the window.
struct GifToolControls
{
    // Makes them on onSurface, each in its place; the window wires them.
    GifToolControls(QWidget *onSurface, platform::TwipsScale screenScale);

    // Places the separator, hint line, instruction line, detail panel and viewport for a window
    // of that size in twips; the viewport shows the picture only while imageShown.
    void layOut(QSize windowTwips, bool imageShown) const;
    void layOutViewport(QSize windowTwips, bool imageShown) const;
    // The largest viewport for a window of that size, in twips.
    QSize maxView(QSize windowTwips) const;

    platform::TwipsScale scale;
    QWidget *surface = nullptr;
    HintLine *hintLine = nullptr;
    QWidget *separator = nullptr;
    // Tells the user what to do next.
    QLabel *instructionLine = nullptr;
    BackgroundFrame *backgroundFrame = nullptr;
    PictureView *pictureView = nullptr;
    DetailPanel *detailPanel = nullptr;
    ImageToolbar *toolbar = nullptr;
};

} // namespace giftool
