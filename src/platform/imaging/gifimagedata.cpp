#include "platform/imaging/gifimagedata.h"

namespace platform {

void GifImageData::begin()
{
    clear();
    m_encoder.begin(m_bytes);
}

void GifImageData::addRows(const QImage &picture, int first, int end)
{
    for (int y = first; y < end; ++y)
        m_encoder.add(picture.constScanLine(y), picture.width());
}

void GifImageData::finish(const QImage &picture)
{
    m_encoder.finish();
    m_pictureKey = picture.cacheKey();
    m_finished = true;
}

void GifImageData::clear()
{
    m_bytes = QByteArray();
    m_pictureKey = 0;
    m_finished = false;
}

bool GifImageData::matches(const QImage &picture) const
{
    return m_finished && !picture.isNull() && picture.cacheKey() == m_pictureKey
        && picture.format() == QImage::Format_Indexed8;
}

} // namespace platform
