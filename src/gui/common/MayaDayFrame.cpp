// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/MayaDayFrame.h"

#include "core/i18n/MayaTerms.h"
#include "core/settings/DayNamesChoice.h"
#include "gui/common/ClickableLabel.h"
#include "gui/common/Fonts.h"
#include "tables/engine/MayaCalendar.h"

#include <QGridLayout>
#include <QLabel>
#include <QStringList>

namespace tzolkara {

namespace {

struct Line
{
    const char *name;
    MayaTerm term;
};

constexpr Line kLines[] = {
    {"lblLongCount", MayaTerm::LongCount},
    {"lblCalendarRound", MayaTerm::CalendarRound},
    {"lblLordOfTheNight", MayaTerm::LordOfTheNight},
    {"lblTrecena", MayaTerm::Trecena},
};

} // namespace

MayaDayFrame::MayaDayFrame(const DayNamesChoice &dayNames, QWidget *parent)
    : QGroupBox(tr("This day in the Maya calendar"), parent), m_dayNames(dayNames)
{
    setObjectName(QStringLiteral("fraMayaCalendar"));
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(5);
    QLabel **values[] = {&lblLongCount, &lblCalendarRound, &lblLordOfTheNight, &lblTrecena};
    int row = 0;
    for (const Line &line : kLines) {
        auto *caption = new QLabel(mayaTermCaption(line.term), this);
        caption->setFont(verdana(8.25, true));
        auto *value = new QLabel(this);
        value->setObjectName(QString::fromLatin1(line.name));
        value->setFont(verdana(8.25));
        value->setTextFormat(Qt::PlainText);
        const QString tip = mayaTermToolTip(line.term);
        caption->setToolTip(tip);
        value->setToolTip(tip);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        *values[row] = value;
        ++row;
    }
    grid->setColumnStretch(1, 1);
    connect(&m_dayNames, &DayNamesChoice::changed, this, &MayaDayFrame::showLines);
}

void MayaDayFrame::showDate(int year, int month, int day)
{
    m_date = MayaCalendar::isCalendarDate(year, month, day) ? QDate(year, month, day) : QDate();
    if (lblShowInCalendar)
        lblShowInCalendar->setEnabled(m_date.isValid());
    showLines();
}

void MayaDayFrame::showLines()
{
    QLabel *values[] = {lblLongCount, lblCalendarRound, lblLordOfTheNight, lblTrecena};
    if (!m_date.isValid()) {
        for (QLabel *value : values)
            value->clear();
        return;
    }
    const MayaCalendar::DayNames names = m_dayNames.names();
    const MayaCalendar::Day mayaDay =
        MayaCalendar::dayOf(MayaCalendar::julianDayOf(m_date.year(), m_date.month(), m_date.day()));
    lblLongCount->setText(QString::fromStdString(MayaCalendar::longCountText(mayaDay.longCount)));
    lblCalendarRound->setText(
        QString::fromStdString(MayaCalendar::calendarRoundText(mayaDay, names)));
    lblLordOfTheNight->setText(QString::fromStdString(MayaCalendar::lordOfTheNightText(mayaDay)));
    lblTrecena->setText(QString::fromStdString(MayaCalendar::trecenaText(mayaDay, names)));
}

void MayaDayFrame::addCalendarLink()
{
    if (lblShowInCalendar)
        return;
    lblShowInCalendar = new ClickableLabel(tr("Show in the calendar"), this);
    lblShowInCalendar->setObjectName(QStringLiteral("lblShowInCalendar"));
    lblShowInCalendar->makeKeyboardLink(QString());
    // Named as shown: a label in a frame is otherwise heard by the frame's title.
    lblShowInCalendar->setAccessibleName(lblShowInCalendar->text());
    lblShowInCalendar->setAccessibleDescription(tr("Opens the Maya Calendar on this day"));
    QFont font = verdana(8.25);
    font.setUnderline(true);
    lblShowInCalendar->setFont(font);
    lblShowInCalendar->setForegroundRole(QPalette::Link);
    lblShowInCalendar->setEnabled(m_date.isValid());
    auto *grid = static_cast<QGridLayout *>(layout());
    grid->addWidget(lblShowInCalendar, grid->rowCount(), 0, 1, 2, Qt::AlignLeft);
    connect(lblShowInCalendar, &ClickableLabel::clicked, this, [this] {
        if (m_date.isValid())
            emit calendarAsked(m_date);
    });
}

QStringList MayaDayFrame::linesFor(int year, int month, int day, MayaCalendar::DayNames names)
{
    if (!MayaCalendar::isCalendarDate(year, month, day))
        return {};
    const MayaCalendar::Day mayaDay =
        MayaCalendar::dayOf(MayaCalendar::julianDayOf(year, month, day));
    const std::string values[] = {MayaCalendar::longCountText(mayaDay.longCount),
                                  MayaCalendar::calendarRoundText(mayaDay, names),
                                  MayaCalendar::lordOfTheNightText(mayaDay),
                                  MayaCalendar::trecenaText(mayaDay, names)};
    QStringList lines;
    for (std::size_t i = 0; i < std::size(values); ++i)
        lines << tr("%1: %2").arg(mayaTermCaption(kLines[i].term),
                                  QString::fromStdString(values[i]));
    return lines;
}

} // namespace tzolkara
