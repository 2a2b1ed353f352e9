// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/i18n/Language.h"
#include "gui/common/ImageList.h"

#include <QIcon>

namespace tzolkara {

// The pictures of the readings, in the program's language: the tones and the
// cards carry words, so a language may have drawings of its own in a folder
// named by its code beside the English ones (tones/es/, cards/es/); the keys
// are the same in every language. The application makes one for its whole
// run; a picture is drawn the first time it is shown.
class ReadingPictures final
{
public:
    explicit ReadingPictures(const Language &language = Language());
    Q_DISABLE_COPY_MOVE(ReadingPictures)

    // The 20 day signs, 150 x 150, in sign-table order (1 Monkey .. 20 Dog),
    // keyed by English name, drawn from resources/signs/NN.svg by day-sign
    // number.
    const ImageList &daySigns() const { return m_daySigns; }
    // The 13 day numbers, 88 x 55, index N for day number N. The astrology
    // result keys them "01-Magnetic" .. "13-Cosmic", the numerology result
    // "01-Magnetic.jpg" .. "13-Cosmic.jpg".
    const ImageList &astrologyTones() const { return m_astrologyTones; }
    const ImageList &numerologyTones() const { return m_numerologyTones; }
    // The 20 tarot cards, 93 x 120: entry n is the card of glyph n - 1. They
    // are drawn in the proportions of the result screen's cards, which
    // stretch them to fill, so drawn at that size or any multiple of it
    // nothing is distorted.
    const ImageList &tarotCards() const { return m_tarotCards; }

    // Shown by the result screens until a reading picture is selected.
    QPixmap signFrame(qreal devicePixelRatio = 1.0) const;
    QPixmap toneFrame(qreal devicePixelRatio = 1.0) const;

private:
    ImageList m_daySigns;
    ImageList m_astrologyTones;
    ImageList m_numerologyTones;
    ImageList m_tarotCards;
    ImageList m_signFrame;
    ImageList m_toneFrame;
};

namespace Artwork {

// The entry of ReadingPictures::daySigns() that shows day sign 1..20
// (ReadingState::DaySign); 0, which no list has, for any other number.
int daySignIndex(int daySign);

// The 32 x 32 icons of the main window's program buttons.
inline const QString kAstrologyIconResource = QStringLiteral(":/artwork/icons/astrology.svg");
inline const QString kTarotIconResource = QStringLiteral(":/artwork/icons/tarot.svg");
inline const QString kNumerologyIconResource = QStringLiteral(":/artwork/icons/numerology.svg");
inline const QString kCalendarIconResource = QStringLiteral(":/artwork/icons/calendar.svg");
QPixmap programButtonIcon(const QString &resource, qreal devicePixelRatio = 1.0);
// The program's own icon, sharp at any size, drawn at a size when first shown.
QIcon applicationIcon();

inline const QString kSignFrameResource = QStringLiteral(":/artwork/frames/sign-frame.svg");
inline const QString kToneFrameResource = QStringLiteral(":/artwork/frames/tone-frame.svg");
inline const QString kApplicationIconResource = QStringLiteral(":/artwork/icons/tzolkara.svg");
// The same wheel simplified for 16 to 24 pixels.
inline const QString kSmallApplicationIconResource =
    QStringLiteral(":/artwork/icons/tzolkara-small.svg");

} // namespace Artwork
} // namespace tzolkara
