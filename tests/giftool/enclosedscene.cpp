#include "enclosedscene.h"

#include <cmath>

namespace giftesting {

namespace {

enum Part { Background, Outline, Pupil, Inside };

double eyeDistance(int x, int y)
{
    const double dx = (x - 12) / 10.0, dy = (y - 20) / 7.0;
    return std::sqrt(dx * dx + dy * dy);
}

Part partAt(int x, int y)
{
    const double eye = eyeDistance(x, y);
    if (eye <= 1.0) {
        if (eye >= 0.6)
            return Outline;
        if ((x == 12 || x == 13) && (y == 19 || y == 20))
            return Inside; // the highlight in the pupil
        const double pupil = std::hypot(x - 12.5, y - 19.5);
        return pupil <= 3.0 ? Pupil : Inside;
    }
    const double ring = std::hypot(x - 33.0, y - 20.0);
    if (ring <= 8.0)
        return ring >= 5.0 ? Outline : Inside;
    if (x >= 46 && x <= 59 && y >= 8 && y <= 31) {
        const bool border = x <= 47 || x >= 58 || y <= 9 || y >= 30;
        return border ? Outline : Inside;
    }
    return Background;
}

} // namespace

bool isEnclosedCream(int x, int y)
{
    return partAt(x, y) == Inside;
}

QImage enclosedScene(bool fullPalette)
{
    QImage image(64, 48, QImage::Format_Indexed8);
    QList<QRgb> colours(256, qRgb(0, 0, 0));
    colours[0] = SceneCream;
    colours[1] = SceneDark;
    colours[2] = SceneBlue;
    if (fullPalette) {
        // Pairs of colours a few steps apart; 200 and 201 differ by one step of blue only.
        for (int i = 3; i < 256; ++i)
            colours[i] = qRgb((i * 37) % 256, (i * 11) % 200, i / 2 * 2 % 256);
        colours[201] = colours[200] + 1;
    }
    image.setColorTable(colours);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Part part = partAt(x, y);
            image.setPixel(x, y, part == Outline ? 1 : part == Pupil ? 2 : 0);
        }
    }
    if (fullPalette) {
        // In every other column of the bottom rows, so the background between them stays
        // connected to the rest.
        for (int i = 3; i < 256; ++i)
            image.setPixel(i % 32 * 2, 40 + i / 32, uint(i));
    }
    return image;
}

} // namespace giftesting
