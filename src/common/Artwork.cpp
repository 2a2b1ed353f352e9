#include "Artwork.h"

#include <array>

namespace tzolkara::Artwork {

namespace {

constexpr QSize kDaySignSize(150, 150);
constexpr QSize kToneSize(88, 55);
constexpr QSize kCardSize(120, 184);
constexpr QSize kButtonIconSize(32, 32);

// Sign-table order: the image list follows the engine's table, not the
// calendar order of the signs.
constexpr std::array<const char *, 20> kDaySignNames = {
    "Monkey",  "Road",        "Reed", "Jaguar",    "Eagle",    "Wisdom", "Earth",
    "Flint",   "Storm",       "Sun",  "Crocodile", "Wind",     "Night",  "Seed",
    "Serpent", "Transformer", "Deer", "Star",      "Offering", "Dog",
};

constexpr std::array<const char *, 13> kToneNames = {
    "Magnetic", "Lunar", "Electric",  "Self-Existing", "Overtone", "Rhythmic", "Resonant",
    "Galactic", "Solar", "Planetary", "Spectral",      "Crystal",  "Cosmic",
};

ImageList makeTones(const QString &keySuffix)
{
    QList<ImageList::Entry> entries;
    for (int n = 1; n <= int(kToneNames.size()); ++n) {
        const QString number = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        const QString name = QString::fromLatin1(kToneNames[n - 1]);
        entries.append({number + QLatin1Char('-') + name + keySuffix,
                        QStringLiteral(":/artwork/tones/%1.svg").arg(number)});
    }
    return ImageList(kToneSize, entries);
}

} // namespace

const ImageList &daySigns()
{
    static const ImageList list = [] {
        QList<ImageList::Entry> entries;
        for (const char *name : kDaySignNames) {
            const QString key = QString::fromLatin1(name);
            entries.append({key, QStringLiteral(":/artwork/signs/%1.svg").arg(key.toLower())});
        }
        return ImageList(kDaySignSize, entries);
    }();
    return list;
}

const ImageList &astrologyTones()
{
    static const ImageList list = makeTones(QString());
    return list;
}

const ImageList &numerologyTones()
{
    static const ImageList list = makeTones(QStringLiteral(".jpg"));
    return list;
}

const ImageList &tarotCards()
{
    static const ImageList list = [] {
        QList<ImageList::Entry> entries;
        for (int glyph = 0; glyph < 20; ++glyph) {
            const QString number = QStringLiteral("%1").arg(glyph, 2, 10, QLatin1Char('0'));
            entries.append({number, QStringLiteral(":/artwork/cards/%1.svg").arg(number)});
        }
        return ImageList(kCardSize, entries);
    }();
    return list;
}

QPixmap signFrame(qreal devicePixelRatio)
{
    return svgPixmap(kSignFrameResource, kDaySignSize, devicePixelRatio);
}

QPixmap toneFrame(qreal devicePixelRatio)
{
    return svgPixmap(kToneFrameResource, kToneSize, devicePixelRatio);
}

QPixmap programButtonIcon(ProgramIcon which, qreal devicePixelRatio)
{
    static const std::array<QString, 3> resources = {
        QStringLiteral(":/artwork/icons/astrology.svg"),
        QStringLiteral(":/artwork/icons/tarot.svg"),
        QStringLiteral(":/artwork/icons/numerology.svg"),
    };
    return svgPixmap(resources[static_cast<std::size_t>(which)], kButtonIconSize, devicePixelRatio);
}

QIcon applicationIcon()
{
    // Rendered once at each common size rather than through an icon-engine
    // plugin, so the icon never depends on a plugin being installed. Kept as
    // images, which may outlive the application object. The full wheel turns
    // to mush below 32 pixels, so the small sizes get a simpler drawing.
    static const QList<QImage> sizes = [] {
        QList<QImage> images;
        for (int size : {16, 20, 24, 32, 48, 64, 128, 256}) {
            const QString &drawing =
                size <= 24 ? kSmallApplicationIconResource : kApplicationIconResource;
            images.append(renderSvg(drawing, QSize(size, size)));
        }
        return images;
    }();
    QIcon icon;
    for (const QImage &image : sizes)
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

} // namespace tzolkara::Artwork
