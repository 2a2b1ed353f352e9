// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/engine/MayaCalendar.h"

#include <QGroupBox>
#include <QString>

#include <vector>

class QLabel;

namespace tzolkara {

// The selected day in full: its dates in both calendars and its Julian day
// number, then its place in every Maya count (its Tzolk'in day in both sets
// of names, so that a reader can cross from one to the other), the year's
// bearer, what the calendar marks on it and the Moon, one labelled value a
// line.
class DayPanel final : public QGroupBox
{
    Q_OBJECT

public:
    explicit DayPanel(QWidget *parent = nullptr);

    // The day signs in `names`; the line after the Tzolk'in names the day in
    // the other set.
    void showDay(long julianDay, MayaCalendar::DayNames names);

private:
    std::vector<QLabel *> m_values;
    std::vector<QLabel *> m_captions;
};

} // namespace tzolkara
