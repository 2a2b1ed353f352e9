// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/ImageList.h"

#include "gui/common/OnDemand.h"

#include <QPainter>
#include <QResource>

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

namespace {

QSize devicePixels(QSize logicalSize, qreal devicePixelRatio)
{
    return QSize(int(std::ceil(logicalSize.width() * devicePixelRatio)),
                 int(std::ceil(logicalSize.height() * devicePixelRatio)));
}

} // namespace

// A rendering is known by its device-pixel size, which covers both the
// logical size and the ratio it was asked for.
quint64 ImageList::cacheKey(int index, QSize pixels)
{
    return (quint64(quint16(index)) << 48) | (quint64(pixels.width() & 0xffffff) << 24) |
           quint64(pixels.height() & 0xffffff);
}

QPixmap ImageList::picture(int index, qreal devicePixelRatio) const
{
    return picture(index, m_imageSize, devicePixelRatio);
}

QPixmap ImageList::picture(int index, QSize logicalSize, qreal devicePixelRatio) const
{
    if (index < 1 || index > count() || logicalSize.isEmpty())
        return {};
    const quint64 key = cacheKey(index, devicePixels(logicalSize, devicePixelRatio));
    auto it = m_rendered.constFind(key);
    if (it == m_rendered.constEnd())
        it = m_rendered.insert(key, renderSvg(resource(index), logicalSize, devicePixelRatio));
    QPixmap pixmap = QPixmap::fromImage(*it);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

bool ImageList::isRendered(int index, qreal devicePixelRatio) const
{
    return isRendered(index, m_imageSize, devicePixelRatio);
}

bool ImageList::isRendered(int index, QSize logicalSize, qreal devicePixelRatio) const
{
    return m_rendered.contains(cacheKey(index, devicePixels(logicalSize, devicePixelRatio)));
}

namespace {

// The same drawing at the same size in pixels as rendered at build time
// (src/CMakeLists.txt lists them: the pictures of the first paint), or a null
// image. Copying these pixels is much cheaper than drawing the SVG.
QImage prerendered(const QString &resource, QSize pixels)
{
    constexpr QLatin1StringView kArtwork(":/artwork/");
    if (!resource.startsWith(kArtwork))
        return {};
    const QResource data(QStringLiteral(":/prerendered/%1.%2x%3")
                             .arg(QStringView(resource).mid(kArtwork.size()))
                             .arg(pixels.width())
                             .arg(pixels.height()));
    const qsizetype bytes = qsizetype(pixels.width()) * pixels.height() * 4;
    if (!data.isValid() || data.compressionAlgorithm() != QResource::NoCompression ||
        data.size() != bytes)
        return {};
    // The pixels stay where the program holds them: the image reads them in
    // place and copies them only if something would change them. An image's
    // rows must start on 32-bit boundaries; otherwise they are copied now.
    const QImage inPlace(data.data(), pixels.width(), pixels.height(),
                         QImage::Format_ARGB32_Premultiplied);
    if (reinterpret_cast<quintptr>(data.data()) % alignof(quint32) == 0)
        return inPlace;
    return inPlace.copy();
}

} // namespace

QImage renderSvg(const QString &resource, QSize logicalSize, qreal devicePixelRatio)
{
    const QSize pixels = devicePixels(logicalSize, devicePixelRatio);
    if (QImage ready = prerendered(resource, pixels); !ready.isNull()) {
        ready.setDevicePixelRatio(devicePixelRatio);
        return ready;
    }
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        OnDemand::renderSvg(resource, painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
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
