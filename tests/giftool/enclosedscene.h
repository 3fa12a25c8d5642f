#pragma once

#include <QImage>

// A picture whose background color also fills parts the subject encloses, for the tests of
// "only the connected background".
namespace giftesting {

inline const QRgb SceneCream = qRgb(236, 228, 200);
inline const QRgb SceneDark = qRgb(60, 40, 20);
inline const QRgb SceneBlue = qRgb(30, 60, 200);

// 64 x 48 pixels of a 256-entry palette, entries 0 cream (the background), 1 dark, 2 blue and
// black after them: an eye (a dark outline, a cream white of the eye, a blue pupil with a cream
// highlight), a ring letter O with a cream hole and a dark frame around a cream inside. When
// fullPalette, every other entry gets its own colour and a pixel in the bottom eight rows;
// entries 200 and 201 are the closest pair, one step of blue apart.
QImage enclosedScene(bool fullPalette = false);

// Whether a pixel of the scene is cream enclosed by the subject, from the shapes' geometry.
bool isEnclosedCream(int x, int y);

} // namespace giftesting
