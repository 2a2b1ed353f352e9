// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tzolkara-artwork-sheet OUTPUT.png [SCALE]: renders every picture of the
// program, labelled, into one contact sheet, on the black of the program's
// panels and on the white of a report page.

#include "gui/common/Artwork.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

using namespace tzolkara;

namespace {

constexpr int kMargin = 16;
constexpr int kGap = 12;
constexpr int kLabelHeight = 16;
constexpr int kTitleHeight = 24;

struct Tile
{
    QPixmap picture;
    QString label;
};

QList<Tile> tilesOf(const ImageList &list, qreal scale, QSize size = {})
{
    QList<Tile> tiles;
    for (int i = 1; i <= list.count(); ++i) {
        const QPixmap picture =
            size.isValid() ? list.picture(i, size, scale) : list.picture(i, scale);
        tiles.append({picture, QStringLiteral("%1 %2").arg(i).arg(list.key(i))});
    }
    return tiles;
}

struct Section
{
    QString title;
    QList<Tile> tiles;
    int perRow;
};

class SheetPainter
{
public:
    SheetPainter(QPainter &painter, qreal scale, int width)
        : m_painter(painter), m_scale(scale), m_width(width)
    {
    }

    // Draws a section on the given background and returns its height.
    int draw(const Section &section, int top, const QColor &background, const QColor &ink)
    {
        const QSize cell = cellSize(section);
        const int rows = (int(section.tiles.size()) + section.perRow - 1) / section.perRow;
        const int height = kTitleHeight + rows * (cell.height() + kLabelHeight + kGap) + kGap;
        m_painter.fillRect(QRect(0, top, m_width, height), background);
        m_painter.setPen(ink);
        QFont title(QStringLiteral("DejaVu Sans"), 11, QFont::Bold);
        m_painter.setFont(title);
        m_painter.drawText(QRect(kMargin, top, m_width, kTitleHeight), Qt::AlignVCenter,
                           section.title);
        QFont label(QStringLiteral("DejaVu Sans"), 7);
        m_painter.setFont(label);
        for (int i = 0; i < section.tiles.size(); ++i) {
            const int column = i % section.perRow;
            const int row = i / section.perRow;
            const QPoint origin(kMargin + column * (cell.width() + kGap),
                                top + kTitleHeight + row * (cell.height() + kLabelHeight + kGap));
            const Tile &tile = section.tiles.at(i);
            const QSize logical = tile.picture.deviceIndependentSize().toSize();
            m_painter.drawPixmap(origin + QPoint((cell.width() - logical.width()) / 2, 0),
                                 tile.picture);
            m_painter.drawText(
                QRect(origin.x(), origin.y() + cell.height(), cell.width(), kLabelHeight),
                Qt::AlignCenter, tile.label);
        }
        return height;
    }

    static QSize cellSize(const Section &section)
    {
        QSize cell(0, 0);
        for (const Tile &tile : section.tiles)
            cell = cell.expandedTo(tile.picture.deviceIndependentSize().toSize());
        return cell.expandedTo(QSize(60, 0));
    }

private:
    QPainter &m_painter;
    qreal m_scale;
    int m_width;
};

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("Usage: tzolkara-artwork-sheet OUTPUT.png [SCALE]\n", stderr);
        return 2;
    }
    const qreal scale = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.0;
    if (scale <= 0) {
        std::fputs("tzolkara-artwork-sheet: SCALE must be a positive number\n", stderr);
        return 2;
    }

    QList<Tile> icons;
    const std::pair<QString, const char *> buttons[] = {
        {Artwork::kAstrologyIconResource, "Astrology"},
        {Artwork::kTarotIconResource, "Tarot"},
        {Artwork::kNumerologyIconResource, "Numerology"},
        {Artwork::kCalendarIconResource, "Calendar"},
    };
    for (const auto &[which, name] : buttons)
        icons.append({Artwork::programButtonIcon(which, scale), QString::fromLatin1(name)});
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QPixmap icon = Artwork::applicationIcon().pixmap(QSize(size, size), scale);
        icons.append({icon, QStringLiteral("icon %1").arg(size)});
    }
    // The sheet shows the English pictures.
    const ReadingPictures pictures;
    QList<Tile> frames = {{pictures.signFrame(scale), QStringLiteral("sign frame")},
                          {pictures.toneFrame(scale), QStringLiteral("tone frame")}};

    const QList<Section> sections = {
        {QStringLiteral("Day signs (150 x 150), list order"), tilesOf(pictures.daySigns(), scale),
         10},
        {QStringLiteral("Day numbers (88 x 55)"), tilesOf(pictures.astrologyTones(), scale), 13},
        {QStringLiteral("Tarot cards (93 x 120, as the result screen shows them), glyph 0 to 19"),
         tilesOf(pictures.tarotCards(), scale), 10},
        {QStringLiteral("Tarot cards at twice that size, as a screen of double density shows them"),
         tilesOf(pictures.tarotCards(), scale, pictures.tarotCards().imageSize() * 2), 10},
        {QStringLiteral("Design-time frames, program buttons and program icon"), frames + icons,
         11},
    };

    int width = 0;
    int height = 0;
    for (const Section &section : sections) {
        const QSize cell = SheetPainter::cellSize(section);
        width = std::max(width, 2 * kMargin + section.perRow * (cell.width() + kGap));
        const int rows = (int(section.tiles.size()) + section.perRow - 1) / section.perRow;
        height += kTitleHeight + rows * (cell.height() + kLabelHeight + kGap) + kGap;
    }
    // The day signs once more on white, as a report page shows them.
    const Section onWhite{QStringLiteral("Day signs and day numbers on a white page"),
                          tilesOf(pictures.daySigns(), scale).mid(0, 10) +
                              tilesOf(pictures.astrologyTones(), scale).mid(0, 4),
                          14};
    {
        const QSize cell = SheetPainter::cellSize(onWhite);
        width = std::max(width, 2 * kMargin + onWhite.perRow * (cell.width() + kGap));
        height += kTitleHeight + cell.height() + kLabelHeight + 2 * kGap;
    }

    QImage sheet(QSize(width, height) * scale, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(scale);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    SheetPainter sheetPainter(painter, scale, width);
    int top = 0;
    for (const Section &section : sections)
        top += sheetPainter.draw(section, top, Qt::black, QColor(230, 230, 230));
    sheetPainter.draw(onWhite, top, Qt::white, Qt::black);
    painter.end();

    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "tzolkara-artwork-sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
