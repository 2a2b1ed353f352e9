// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/engine/CalendarMonth.h"
#include "tables/engine/MayaCalendar.h"

#include <QTableView>

namespace tzolkara {

class MonthModel;

// A month of days, six weeks of seven, starting on the locale's first day of
// the week: each cell the day of the month, its Tzolk'in day with the day
// sign's picture, its Haab' day, and the small signs of what the calendar
// marks on it (DayMarks.h), named in its tooltip and its accessible name.
// The keys ask to move the selection; the screen decides where it lands and
// shows the month again.
class MonthGrid final : public QTableView
{
    Q_OBJECT

public:
    explicit MonthGrid(QWidget *parent = nullptr);

    // Shows the month of `selectedDay` in `system`, that day selected and
    // `today` framed, the signs named in `names`.
    void showMonth(long selectedDay, long today, CalendarSystem system,
                   MayaCalendar::DayNames names);
    long selectedDay() const { return m_selectedDay; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // Arrows: a day or a week; Page Up and Page Down: a month, with Ctrl a year.
    void moveByDays(int days);
    void moveByMonths(int months);
    void todayAsked();
    // A cell chosen with the mouse.
    void dayChosen(long julianDay);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    MonthModel *m_model = nullptr;
    long m_selectedDay = 0;
    bool m_showing = false;
};

} // namespace tzolkara
