#include "view_cpp/ring_image_cache.h"

#include <QMutexLocker>

namespace view {

RingImageCache &RingImageCache::instance()
{
    static RingImageCache cache;
    return cache;
}

RingImageCache::RingImageCache()
    : m_images(m_maximumCost)
{}

QImage RingImageCache::image(const QString &key, const std::function<QImage()> &render)
{
    const QMutexLocker locker(&m_mutex);
    if (const QImage *cached = m_images.object(key))
        return *cached;
    const QImage rendered = render();
    ++m_renderCount;
    const qsizetype cost = qMax<qsizetype>(1, rendered.sizeInBytes() / 1024);
    // An image above the limit is not kept (QCache drops it at once), but is still drawn.
    m_images.insert(key, new QImage(rendered), cost);
    return rendered;
}

int RingImageCache::renderCount() const
{
    const QMutexLocker locker(&m_mutex);
    return m_renderCount;
}

void RingImageCache::clear()
{
    const QMutexLocker locker(&m_mutex);
    m_images.clear();
    m_renderCount = 0;
}

} // namespace view
