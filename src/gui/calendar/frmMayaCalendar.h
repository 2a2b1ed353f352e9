// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/DateTarget.h"
#include "gui/shell/ProgramScreen.h"
#include "tables/engine/CalendarMonth.h"
#include "tables/engine/MayaCalendar.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace tzolkara {

class DayFinder;
class DayNamesChoice;
class DayPanel;
class GoToBox;
class MonthGrid;

// The Maya Calendar: a month of days with their Tzolk'in and Haab' days and
// what the calendar marks on them, the selected day in full, Go to a date or
// a Long Count, Find a Tzolk'in day, a Haab' day, a Calendar Round or a feast,
// an Astrology reading for the day, and the choice of the names the day signs
// are shown in, which every screen follows.
class frmMayaCalendar final : public ProgramScreen, public DateTarget
{
    Q_OBJECT

public:
    frmMayaCalendar(DayNamesChoice &dayNames, Navigator &navigator, QWidget *parent = nullptr);

    void Form_Load() override;
    // Selects the day, as Go to does.
    void showDate(const QDate &date) override;

    long selectedDay() const { return m_selectedDay; }

    void cmdPreviousMonth_Click();
    void cmdNextMonth_Click();
    void cmdToday_Click();
    void cmdReading_Click();
    void optDayNames_Click(MayaCalendar::DayNames names);

protected:
    void Form_Unload() override;

private:
    QWidget *buildContent();
    QWidget *buildDayNamesBox(QWidget *parent);
    QMenuBar *buildMenuBar();
    long today() const;
    // Every move ends here: the day is held to the calendar's range, and the
    // grid, the panel, the Find lists and the reading button follow it. The
    // messages of Go to and Find belong to the day they were said on; a
    // message that says how the day was found stays with it.
    enum class Move { Other, Found };
    void select(long julianDay, Move move = Move::Other);
    void find(bool forward);

    DayNamesChoice &m_dayNames;
    long m_selectedDay = 0;
    QPushButton *cmdPreviousMonth = nullptr;
    QLabel *lblMonth = nullptr;
    QPushButton *cmdNextMonth = nullptr;
    QPushButton *cmdToday = nullptr;
    MonthGrid *grdMonth = nullptr;
    DayPanel *fraSelectedDay = nullptr;
    QPushButton *cmdReading = nullptr;
    GoToBox *fraGoTo = nullptr;
    DayFinder *fraFind = nullptr;
    QRadioButton *optYucatec = nullptr;
    QRadioButton *optKiche = nullptr;
};

} // namespace tzolkara
