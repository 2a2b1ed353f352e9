// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calendar/GoToBox.h"

#include "core/i18n/ShownDates.h"
#include "core/i18n/TypedDates.h"
#include "gui/common/Fonts.h"
#include "tables/engine/MayaCalendar.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>

namespace tzolkara {

namespace {

const QColor kProblemColour(0xa4, 0x1e, 0x12);

QString rangeDate(long julianDay, CalendarSystem system)
{
    const CalendarDate date = CalendarMonth::dateOf(julianDay, system);
    return dayFirstDate(date.year, date.month - 1, date.day);
}

} // namespace

GoToBox::GoToBox(QWidget *parent) : QGroupBox(tr("Go to a day"), parent)
{
    setObjectName(QStringLiteral("fraGoTo"));
    auto *caption = new QLabel(tr("&Go to"), this);
    caption->setFont(verdana(8.25, true));
    txtGoTo = new QLineEdit(this);
    txtGoTo->setObjectName(QStringLiteral("txtGoTo"));
    txtGoTo->setPlaceholderText(tr("YYYY-MM-DD or 9.12.11.5.18"));
    txtGoTo->setToolTip(
        tr("A date as you write it (%1, %2 or 2012-12-21), or a Long Count (five numbers, as "
           "9.12.11.5.18).")
            .arg(shortDateExample(2012, 12, 21, QLocale()), dayFirstDate(2012, 11, 21)));
    txtGoTo->setMaxLength(40);
    caption->setBuddy(txtGoTo);
    cmdGoTo = new QPushButton(tr("Show"), this);
    cmdGoTo->setObjectName(QStringLiteral("cmdGoTo"));

    lblGoToProblem = new QLabel(this);
    lblGoToProblem->setObjectName(QStringLiteral("lblGoToProblem"));
    lblGoToProblem->setWordWrap(true);
    lblGoToProblem->setTextFormat(Qt::PlainText);
    // Not a palette: the screen gives every widget its one shared palette.
    lblGoToProblem->setStyleSheet(QStringLiteral("color: %1;").arg(kProblemColour.name()));
    // Room for the longest sentence from the start, so that none moves the
    // screen's layout when it comes.
    lblGoToProblem->setMinimumHeight(2 * lblGoToProblem->fontMetrics().lineSpacing());

    chkJulian = new QCheckBox(tr("Dates in the &Julian calendar"), this);
    chkJulian->setObjectName(QStringLiteral("chkJulian"));
    chkJulian->setToolTip(
        tr("Historians usually write dates before 15 October 1582, when the Gregorian calendar "
           "began, in the Julian calendar. Typed dates and the month grid then follow it."));

    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(txtGoTo, 0, 1);
    grid->addWidget(cmdGoTo, 0, 2);
    grid->addWidget(lblGoToProblem, 1, 0, 1, 3);
    grid->addWidget(chkJulian, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(txtGoTo, &QLineEdit::returnPressed, this, &GoToBox::go);
    connect(cmdGoTo, &QPushButton::clicked, this, &GoToBox::go);
    connect(txtGoTo, &QLineEdit::textEdited, this, &GoToBox::clearProblem);
    connect(chkJulian, &QCheckBox::toggled, this, [this] { emit systemChanged(system()); });
}

CalendarSystem GoToBox::system() const
{
    return chkJulian->isChecked() ? CalendarSystem::Julian : CalendarSystem::Gregorian;
}

void GoToBox::go()
{
    if (const std::optional<long> day = dayOfEntry())
        emit dayAsked(*day);
}

std::optional<long> GoToBox::dayOfEntry()
{
    const QString entry = txtGoTo->text().trimmed();
    const CalendarSystem shown = system();
    const QString range = tr("The calendar holds the days from %1 to %2.")
                              .arg(rangeDate(MayaCalendar::firstJulianDay(), shown),
                                   rangeDate(MayaCalendar::lastJulianDay(), shown));

    static const QRegularExpression countPattern(
        QStringLiteral("^\\d{1,2}\\.\\d{1,2}\\.\\d{1,2}\\.\\d{1,2}\\.\\d{1,2}$"));
    if (countPattern.match(entry).hasMatch()) {
        const std::optional<MayaCalendar::LongCount> count =
            MayaCalendar::parseLongCount(entry.toStdString());
        if (!count) {
            showProblem(tr("In a Long Count the uinal runs from 0 to 17, and the katun, the tun "
                           "and the kin from 0 to 19."));
            return std::nullopt;
        }
        const std::optional<long> day = MayaCalendar::julianDayOfLongCount(*count);
        if (!day) {
            showProblem(range);
            return std::nullopt;
        }
        clearProblem();
        return day;
    }

    if (const std::optional<TypedDate> typed = readTypedDate(entry, QLocale())) {
        const CalendarDate date{typed->year, typed->month, typed->day};
        if (date.month < 1 || date.month > 12 || date.day < 1 ||
            date.day > CalendarMonth::daysInMonth(date.year, date.month, shown)) {
            showProblem(shown == CalendarSystem::Julian
                            ? tr("That day does not exist in the Julian calendar.")
                            : tr("That day does not exist in the Gregorian calendar."));
            return std::nullopt;
        }
        if (!CalendarMonth::isDateInRange(date, shown)) {
            showProblem(range);
            return std::nullopt;
        }
        clearProblem();
        return CalendarMonth::julianDayOf(date, shown);
    }

    showProblem(tr("Type a date (%1, %2 or 2012-12-21) or a Long Count (9.12.11.5.18).")
                    .arg(shortDateExample(2012, 12, 21, QLocale()), dayFirstDate(2012, 11, 21)));
    return std::nullopt;
}

void GoToBox::showProblem(const QString &problem)
{
    lblGoToProblem->setText(problem);
    // Heard with the field, where the keyboard is.
    txtGoTo->setAccessibleDescription(problem);
    txtGoTo->setFocus();
    txtGoTo->selectAll();
}

void GoToBox::clearProblem()
{
    lblGoToProblem->clear();
    txtGoTo->setAccessibleDescription(QString());
}

} // namespace tzolkara
