// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/engine/MayaCalendar.h"
#include "tables/engine/Moon.h"

#include <QString>

#include <array>
#include <vector>

class QPainter;
class QRectF;

namespace tzolkara {

// What the calendar marks on a day: the feasts and Long Count endings of the
// Maya count, and the new and full moons. The grid draws each as a small
// sign, the side panel and the cells name them, and Find looks for them.
enum class DayMark {
    EightBatz,
    Wayeb,
    NewYear,
    TrecenaStart,
    TunEnding,
    KatunEnding,
    BaktunEnding,
    NewMoon,
    FullMoon,
};

// In the order of the enum, which is the order of Find's list and of the
// signs in a cell.
inline constexpr std::array<DayMark, 9> kDayMarks = {
    DayMark::EightBatz,    DayMark::Wayeb,     DayMark::NewYear,
    DayMark::TrecenaStart, DayMark::TunEnding, DayMark::KatunEnding,
    DayMark::BaktunEnding, DayMark::NewMoon,   DayMark::FullMoon,
};

namespace DayMarks {

// The marks of every day from `firstDay` to `lastDay`, one list a day; a
// day has only its largest Long Count ending. The moons are those of the
// day in Universal Time that holds their instant.
std::vector<std::vector<DayMark>> marksOfDays(long firstDay, long lastDay);
std::vector<DayMark> marksOf(long julianDay);

// The nearest day strictly after (before) `julianDay` that bears `mark`.
// The calendar's range is not applied.
long nextDay(DayMark mark, long julianDay);
long previousDay(DayMark mark, long julianDay);

// As a sentence names the mark, in the program's language: "8 B'atz'" (in
// the chosen names), "Wayeb' day", "full moon".
QString name(DayMark mark, MayaCalendar::DayNames names);
// What the mark on `julianDay` is, in one sentence, for the cell's tooltip.
QString description(DayMark mark, long julianDay, MayaCalendar::DayNames names);
// The marks as a list for the side panel and the cells' names, which say
// the day already: "new year, first day of a trecena"; empty for none.
QString listOf(const std::vector<DayMark> &marks, MayaCalendar::DayNames names);

// The phase's name in the program's language, as a sentence has it.
QString moonPhaseName(Moon::Phase phase);

// The text with its first letter in capitals, for a name that begins a line
// or a sentence.
QString capitalised(const QString &text);

// Draws the mark's small sign, centred in `box` (about 11 pixels square);
// on a dark ground (the selected day) with a light outline.
void paint(QPainter &painter, DayMark mark, const QRectF &box, bool onDark);

} // namespace DayMarks
} // namespace tzolkara
