// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tzolkara {

// A list of pictures addressed by 1-based index and by text key, drawn from
// SVG resources. A picture is rendered the first time it is asked for, at the
// list's image size times the device pixel ratio, so it stays sharp on
// high-density screens; nothing is rendered when the list is made.
class ImageList final
{
public:
    struct Entry
    {
        QString key;
        QString resource; // e.g. ":/artwork/signs/01.svg"
    };

    ImageList(QSize imageSize, QList<Entry> entries);

    int count() const { return int(m_entries.size()); }
    QSize imageSize() const { return m_imageSize; }

    // Key of entry 1..count(), or an empty text outside that range.
    QString key(int index) const;
    // First entry whose key equals `key` exactly (case-sensitive), or 0.
    int indexOfKey(QStringView key) const;
    QString resource(int index) const;

    // Picture of entry 1..count(); a null pixmap outside that range.
    QPixmap picture(int index, qreal devicePixelRatio = 1.0) const;
    // The same picture drawn straight at `logicalSize`, stretched to fill it
    // whatever its own proportions, for a control that stretches its picture:
    // sharp where scaling a picture of the list's size would blur it.
    QPixmap picture(int index, QSize logicalSize, qreal devicePixelRatio) const;
    bool isRendered(int index, qreal devicePixelRatio = 1.0) const;
    bool isRendered(int index, QSize logicalSize, qreal devicePixelRatio) const;

private:
    static quint64 cacheKey(int index, QSize pixels);

    QSize m_imageSize;
    QList<Entry> m_entries;
    // Images, not pixmaps: the lists live as long as the program and a
    // QImage may safely outlive the GUI application.
    mutable QHash<quint64, QImage> m_rendered;
};

// Renders an SVG resource at `logicalSize` times `devicePixelRatio` on a
// transparent background.
QImage renderSvg(const QString &resource, QSize logicalSize, qreal devicePixelRatio = 1.0);
QPixmap svgPixmap(const QString &resource, QSize logicalSize, qreal devicePixelRatio = 1.0);

} // namespace tzolkara
