#include "ImageList.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace tzolkara {

ImageList::ImageList(QSize imageSize, QList<Entry> entries)
    : m_imageSize(imageSize), m_entries(std::move(entries))
{
}

QString ImageList::key(int index) const
{
    return index >= 1 && index <= count() ? m_entries.at(index - 1).key : QString();
}

int ImageList::indexOfKey(QStringView key) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_entries.at(i).key == key)
            return i + 1;
    }
    return 0;
}

QString ImageList::resource(int index) const
{
    return index >= 1 && index <= count() ? m_entries.at(index - 1).resource : QString();
}

quint64 ImageList::cacheKey(int index, qreal devicePixelRatio)
{
    return (quint64(index) << 32) | quint32(std::lround(devicePixelRatio * 1000));
}

QPixmap ImageList::picture(int index, qreal devicePixelRatio) const
{
    if (index < 1 || index > count())
        return {};
    const quint64 key = cacheKey(index, devicePixelRatio);
    auto it = m_rendered.constFind(key);
    if (it == m_rendered.constEnd())
        it = m_rendered.insert(key, renderSvg(resource(index), m_imageSize, devicePixelRatio));
    QPixmap pixmap = QPixmap::fromImage(*it);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

bool ImageList::isRendered(int index, qreal devicePixelRatio) const
{
    return m_rendered.contains(cacheKey(index, devicePixelRatio));
}

QImage renderSvg(const QString &resource, QSize logicalSize, qreal devicePixelRatio)
{
    const QSize pixels(int(std::ceil(logicalSize.width() * devicePixelRatio)),
                       int(std::ceil(logicalSize.height() * devicePixelRatio)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QPixmap svgPixmap(const QString &resource, QSize logicalSize, qreal devicePixelRatio)
{
    QPixmap pixmap = QPixmap::fromImage(renderSvg(resource, logicalSize, devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace tzolkara
