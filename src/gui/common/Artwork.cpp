// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/Artwork.h"

#include "tables/engine/SignNames.h"
#include "tables/engine/ToneNames.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

#include <cmath>

namespace tzolkara {

namespace {

constexpr QSize kDaySignSize(150, 150);
constexpr QSize kToneSize(88, 55);
// The size the tarot result screen shows a card at, which the cards are
// drawn in the proportions of.
constexpr QSize kCardSize(93, 120);
constexpr QSize kButtonIconSize(32, 32);

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

// The keys are the same in every language; only the drawings differ.
ImageList makeTones(const QString &keySuffix, const QString &folder)
{
    QList<ImageList::Entry> entries;
    for (int n = 1; n <= kToneCount; ++n) {
        const QString number = twoDigits(n);
        entries.append(
            {number + QLatin1Char('-') + QString::fromLatin1(kToneNames[n - 1]) + keySuffix,
             QStringLiteral("%1%2.svg").arg(folder, number)});
    }
    return ImageList(kToneSize, entries);
}

ImageList makeCards(const QString &folder)
{
    QList<ImageList::Entry> entries;
    for (int glyph = 0; glyph < 20; ++glyph) {
        const QString number = twoDigits(glyph);
        entries.append({number, QStringLiteral("%1%2.svg").arg(folder, number)});
    }
    return ImageList(kCardSize, entries);
}

ImageList makeDaySigns()
{
    // Sign-table order, keyed by English name; the drawings are numbered by
    // day sign (01 Crocodile .. 20 Sun).
    QList<ImageList::Entry> entries;
    for (int position = 0; position < kSignCount; ++position) {
        entries.append({QString::fromLatin1(kSignNames[position].EnglishName),
                        QStringLiteral(":/artwork/signs/%1.svg")
                            .arg(twoDigits(daySignOfPosition(position)))});
    }
    return ImageList(kDaySignSize, entries);
}

} // namespace

ReadingPictures::ReadingPictures(const Language &language)
    : m_daySigns(makeDaySigns()),
      m_astrologyTones(
          makeTones(QString(), language.folderUnder(QStringLiteral(":/artwork/tones/")))),
      m_numerologyTones(makeTones(QStringLiteral(".jpg"),
                                  language.folderUnder(QStringLiteral(":/artwork/tones/")))),
      m_tarotCards(makeCards(language.folderUnder(QStringLiteral(":/artwork/cards/")))),
      m_signFrame(kDaySignSize, {{QStringLiteral("frame"), Artwork::kSignFrameResource}}),
      m_toneFrame(kToneSize, {{QStringLiteral("frame"), Artwork::kToneFrameResource}})
{
}

// Every result screen starts with a frame, and a result screen is made for
// every reading: drawn once, kept as the picture lists keep theirs.
QPixmap ReadingPictures::signFrame(qreal devicePixelRatio) const
{
    return m_signFrame.picture(1, devicePixelRatio);
}

QPixmap ReadingPictures::toneFrame(qreal devicePixelRatio) const
{
    return m_toneFrame.picture(1, devicePixelRatio);
}

namespace Artwork {

int daySignIndex(int daySign)
{
    return daySign >= 1 && daySign <= kSignCount ? positionOfDaySign(daySign) + 1 : 0;
}

QPixmap programButtonIcon(const QString &resource, qreal devicePixelRatio)
{
    return svgPixmap(resource, kButtonIconSize, devicePixelRatio);
}

namespace {

// The program icon, drawn from its SVG at a size the first time that size is
// asked for: a window whose icon nobody shows (offscreen, or a desktop that
// takes the installed icon) costs no drawing, and an X11 window manager gets
// the sizes Qt hands it for a scalable icon (16, 32, 64, 128) rather than
// eight drawn in advance. The full wheel turns to mush below 32 pixels, so
// the small sizes get a simpler drawing.
class ApplicationIconEngine final : public QIconEngine
{
public:
    QIconEngine *clone() const override { return new ApplicationIconEngine; }
    QString key() const override { return QStringLiteral("TzolkaraApplicationIcon"); }
    bool isNull() override { return false; }
    // Scalable: no fixed sizes, like Qt's own engine for SVG icons.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {}; }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QSize size = actualSize(rect.size(), mode, state);
        const QRect target(rect.x() + (rect.width() - size.width()) / 2,
                           rect.y() + (rect.height() - size.height()) / 2, size.width(),
                           size.height());
        painter->drawPixmap(target, scaledPixmap(size, mode, state, ratio));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        const QSize logical = actualSize(size, mode, state);
        if (logical.isEmpty())
            return {};
        QPixmap pixmap = rendered(logical, scale);
        pixmap.setDevicePixelRatio(scale);
        if (mode != QIcon::Normal && qobject_cast<QApplication *>(QCoreApplication::instance())) {
            // Greyed or highlighted as the style does it for any icon.
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }

private:
    // Drawn once per size in device pixels for every icon made here; Qt's
    // pixmap cache keeps them, and lets them go with the application.
    static QPixmap rendered(QSize logical, qreal scale)
    {
        const int pixels = int(std::ceil(logical.width() * scale));
        const QString key = QStringLiteral("tzolkara-application-icon-%1").arg(pixels);
        QPixmap pixmap;
        if (!QPixmapCache::find(key, &pixmap)) {
            const QString &drawing =
                pixels <= 24 ? kSmallApplicationIconResource : kApplicationIconResource;
            pixmap = QPixmap::fromImage(renderSvg(drawing, logical, scale));
            QPixmapCache::insert(key, pixmap);
        }
        return pixmap;
    }
};

} // namespace

QIcon applicationIcon()
{
    return QIcon(new ApplicationIconEngine);
}

} // namespace Artwork
} // namespace tzolkara
