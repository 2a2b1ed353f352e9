// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calendar/DayPanel.h"

#include "core/i18n/MayaTerms.h"
#include "core/i18n/ShownDates.h"
#include "gui/calendar/DayMarks.h"
#include "gui/common/Fonts.h"
#include "tables/engine/CalendarMonth.h"
#include "tables/engine/MayaCalendar.h"
#include "tables/engine/Moon.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>

#include <algorithm>
#include <array>
#include <optional>

namespace tzolkara {

namespace {

// A line either explained here or one of the counts every screen names alike.
struct Line
{
    const char *name;
    const char *caption;
    const char *toolTip;
    std::optional<MayaTerm> term = std::nullopt;
};

constexpr std::array<Line, 15> kLines = {{
    {"lblGregorianDate", QT_TRANSLATE_NOOP("tzolkara::DayPanel", "Date"),
     QT_TRANSLATE_NOOP("tzolkara::DayPanel",
                       "The day in the Gregorian calendar, counted back before 1582 as if it had "
                       "always been in use.")},
    {"lblJulianDate", QT_TRANSLATE_NOOP("tzolkara::DayPanel", "Julian calendar"),
     QT_TRANSLATE_NOOP("tzolkara::DayPanel",
                       "The same day in the Julian calendar, in which historians write most dates "
                       "before 15 October 1582.")},
    {"lblJulianDay", QT_TRANSLATE_NOOP("tzolkara::DayPanel", "Julian day number"),
     QT_TRANSLATE_NOOP("tzolkara::DayPanel",
                       "The days counted since 1 January 4713 BC of the Julian calendar, as "
                       "astronomers count them.")},
    {"lblLongCount", nullptr, nullptr, MayaTerm::LongCount},
    {"lblTzolkin", QT_TRANSLATE_NOOP("tzolkara::DayPanel", "Tzolk'in"),
     QT_TRANSLATE_NOOP("tzolkara::DayPanel",
                       "The day in the 260-day count: a number from 1 to 13 and one of the 20 day "
                       "signs.")},
    // Its caption names the other set of names.
    {"lblOtherNames", nullptr,
     QT_TRANSLATE_NOOP("tzolkara::DayPanel",
                       "The same day with its sign in the other set of names: Yucatec, as most "
                       "epigraphy writes them, or K'iche', as the highland day keepers count.")},
    {"lblHaab", QT_TRANSLATE_NOOP("tzolkara::DayPanel", "Haab'"),
     QT_TRANSLATE_NOOP("tzolkara::DayPanel",
                       "The day in the 365-day year: 18 months of 20 days and the 5 days of "
                       "Wayeb'.")},
    {"lblCalendarRound", nullptr, nullptr, MayaTerm::CalendarRound},
    {"lblLordOfTheNight", nullptr, nullptr, MayaTerm::LordOfTheNight},
    {"lblTrecena", nullptr, nullptr, MayaTerm::Trecena},
    {"lblTzolkinDay", QT_TRANSLATE_NOOP("tzolkara::DayPanel", "Day of the 260 days"),
     QT_TRANSLATE_NOOP("tzolkara::DayPanel",
                       "The day's place in the 260-day count with 1 Imix as day 1, as most "
                       "calendar tools count. It is not the kin number of the readings, whose "
                       "day 1 is 8 Chuwen.")},
    {"lblYearBearer", QT_TRANSLATE_NOOP("tzolkara::DayPanel", "Year bearer"),
     QT_TRANSLATE_NOOP("tzolkara::DayPanel",
                       "The Tzolk'in day on which this Haab' year began, at 0 Pop, and the date it "
                       "began. A year of 365 days moves the sign on by five, so only four signs "
                       "bear the years.")},
    {"lblMarks", QT_TRANSLATE_NOOP("tzolkara::DayPanel", "Marks"),
     QT_TRANSLATE_NOOP("tzolkara::DayPanel",
                       "What the month grid marks on this day: 8 B'atz', the days of Wayeb', "
                       "0 Pop, the first day of a trecena, the ends of a tun, a katun or a "
                       "baktun, and the new and the full moon.")},
    {"lblMoonAge", QT_TRANSLATE_NOOP("tzolkara::DayPanel", "Age of the Moon"),
     QT_TRANSLATE_NOOP("tzolkara::DayPanel",
                       "The days since the last new moon, at noon Universal Time of this day.")},
    {"lblMoonPhase", QT_TRANSLATE_NOOP("tzolkara::DayPanel", "Phase of the Moon"),
     QT_TRANSLATE_NOOP("tzolkara::DayPanel",
                       "New moon, first quarter, full moon and last quarter fall on the day, in "
                       "Universal Time, that holds their instant; between them the Moon is a "
                       "crescent or gibbous, waxing or waning.")},
}};

// Where the line of the other set of names stands, whose caption changes.
constexpr std::size_t kOtherNamesLine = 5;

// Room for the longest date, so that the panel never grows nor cuts one off
// as the days go by.
int widestDate(const QFontMetrics &metrics)
{
    int widest = 0;
    for (int month0 = 0; month0 < 12; ++month0) {
        for (int weekday = 1; weekday <= 7; ++weekday)
            widest =
                std::max(widest, metrics.horizontalAdvance(weekdayDate(3999, month0, 28, weekday)));
    }
    return widest;
}

QString dateText(long julianDay, CalendarSystem system)
{
    const CalendarDate date = CalendarMonth::dateOf(julianDay, system);
    return weekdayDate(date.year, date.month - 1, date.day, CalendarMonth::weekdayOf(julianDay));
}

} // namespace

DayPanel::DayPanel(QWidget *parent) : QGroupBox(tr("The selected day"), parent)
{
    setObjectName(QStringLiteral("fraSelectedDay"));
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    int row = 0;
    for (const Line &line : kLines) {
        const QString captionText = line.term      ? mayaTermCaption(*line.term)
                                    : line.caption ? tr(line.caption)
                                                   : QString();
        auto *caption = new QLabel(captionText, this);
        caption->setFont(verdana(8.25, true));
        auto *value = new QLabel(this);
        value->setObjectName(QString::fromLatin1(line.name));
        value->setFont(verdana(8.25));
        value->setTextFormat(Qt::PlainText);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        const QString tip = line.term ? mayaTermToolTip(*line.term) : tr(line.toolTip);
        caption->setToolTip(tip);
        value->setToolTip(tip);
        caption->setBuddy(value);
        if (row < 2)
            value->setMinimumWidth(widestDate(value->fontMetrics()));
        // A day may bear several marks; they wrap rather than widen the panel.
        value->setWordWrap(qstrcmp(line.name, "lblMarks") == 0);
        grid->addWidget(caption, row, 0, Qt::AlignTop);
        grid->addWidget(value, row, 1, Qt::AlignTop);
        m_values.push_back(value);
        m_captions.push_back(caption);
        ++row;
    }
    grid->setColumnStretch(1, 1);
}

void DayPanel::showDay(long julianDay, MayaCalendar::DayNames names)
{
    const bool kiche = names == MayaCalendar::DayNames::Kiche;
    const MayaCalendar::DayNames otherNames =
        kiche ? MayaCalendar::DayNames::Yucatec : MayaCalendar::DayNames::Kiche;
    m_captions[kOtherNamesLine]->setText(kiche ? tr("In Yucatec") : tr("In K'iche'"));

    const MayaCalendar::Day day = MayaCalendar::dayOf(julianDay);
    const auto text = [](const std::string &value) { return QString::fromStdString(value); };
    // A year that began before the calendar's first day is named without
    // its date.
    const MayaCalendar::Day bearer = MayaCalendar::yearBearerOf(julianDay);
    QString yearBearer = text(MayaCalendar::tzolkinText(bearer, names));
    if (MayaCalendar::isInRange(bearer.julianDay)) {
        const MayaCalendar::GregorianDate began = MayaCalendar::gregorianDateOf(bearer.julianDay);
        yearBearer = tr("%1 (%2)", "the year bearer and the date it began")
                         .arg(yearBearer, dayFirstDate(began.year, began.month - 1, began.day));
    }
    const QString marks = DayMarks::listOf(DayMarks::marksOf(julianDay), names);
    const QString values[] = {
        dateText(julianDay, CalendarSystem::Gregorian),
        dateText(julianDay, CalendarSystem::Julian),
        QString::number(julianDay),
        text(MayaCalendar::longCountText(day.longCount)),
        text(MayaCalendar::tzolkinText(day, names)),
        text(MayaCalendar::tzolkinText(day, otherNames)),
        text(MayaCalendar::haabText(day)),
        text(MayaCalendar::calendarRoundText(day, names)),
        text(MayaCalendar::lordOfTheNightText(day)),
        text(MayaCalendar::trecenaText(day, names)),
        QString::number(day.tzolkinDay),
        yearBearer,
        marks.isEmpty() ? tr("None") : DayMarks::capitalised(marks),
        tr("%1 days").arg(QLocale().toString(Moon::ageOf(double(julianDay)), 'f', 1)),
        DayMarks::moonPhaseName(Moon::phaseOfDay(julianDay)),
    };
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        m_values[i]->setText(values[i]);
        // A label's text reaches a screen reader only as its name: the value
        // is heard with its caption, "Long Count: 13.0.0.0.0".
        m_values[i]->setAccessibleName(
            tr("%1: %2", "a caption and its value, as a screen reader says them")
                .arg(m_captions[i]->text(), values[i]));
    }
}

} // namespace tzolkara
