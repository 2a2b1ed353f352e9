// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calendar/DayFinder.h"

#include "gui/common/Fonts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace tzolkara {

namespace {

constexpr int kWayeb = 19;

QComboBox *list(const char *name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(verdana(8.25));
    return box;
}

} // namespace

DayFinder::DayFinder(QWidget *parent) : QGroupBox(tr("Find a day"), parent)
{
    setObjectName(QStringLiteral("fraFind"));
    chkTzolkin = new QCheckBox(tr("T&zolk'in day"), this);
    chkTzolkin->setObjectName(QStringLiteral("chkTzolkin"));
    chkTzolkin->setChecked(true);
    cboNumber = list("cboNumber", this);
    for (int number = 1; number <= 13; ++number)
        cboNumber->addItem(QString::number(number));
    cboSign = list("cboSign", this);
    for (int sign = 1; sign <= 20; ++sign)
        cboSign->addItem(QString::fromLatin1(MayaCalendar::signName(sign)));

    chkHaab = new QCheckBox(tr("Haa&b' day"), this);
    chkHaab->setObjectName(QStringLiteral("chkHaab"));
    cboHaabDay = list("cboHaabDay", this);
    for (int day = 0; day < 20; ++day)
        cboHaabDay->addItem(QString::number(day));
    cboHaabMonth = list("cboHaabMonth", this);
    for (int month = 1; month <= kWayeb; ++month)
        cboHaabMonth->addItem(QString::fromLatin1(MayaCalendar::haabMonthName(month)));

    cboNumber->setAccessibleName(tr("Tzolk'in number"));
    cboSign->setAccessibleName(tr("Day sign"));
    cboHaabDay->setAccessibleName(tr("Haab' day of the month"));
    cboHaabMonth->setAccessibleName(tr("Haab' month"));

    cmdFindNext = new QPushButton(tr("Find ne&xt"), this);
    cmdFindNext->setObjectName(QStringLiteral("cmdFindNext"));
    cmdFindPrevious = new QPushButton(tr("Find pre&vious"), this);
    cmdFindPrevious->setObjectName(QStringLiteral("cmdFindPrevious"));
    const QString both = tr("Tick both to find a Calendar Round, which returns every 52 years.");
    chkTzolkin->setToolTip(both);
    chkHaab->setToolTip(both);

    lblFindMessage = new QLabel(this);
    lblFindMessage->setObjectName(QStringLiteral("lblFindMessage"));
    lblFindMessage->setWordWrap(true);
    lblFindMessage->setTextFormat(Qt::PlainText);
    lblFindMessage->setMinimumHeight(2 * lblFindMessage->fontMetrics().lineSpacing());

    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->addWidget(chkTzolkin, 0, 0);
    grid->addWidget(cboNumber, 0, 1);
    grid->addWidget(cboSign, 0, 2);
    grid->addWidget(chkHaab, 1, 0);
    grid->addWidget(cboHaabDay, 1, 1);
    grid->addWidget(cboHaabMonth, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdFindPrevious);
    buttons->addWidget(cmdFindNext);
    buttons->addStretch(1);
    grid->addLayout(buttons, 2, 0, 1, 3);
    grid->addWidget(lblFindMessage, 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    setTabOrder(chkTzolkin, cboNumber);
    setTabOrder(cboNumber, cboSign);
    setTabOrder(cboSign, chkHaab);
    setTabOrder(chkHaab, cboHaabDay);
    setTabOrder(cboHaabDay, cboHaabMonth);
    setTabOrder(cboHaabMonth, cmdFindPrevious);
    setTabOrder(cmdFindPrevious, cmdFindNext);

    for (QComboBox *box : {cboNumber, cboSign, cboHaabDay, cboHaabMonth})
        connect(box, &QComboBox::activated, this, [this] { m_followsDay = false; });
    connect(chkTzolkin, &QCheckBox::toggled, this, &DayFinder::updateEnabled);
    connect(chkHaab, &QCheckBox::toggled, this, &DayFinder::updateEnabled);
    connect(cmdFindNext, &QPushButton::clicked, this, [this] { emit findAsked(true); });
    connect(cmdFindPrevious, &QPushButton::clicked, this, [this] { emit findAsked(false); });
    updateEnabled();
}

void DayFinder::updateEnabled()
{
    cboNumber->setEnabled(chkTzolkin->isChecked());
    cboSign->setEnabled(chkTzolkin->isChecked());
    cboHaabDay->setEnabled(chkHaab->isChecked());
    cboHaabMonth->setEnabled(chkHaab->isChecked());
}

void DayFinder::followDay(long julianDay)
{
    if (!m_followsDay)
        return;
    const MayaCalendar::Day day = MayaCalendar::dayOf(julianDay);
    cboNumber->setCurrentIndex(day.number - 1);
    cboSign->setCurrentIndex(day.sign - 1);
    cboHaabDay->setCurrentIndex(day.haabDay);
    cboHaabMonth->setCurrentIndex(day.haabMonth - 1);
}

MayaCalendar::DaySpec DayFinder::askedFor() const
{
    MayaCalendar::DaySpec spec;
    if (chkTzolkin->isChecked()) {
        spec.number = cboNumber->currentIndex() + 1;
        spec.sign = cboSign->currentIndex() + 1;
    }
    if (chkHaab->isChecked()) {
        spec.haabDay = cboHaabDay->currentIndex();
        spec.haabMonth = cboHaabMonth->currentIndex() + 1;
    }
    return spec;
}

std::optional<long> DayFinder::find(long fromDay, bool forward)
{
    const MayaCalendar::DaySpec spec = askedFor();
    const QString name = QString::fromStdString(MayaCalendar::daySpecText(spec));
    if (name.isEmpty()) {
        showMessage(tr("Tick a Tzolk'in day, a Haab' day or both."));
        return std::nullopt;
    }
    if (!MayaCalendar::canOccur(spec)) {
        if (spec.haabMonth == kWayeb && spec.haabDay > 4) {
            showMessage(tr("Wayeb' has only the days 0 to 4."));
            return std::nullopt;
        }
        QStringList meeting;
        for (const int day : MayaCalendar::haabDaysOfSign(spec.sign))
            meeting << QString::number(day);
        const QString last = meeting.takeLast();
        showMessage(tr("No day is %1: the sign %2 meets only the Haab' days %3 of a month.")
                        .arg(name, QString::fromLatin1(MayaCalendar::signName(spec.sign)),
                             tr("%1 and %2", "the last two of a list")
                                 .arg(meeting.join(QStringLiteral(", ")), last)));
        return std::nullopt;
    }
    const std::optional<long> found =
        forward ? MayaCalendar::nextDay(spec, fromDay) : MayaCalendar::previousDay(spec, fromDay);
    if (!found || !MayaCalendar::isInRange(*found)) {
        showMessage(forward ? tr("No %1 comes before the calendar ends.").arg(name)
                            : tr("No %1 comes after the calendar begins.").arg(name));
        return std::nullopt;
    }
    const long distance = forward ? *found - fromDay : fromDay - *found;
    if (distance == 1) {
        showMessage(forward ? tr("The next %1 is the day after.").arg(name)
                            : tr("The previous %1 was the day before.").arg(name));
    } else {
        const QString days = QLocale().toString(qlonglong(distance));
        showMessage(forward ? tr("The next %1 is %2 days later.").arg(name, days)
                            : tr("The previous %1 was %2 days earlier.").arg(name, days));
    }
    return found;
}

void DayFinder::showMessage(const QString &message)
{
    lblFindMessage->setText(message);
}

void DayFinder::clearMessage()
{
    lblFindMessage->clear();
}

} // namespace tzolkara
