// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/engine/MayaCalendar.h"

#include <QGroupBox>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tzolkara {

// "Find": a Tzolk'in day, a Haab' day or both (a Calendar Round), or one of
// the feasts and marks the grid shows, looked for after or before a day.
// Says in one sentence what it found, or why nothing can be. The day sign
// may be typed in any spelling of either set of names.
class DayFinder final : public QGroupBox
{
    Q_OBJECT

public:
    explicit DayFinder(QWidget *parent = nullptr);

    // The signs of the list, and the words typed into it that two signs
    // share (Kan), in `names`.
    void setDayNames(MayaCalendar::DayNames names);
    // The lists show the selected day's Tzolk'in and Haab' days until the
    // user chooses in one of them.
    void followDay(long julianDay);
    void clearMessage();
    // The nearest day after (before) `fromDay` that is the one asked for, or
    // nothing, with the reason shown.
    std::optional<long> find(long fromDay, bool forward);

signals:
    void findAsked(bool forward);

private:
    MayaCalendar::DaySpec askedFor() const;
    // What was typed into the day sign's list, read in any spelling: a sign,
    // or a whole day ("8 Batz", "4 Ahau 8 Cumku") that the other lists
    // take. False, with the reason shown, for a word that names no sign.
    bool readTypedSign();
    std::optional<long> findMark(long fromDay, bool forward);
    std::optional<long> found(long fromDay, long day, bool forward, const QString &name, bool mark);
    void showMessage(const QString &message);
    void updateEnabled();

    MayaCalendar::DayNames m_names = MayaCalendar::DayNames::Yucatec;
    bool m_followsDay = true;
    QCheckBox *chkTzolkin = nullptr;
    QComboBox *cboNumber = nullptr;
    QComboBox *cboSign = nullptr;
    QCheckBox *chkHaab = nullptr;
    QComboBox *cboHaabDay = nullptr;
    QComboBox *cboHaabMonth = nullptr;
    QCheckBox *chkFeast = nullptr;
    QComboBox *cboFeast = nullptr;
    QPushButton *cmdFindNext = nullptr;
    QPushButton *cmdFindPrevious = nullptr;
    QLabel *lblFindMessage = nullptr;
};

} // namespace tzolkara
