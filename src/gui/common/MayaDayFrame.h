// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/engine/MayaCalendar.h"

#include <QDate>
#include <QGroupBox>
#include <QStringList>

class QLabel;

namespace tzolkara {

class ClickableLabel;
class DayNamesChoice;

// "This day in the Maya calendar": where a birth date stands beyond the
// 260-day count, in four short lines, the day signs named as the user chose
// in the calendar (and named again when the choice changes).
class MayaDayFrame final : public QGroupBox
{
    Q_OBJECT

public:
    explicit MayaDayFrame(const DayNamesChoice &dayNames, QWidget *parent = nullptr);

    // month is 1..12; a date the calendar does not hold empties the lines.
    void showDate(int year, int month, int day);

    // Adds the link "Show in the calendar", which asks for the shown day.
    void addCalendarLink();

    // The same four facts as lines of text ("Long Count: 13.0.0.0.0"), or
    // none for a date the calendar does not hold.
    static QStringList linesFor(int year, int month, int day, MayaCalendar::DayNames names);

signals:
    void calendarAsked(const QDate &date);

private:
    void showLines();

    const DayNamesChoice &m_dayNames;
    QDate m_date;
    ClickableLabel *lblShowInCalendar = nullptr;
    QLabel *lblLongCount = nullptr;
    QLabel *lblCalendarRound = nullptr;
    QLabel *lblLordOfTheNight = nullptr;
    QLabel *lblTrecena = nullptr;
};

} // namespace tzolkara
