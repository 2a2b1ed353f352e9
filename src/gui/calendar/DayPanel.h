// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <QString>

#include <vector>

class QLabel;

namespace tzolkara {

// The selected day in full: its dates in both calendars and its Julian day
// number, then its place in every Maya count, one labelled value a line.
class DayPanel final : public QGroupBox
{
    Q_OBJECT

public:
    explicit DayPanel(QWidget *parent = nullptr);

    void showDay(long julianDay);

private:
    std::vector<QLabel *> m_values;
    std::vector<QString> m_captions;
};

} // namespace tzolkara
