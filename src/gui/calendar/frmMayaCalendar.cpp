// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calendar/frmMayaCalendar.h"

#include "core/i18n/ShownDates.h"
#include "core/readings/BirthYears.h"
#include "core/settings/DayNamesChoice.h"
#include "gui/calendar/DayFinder.h"
#include "gui/calendar/DayPanel.h"
#include "gui/calendar/GoToBox.h"
#include "gui/calendar/MonthGrid.h"
#include "gui/common/Fonts.h"
#include "gui/common/ScreenStyle.h"
#include "gui/shell/CommonMenus.h"
#include "tables/engine/MayaCalendar.h"

#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tzolkara {

namespace {

long julianDayOfDate(const QDate &date)
{
    return MayaCalendar::julianDayOf(date.year(), date.month(), date.day());
}

QPushButton *screenButton(const QString &objectName, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setFont(verdana(8.25, true));
    return button;
}

} // namespace

frmMayaCalendar::frmMayaCalendar(DayNamesChoice &dayNames, Navigator &navigator, QWidget *parent)
    : ProgramScreen(ScreenId::MayaCalendar, navigator, parent), m_dayNames(dayNames)
{
    setObjectName(QStringLiteral("frmMayaCalendar"));
    setWindowTitle(tr("Tzolkara Maya Calendar"));
    QMenuBar *menu = buildMenuBar();
    setContent(buildContent(), menu);
}

QMenuBar *frmMayaCalendar::buildMenuBar()
{
    auto *bar = new QMenuBar(this);
    QMenu *file = addFileMenu(bar);
    connect(addMenuItem(file, QStringLiteral("mnuExit"), tr("E&xit")), &QAction::triggered, this,
            &frmMayaCalendar::close);
    addCommonMenus(bar, MenuVariant::EntryScreen, desktop());
    return bar;
}

QWidget *frmMayaCalendar::buildContent()
{
    auto *content = new QWidget(this);
    applyScreenStyle(content);

    cmdPreviousMonth =
        screenButton(QStringLiteral("cmdPreviousMonth"), tr("&Previous month"), content);
    lblMonth = new QLabel(content);
    lblMonth->setObjectName(QStringLiteral("lblMonth"));
    lblMonth->setFont(verdana(12, true));
    lblMonth->setAlignment(Qt::AlignCenter);
    cmdNextMonth = screenButton(QStringLiteral("cmdNextMonth"), tr("&Next month"), content);
    cmdToday = screenButton(QStringLiteral("cmdToday"), tr("&Today"), content);
    auto *navigation = new QHBoxLayout;
    navigation->addWidget(cmdPreviousMonth);
    navigation->addWidget(lblMonth, 1);
    navigation->addWidget(cmdNextMonth);
    navigation->addSpacing(12);
    navigation->addWidget(cmdToday);

    grdMonth = new MonthGrid(content);
    grdMonth->setAccessibleName(tr("Days of the month"));
    fraGoTo = new GoToBox(content);
    QWidget *dayNamesBox = buildDayNamesBox(content);
    // Beneath the grid, which leaves the right column room for the whole day.
    auto *underGrid = new QHBoxLayout;
    underGrid->setSpacing(8);
    underGrid->addWidget(fraGoTo, 1);
    underGrid->addWidget(dayNamesBox);
    auto *left = new QVBoxLayout;
    left->setSpacing(8);
    left->addLayout(navigation);
    left->addWidget(grdMonth);
    left->addLayout(underGrid);
    left->addStretch(1);

    fraSelectedDay = new DayPanel(content);
    cmdReading =
        screenButton(QStringLiteral("cmdReading"), tr("Astrology &reading for this day"), content);
    cmdReading->setToolTip(tr("Opens Mayan Astrology with this day as the birth date. Readings "
                              "are given for the days from 1 January 1900 to today."));
    fraFind = new DayFinder(content);
    fraFind->setDayNames(m_dayNames.names());
    auto *right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(fraSelectedDay);
    right->addWidget(cmdReading, 0, Qt::AlignLeft);
    right->addWidget(fraFind);
    right->addStretch(1);

    auto *columns = new QHBoxLayout(content);
    columns->setContentsMargins(14, 12, 14, 12);
    columns->setSpacing(14);
    columns->addLayout(left);
    columns->addLayout(right, 1);

    setTabOrder(cmdPreviousMonth, cmdNextMonth);
    setTabOrder(cmdNextMonth, cmdToday);
    // Then, as they were made: Go to and the day names beneath the grid,
    // the reading button and Find.
    setTabOrder(cmdToday, grdMonth);

    connect(cmdPreviousMonth, &QPushButton::clicked, this,
            &frmMayaCalendar::cmdPreviousMonth_Click);
    connect(cmdNextMonth, &QPushButton::clicked, this, &frmMayaCalendar::cmdNextMonth_Click);
    connect(cmdToday, &QPushButton::clicked, this, &frmMayaCalendar::cmdToday_Click);
    connect(cmdReading, &QPushButton::clicked, this, &frmMayaCalendar::cmdReading_Click);
    connect(grdMonth, &MonthGrid::moveByDays, this,
            [this](int days) { select(m_selectedDay + days); });
    connect(grdMonth, &MonthGrid::moveByMonths, this, [this](int months) {
        select(CalendarMonth::addMonths(m_selectedDay, months, fraGoTo->system()));
    });
    connect(grdMonth, &MonthGrid::todayAsked, this, &frmMayaCalendar::cmdToday_Click);
    connect(grdMonth, &MonthGrid::dayChosen, this, [this](long day) { select(day); });
    connect(fraGoTo, &GoToBox::dayAsked, this, [this](long day) {
        select(day);
        grdMonth->setFocus();
    });
    connect(fraGoTo, &GoToBox::systemChanged, this, [this] { select(m_selectedDay); });
    connect(fraFind, &DayFinder::findAsked, this, &frmMayaCalendar::find);
    connect(&m_dayNames, &DayNamesChoice::changed, this, [this](MayaCalendar::DayNames names) {
        optYucatec->setChecked(names == MayaCalendar::DayNames::Yucatec);
        optKiche->setChecked(names == MayaCalendar::DayNames::Kiche);
        fraFind->setDayNames(names);
        select(m_selectedDay);
    });
    return content;
}

