// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/LazyStyleIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

namespace tzolkara {

namespace {

// Stands for a standard icon of `style` and asks the style for it the first
// time it is drawn or measured.
class LazyStandardIcon final : public QIconEngine
{
public:
    LazyStandardIcon(const QStyle *style, QStyle::StandardPixmap which)
        : m_style(style), m_which(which)
    {
    }

    QIconEngine *clone() const override { return new LazyStandardIcon(m_style, m_which); }
    QString key() const override { return QStringLiteral("TzolkaraLazyStandardIcon"); }
    bool isNull() override { return m_style.isNull(); }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

private:
    const QIcon &icon()
    {
        if (!m_loaded && m_style) {
            m_icon = m_style->standardIcon(m_which);
            m_loaded = true;
        }
        return m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    bool m_loaded = false;
    QIcon m_icon;
};

class LazyMenuBarArrowStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton)
            return QIcon(new LazyStandardIcon(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

QStyle *styleWithLazyMenuBarArrow()
{
    return new LazyMenuBarArrowStyle;
}

} // namespace tzolkara
