// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/common/ImageList.h"

#include <QIcon>

namespace tzolkara {

// The program's picture lists and single pictures, made on first use.
namespace Artwork {

// The 20 day signs, 150 x 150, in sign-table order (1 Monkey .. 20 Dog),
// keyed by English name, drawn from resources/signs/NN.svg by day-sign
// number.
const ImageList &daySigns();
// The entry of daySigns() that shows day sign 1..20 (ReadingState::DaySign);
// 0, which no list has, for any other number.
int daySignIndex(int daySign);
// The 13 day numbers, 88 x 55, index N for day number N. The astrology
// result keys them "01-Magnetic" .. "13-Cosmic", the numerology result
// "01-Magnetic.jpg" .. "13-Cosmic.jpg". The tones and the cards are drawn
// with the words of the current language (currentLanguage()), the keys are
// the same in every language.
const ImageList &astrologyTones();
const ImageList &numerologyTones();
// The 20 tarot cards, 93 x 120: entry n is the card of glyph n - 1. They are
// drawn in the proportions of the result screen's cards, which stretch them
// to fill, so drawn at that size or any multiple of it nothing is distorted.
const ImageList &tarotCards();

// Shown by the result screens until a reading picture is selected.
QPixmap signFrame(qreal devicePixelRatio = 1.0);
QPixmap toneFrame(qreal devicePixelRatio = 1.0);

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
