// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/engine/CalendarMonth.h"

#include <QGroupBox>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tzolkara {

// "Go to": one field that takes a date or a Long Count, and the choice of
// the calendar in which dates are typed and shown. What is wrong with an
// entry is said in one sentence beneath the field.
class GoToBox final : public QGroupBox
{
    Q_OBJECT

public:
    explicit GoToBox(QWidget *parent = nullptr);

    CalendarSystem system() const;

    // The day the entry names, or nothing, with the reason shown.
    std::optional<long> dayOfEntry();
    void clearProblem();

signals:
    void dayAsked(long julianDay);
    void systemChanged(CalendarSystem system);

private:
    void go();
    void showProblem(const QString &problem);

    QLineEdit *txtGoTo = nullptr;
    QPushButton *cmdGoTo = nullptr;
    QLabel *lblGoToProblem = nullptr;
    QCheckBox *chkJulian = nullptr;
};

} // namespace tzolkara
