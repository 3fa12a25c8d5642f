#include "platform/imaging/gifcanvas.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int RestoreBackground = 2;

bool restoresPrevious(int disposal)
{
    return disposal == 3 || disposal == 4;
}

} // namespace

GifCanvas::GifCanvas(const QRect &area)
    : m_area(area)
    , m_pixels(size_t(std::max(area.width(), 0)) * size_t(std::max(area.height(), 0)), 0)
{ }

std::vector<QRgb> GifCanvas::copyOf(const QRect &rect) const
{
    std::vector<QRgb> pixels;
    pixels.reserve(size_t(rect.width()) * size_t(std::max(rect.height(), 0)));
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const QRgb *line = m_pixels.data() + offset(rect.x(), y);
        pixels.insert(pixels.end(), line, line + rect.width());
    }
    return pixels;
}

void GifCanvas::put(const QRect &rect, const std::vector<QRgb> &pixels, size_t from)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        std::copy_n(pixels.begin() + qsizetype(from), rect.width(),
            m_pixels.begin() + qsizetype(offset(rect.x(), y)));
        from += size_t(rect.width());
    }
}

void GifCanvas::draw(const GifFrame &frame, const QList<QRgb> &colours, const QBitArray &clears)
{
    dispose();
    m_pendingRect = frame.rect & m_area;
    m_pendingDisposal = frame.disposal;
    m_previous = restoresPrevious(frame.disposal) ? copyOf(m_pendingRect) : std::vector<QRgb>();
    const QRect &rect = m_pendingRect;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const int row = (y - frame.rect.y()) * frame.rect.width() - frame.rect.x();
        QRgb *line = m_pixels.data() + offset(m_area.x(), y);
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const uchar index = uchar(frame.pixels.at(row + x));
            if (!clears.isEmpty() && clears.testBit(row + x))
                line[x - m_area.x()] = 0;
            else if (index != frame.transparentIndex)
                line[x - m_area.x()] = colours.value(index, qRgb(0, 0, 0)) | 0xFF000000;
        }
    }
}

void GifCanvas::dispose()
{
    if (m_pendingDisposal == RestoreBackground) {
        for (int y = m_pendingRect.top(); y <= m_pendingRect.bottom(); ++y)
            std::fill_n(m_pixels.begin() + qsizetype(offset(m_pendingRect.x(), y)),
                m_pendingRect.width(), 0);
    } else if (restoresPrevious(m_pendingDisposal)) {
        put(m_pendingRect, m_previous);
    }
    m_pendingRect = QRect();
    m_pendingDisposal = 0;
    m_previous.clear();
}

void GifCanvas::setDisposal(const QRect &rect, int disposal)
{
    m_pendingRect = rect & m_area;
    m_pendingDisposal = disposal;
    m_previous.clear();
}

QRect GifCanvas::disposalArea() const
{
    const bool changes = m_pendingDisposal == RestoreBackground
        || (restoresPrevious(m_pendingDisposal) && !m_previous.empty());
    return changes ? m_pendingRect : QRect();
}

QImage GifCanvas::picture() const
{
    QImage image(m_area.size(), QImage::Format_ARGB32);
    for (int y = 0; y < m_area.height(); ++y)
        std::copy_n(m_pixels.begin() + qsizetype(size_t(y) * size_t(m_area.width())),
            m_area.width(), reinterpret_cast<QRgb *>(image.scanLine(y)));
    return image;
}

GifCanvas::Snapshot GifCanvas::snapshot(const QRect &first, const QRect &second) const
{
    Snapshot snapshot{
        {first & m_area, second & m_area}, {}, m_pendingRect, m_pendingDisposal, m_previous};
    for (const QRect &rect : snapshot.rects) {
        const std::vector<QRgb> pixels = copyOf(rect);
        snapshot.pixels.insert(snapshot.pixels.end(), pixels.begin(), pixels.end());
    }
    return snapshot;
}

void GifCanvas::restore(const Snapshot &snapshot)
{
    // Both rects were taken before anything changed, so where they overlap they agree.
    const size_t firstSize
        = size_t(snapshot.rects[0].width()) * size_t(std::max(snapshot.rects[0].height(), 0));
    put(snapshot.rects[1], snapshot.pixels, firstSize);
    put(snapshot.rects[0], snapshot.pixels, 0);
    m_pendingRect = snapshot.pendingRect;
    m_pendingDisposal = snapshot.pendingDisposal;
    m_previous = snapshot.previous;
}

QList<QImage> composedFrames(const GifAnimation &animation)
{
    QSize screen = animation.screen;
    for (const GifFrame &frame : animation.frames)
        screen = screen.expandedTo(QSize(frame.rect.right() + 1, frame.rect.bottom() + 1));
    GifCanvas canvas(QRect(QPoint(0, 0), screen));
    QList<QImage> pictures;
    for (const GifFrame &frame : animation.frames) {
        canvas.draw(frame, animation.coloursOf(frame));
        pictures << canvas.picture();
    }
    return pictures;
}

} // namespace platform