QWidget *frmMayaCalendar::buildDayNamesBox(QWidget *parent)
{
    auto *box = new QGroupBox(tr("Day names"), parent);
    box->setObjectName(QStringLiteral("fraDayNames"));
    optYucatec = new QRadioButton(tr("&Yucatec names"), box);
    optYucatec->setObjectName(QStringLiteral("optYucatec"));
    optYucatec->setToolTip(tr("Imix, Ik', Ak'bal ... Ajaw, as most epigraphy writes the day "
                              "signs."));
    optKiche = new QRadioButton(tr("&K'iche' names"), box);
    optKiche->setObjectName(QStringLiteral("optKiche"));
    optKiche->setToolTip(tr("Imox, Iq', Aq'ab'al ... Ajpu, as the day keepers of the Guatemalan "
                            "highlands count the days."));
    const bool kiche = m_dayNames.names() == MayaCalendar::DayNames::Kiche;
    optYucatec->setChecked(!kiche);
    optKiche->setChecked(kiche);
    auto *column = new QVBoxLayout(box);
    column->addWidget(optYucatec);
    column->addWidget(optKiche);
    column->addStretch(1);
    // Toggled rather than clicked: a screen reader's action toggles the
    // option without a click.
    connect(optYucatec, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            optDayNames_Click(MayaCalendar::DayNames::Yucatec);
    });
    connect(optKiche, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            optDayNames_Click(MayaCalendar::DayNames::Kiche);
    });
    return box;
}

void frmMayaCalendar::optDayNames_Click(MayaCalendar::DayNames names)
{
    // Shown everywhere at once; a settings file that cannot keep the choice
    // (a read-only folder) leaves it for this run only, without a word, as
    // the README says.
    m_dayNames.setNames(names);
}

void frmMayaCalendar::Form_Load()
{
    select(today());
    grdMonth->setFocus();
}

long frmMayaCalendar::today() const
{
    return CalendarMonth::clampToRange(julianDayOfDate(desktop().today()));
}

void frmMayaCalendar::select(long julianDay, Move move)
{
    const long previous = m_selectedDay;
    m_selectedDay = CalendarMonth::clampToRange(julianDay);
    if (m_selectedDay != previous) {
        fraGoTo->clearProblem();
        if (move != Move::Found)
            fraFind->clearMessage();
    }
    fraFind->followDay(m_selectedDay);
    const long now = today();
    const CalendarSystem system = fraGoTo->system();
    const CalendarDate shown = CalendarMonth::dateOf(m_selectedDay, system);
    lblMonth->setText(
        system == CalendarSystem::Julian
            ? tr("%1 (Julian calendar)").arg(monthAndYear(shown.year, shown.month - 1))
            : monthAndYear(shown.year, shown.month - 1));
    const MayaCalendar::DayNames names = m_dayNames.names();
    grdMonth->showMonth(m_selectedDay, now, system, names);
    fraSelectedDay->showDay(m_selectedDay, names);

    const MayaCalendar::GregorianDate date = MayaCalendar::gregorianDateOf(m_selectedDay);
    cmdReading->setEnabled(m_selectedDay <= now && isListedBirthDate(date.year, date.month - 1,
                                                                     date.day, desktop().today()));
}

void frmMayaCalendar::showDate(const QDate &date)
{
    if (date.isValid())
        select(julianDayOfDate(date));
}

void frmMayaCalendar::cmdPreviousMonth_Click()
{
    select(CalendarMonth::addMonths(m_selectedDay, -1, fraGoTo->system()));
}

void frmMayaCalendar::cmdNextMonth_Click()
{
    select(CalendarMonth::addMonths(m_selectedDay, 1, fraGoTo->system()));
}

void frmMayaCalendar::cmdToday_Click()
{
    select(today());
}

void frmMayaCalendar::find(bool forward)
{
    if (const std::optional<long> found = fraFind->find(m_selectedDay, forward))
        select(*found, Move::Found);
}

void frmMayaCalendar::cmdReading_Click()
{
    if (!cmdReading->isEnabled())
        return;
    const MayaCalendar::GregorianDate date = MayaCalendar::gregorianDateOf(m_selectedDay);
    // Like choosing Mayan Astrology: this screen closes with the others.
    ProgramScreen *entry = navigator().openProgram(ScreenId::AstrologyMain);
    if (auto *target = dynamic_cast<DateTarget *>(entry))
        target->showDate(QDate(date.year, date.month, date.day));
}

void frmMayaCalendar::Form_Unload()
{
    // Opened over a reading, the calendar gives it back; opened on its own,
    // the welcome panel.
    for (ProgramScreen *screen : navigator().openScreens()) {
        if (screen != this && screen->isVisible()) {
            navigator().activateScreen(screen);
            return;
        }
    }
    navigator().setWelcomePanelVisible(true);
}

} // namespace tzolkara
