#pragma once

#include "platform/units.h"

#include <QRect>

class QWidget;

namespace platform {

// A rectangle given in twips, converted to whole pixels with one factor.
QRect twipsToPixels(const TwipsScale &scale, double left, double top, double width, double height);

// Places a widget at a rectangle given in twips.
void placeInTwips(
    QWidget *widget, const TwipsScale &scale, double left, double top, double width, double height);

// The twips factor of the screen a widget is on (the primary screen before it is shown).
TwipsScale scaleOf(const QWidget *widget);

// The available screen size in twips, as the tools lay themselves out against it.
QSize screenSizeInTwips(const TwipsScale &scale, const QWidget *widget = nullptr);

} // namespace platform
