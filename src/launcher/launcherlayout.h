#pragma once

#include <QRect>
#include <array>

namespace launcher {

// Where the launcher's entries and the window go, in twips. The captions sit in a row with a
// 900-twip margin on both sides and 120 twips between them; each icon is centred over its
// caption, 600 twips above it.
struct LauncherLayout
{
    std::array<QRect, 3> captions;
    std::array<QRect, 3> icons;
    int windowWidth = 0;
    int windowLeft = 0;
    int windowTop = 0;
};

constexpr int EntryMargin = 900;
constexpr int EntryGap = 120;
constexpr int IconTop = 360;
constexpr int CaptionBelowIcon = 600;

// Lays the entries out for the given caption and icon sizes and centres a window of
// windowHeight on a screen of the given size (all in twips).
LauncherLayout computeLauncherLayout(
    const std::array<QSize, 3> &captionSizes, QSize iconSize, int windowHeight, QSize screen);

} // namespace launcher
