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

// "Find": a Tzolk'in day, a Haab' day or both (a Calendar Round), looked for
// after or before a day. Says in one sentence what it found, or why nothing
// can be.
class DayFinder final : public QGroupBox
{
    Q_OBJECT

public:
    explicit DayFinder(QWidget *parent = nullptr);

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
    void showMessage(const QString &message);
    void updateEnabled();

    bool m_followsDay = true;
    QCheckBox *chkTzolkin = nullptr;
    QComboBox *cboNumber = nullptr;
    QComboBox *cboSign = nullptr;
    QCheckBox *chkHaab = nullptr;
    QComboBox *cboHaabDay = nullptr;
    QComboBox *cboHaabMonth = nullptr;
    QPushButton *cmdFindNext = nullptr;
    QPushButton *cmdFindPrevious = nullptr;
    QLabel *lblFindMessage = nullptr;
};

} // namespace tzolkara
