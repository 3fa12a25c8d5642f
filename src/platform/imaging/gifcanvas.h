#pragma once

#include "platform/imaging/gifanimation.h"

#include <QBitArray>
#include <QImage>
#include <QRect>
#include <vector>

namespace platform {

// The picture a browser shows while an animation plays: each frame is drawn over what the frame
// before left after its disposal. The canvas starts clear; a frame's transparent pixels leave
// what is under them; "restore to background" (2) makes the frame's area clear and "restore to
// previous" (3, and 4, which some writers use for it) puts back what the area held before the
// frame was drawn; every other disposal leaves the frame in place. A pixel is a colour with full
// alpha, or 0 where the canvas is clear.
class GifCanvas
{
public:
    // A clear canvas over the area, in screen coordinates. Parts of frames outside it are not
    // drawn.
    explicit GifCanvas(const QRect &area);

    // Disposes of the frame drawn last, then draws this one with its colour table. The pixels
    // that `clears` marks (numbered as the frame's pixels; it may be empty) make the canvas
    // clear instead.
    void draw(const GifFrame &frame, const QList<QRgb> &colours, const QBitArray &clears = {});

    // Does to the canvas what the disposal of the frame drawn last does, once.
    void dispose();

    // The disposal the frame drawn last gets instead of its own, over the given area.
    void setDisposal(const QRect &rect, int disposal);

    // The part of the canvas the pending disposal changes; empty when it changes nothing.
    QRect disposalArea() const;

    const QRect &area() const { return m_area; }
    QRgb pixel(int x, int y) const { return m_pixels[offset(x, y)]; }
    QImage picture() const; // the area as ARGB32

    // What the canvas holds in two parts of it, with its pending disposal, to go back to.
    struct Snapshot
    {
        QList<QRect> rects;
        std::vector<QRgb> pixels;
        QRect pendingRect;
        int pendingDisposal = 0;
        std::vector<QRgb> previous;
    };
    Snapshot snapshot(const QRect &first, const QRect &second) const;
    void restore(const Snapshot &snapshot);

private:
    size_t offset(int x, int y) const
    {
        return size_t(y - m_area.y()) * size_t(m_area.width()) + size_t(x - m_area.x());
    }
    std::vector<QRgb> copyOf(const QRect &rect) const;
    void put(const QRect &rect, const std::vector<QRgb> &pixels, size_t from = 0);

    QRect m_area;
    std::vector<QRgb> m_pixels;
    QRect m_pendingRect; // the area of the frame drawn last, within the canvas
    int m_pendingDisposal = 0;
    std::vector<QRgb> m_previous; // what that area held before, for "restore to previous"
};

// Every frame of the animation as a browser shows it, each on the screen the file is written
// with (the logical screen grown to hold every frame).
QList<QImage> composedFrames(const GifAnimation &animation);

} // namespace platform
