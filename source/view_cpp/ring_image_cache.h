#pragma once

#include <QCache>
#include <QImage>
#include <QMutex>
#include <QString>

#include <functional>

namespace view {

// Process-wide store of rendered indicator rings, shared by every indicator whose values give
// the same key. Painted items may paint on the scene graph's render thread, where the pixmap
// cache is not available, so this keeps QImages behind a mutex.
class RingImageCache
{
public:
    static RingImageCache &instance();

    // The image stored under key; renders and stores it first when there is none.
    QImage image(const QString &key, const std::function<QImage()> &render);
    // How many images have been rendered since the last clear().
    int renderCount() const;
    void clear();

private:
    RingImageCache();

    // In kilobytes, the size Qt's pixmap cache allows by default.
    static constexpr int m_maximumCost = 10240;

    mutable QMutex m_mutex;
    QCache<QString, QImage> m_images;
    int m_renderCount = 0;
};

} // namespace view
