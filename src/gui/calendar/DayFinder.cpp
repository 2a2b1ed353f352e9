// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calendar/DayFinder.h"

#include "gui/calendar/DayMarks.h"
#include "gui/common/Fonts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
    // Typed as well as chosen: day keepers and books write the signs in
    // several ways.
    cboSign->setEditable(true);
    cboSign->setInsertPolicy(QComboBox::NoInsert);
    cboSign->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    cboSign->setToolTip(tr("Choose a sign or type it in any spelling, Yucatec, K'iche' or "
                           "colonial (Chuwen, B'atz', Chuen), or type a whole day (8 Chuen, "
                           "4 Ahau 8 Pop). Enter finds the next."));

    chkHaab = new QCheckBox(tr("Haa&b' day"), this);
    chkHaab->setObjectName(QStringLiteral("chkHaab"));
    cboHaabDay = list("cboHaabDay", this);
    for (int day = 0; day < 20; ++day)
        cboHaabDay->addItem(QString::number(day));
    cboHaabMonth = list("cboHaabMonth", this);
    for (int month = 1; month <= kWayeb; ++month)
        cboHaabMonth->addItem(QString::fromLatin1(MayaCalendar::haabMonthName(month)));

    // A screen reader names a list after its value; the description says
    // what the list is.
    const std::pair<QComboBox *, QString> named[] = {
        {cboNumber, tr("Tzolk'in number")},
        {cboSign, tr("Day sign")},
        {cboHaabDay, tr("Haab' day of the month")},
        {cboHaabMonth, tr("Haab' month")},
    };
    for (const auto &[box, name] : named) {
        box->setAccessibleName(name);
        box->setAccessibleDescription(name);
    }

    chkFeast = new QCheckBox(tr("Fea&sts"), this);
    chkFeast->setObjectName(QStringLiteral("chkFeast"));
    chkFeast->setToolTip(tr("Find one of the feasts, Long Count endings or phases of the Moon "
                            "the grid marks, instead of a day."));
    cboFeast = list("cboFeast", this);
    for (const DayMark mark : kDayMarks)
        cboFeast->addItem(DayMarks::capitalised(DayMarks::name(mark, m_names)));
    cboFeast->setAccessibleName(tr("Feast"));
    cboFeast->setAccessibleDescription(cboFeast->accessibleName());

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
    grid->addWidget(chkFeast, 2, 0);
    grid->addWidget(cboFeast, 2, 1, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdFindPrevious);
    buttons->addWidget(cmdFindNext);
    buttons->addStretch(1);
    grid->addLayout(buttons, 3, 0, 1, 3);
    grid->addWidget(lblFindMessage, 4, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    setTabOrder(chkTzolkin, cboNumber);
    setTabOrder(cboNumber, cboSign);
    setTabOrder(cboSign, chkHaab);
    setTabOrder(chkHaab, cboHaabDay);
    setTabOrder(cboHaabDay, cboHaabMonth);
    setTabOrder(cboHaabMonth, chkFeast);
    setTabOrder(chkFeast, cboFeast);
    setTabOrder(cboFeast, cmdFindPrevious);
    setTabOrder(cmdFindPrevious, cmdFindNext);

    for (QComboBox *box : {cboNumber, cboSign, cboHaabDay, cboHaabMonth})
        connect(box, &QComboBox::activated, this, [this] { m_followsDay = false; });
    connect(cboSign->lineEdit(), &QLineEdit::textEdited, this, [this] { m_followsDay = false; });
    connect(cboSign->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (cboSign->isEnabled())
            readTypedSign();
    });
    connect(cboSign->lineEdit(), &QLineEdit::returnPressed, this, [this] { emit findAsked(true); });
    connect(chkTzolkin, &QCheckBox::toggled, this, &DayFinder::updateEnabled);
    connect(chkHaab, &QCheckBox::toggled, this, &DayFinder::updateEnabled);
    connect(chkFeast, &QCheckBox::toggled, this, &DayFinder::updateEnabled);
    connect(cmdFindNext, &QPushButton::clicked, this, [this] { emit findAsked(true); });
    connect(cmdFindPrevious, &QPushButton::clicked, this, [this] { emit findAsked(false); });
    updateEnabled();
}

void DayFinder::updateEnabled()
{
    // A feast is looked for instead of a day: the day's lists rest.
    const bool feast = chkFeast->isChecked();
    chkTzolkin->setEnabled(!feast);
    chkHaab->setEnabled(!feast);
    cboNumber->setEnabled(!feast && chkTzolkin->isChecked());
    cboSign->setEnabled(!feast && chkTzolkin->isChecked());
    cboHaabDay->setEnabled(!feast && chkHaab->isChecked());
    cboHaabMonth->setEnabled(!feast && chkHaab->isChecked());
    cboFeast->setEnabled(feast);
}

void DayFinder::setDayNames(MayaCalendar::DayNames names)
{
    m_names = names;
    for (int sign = 1; sign <= 20; ++sign)
        cboSign->setItemText(sign - 1, QString::fromLatin1(MayaCalendar::signName(sign, names)));
    cboSign->setEditText(cboSign->itemText(cboSign->currentIndex()));
    cboFeast->setItemText(0, DayMarks::capitalised(DayMarks::name(DayMark::EightBatz, names)));
}

bool DayFinder::readTypedSign()
{
    const QString typed = cboSign->currentText().trimmed();
    const int current = cboSign->currentIndex();
    if (typed == cboSign->itemText(current))
        return true;
    const std::string text = typed.toStdString();
    if (const int sign = MayaCalendar::signOfName(text, m_names)) {
        cboSign->setCurrentIndex(sign - 1);
    } else if (const std::optional<MayaCalendar::DaySpec> spec =
                   MayaCalendar::parseDaySpec(text, m_names)) {
        if (spec->number != 0) {
            cboNumber->setCurrentIndex(spec->number - 1);
            cboSign->setCurrentIndex(spec->sign - 1);
        }
        chkTzolkin->setChecked(spec->number != 0);
        if (spec->haabDay >= 0) {
            chkHaab->setChecked(true);
            cboHaabDay->setCurrentIndex(spec->haabDay);
            cboHaabMonth->setCurrentIndex(spec->haabMonth - 1);
        }
    } else {
        showMessage(tr("No day sign is called \"%1\".").arg(typed));
        return false;
    }
    cboSign->setEditText(cboSign->itemText(cboSign->currentIndex()));
    m_followsDay = false;
    return true;
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
    if (chkFeast->isChecked()) {
        const DayMark mark = kDayMarks[std::size_t(cboFeast->currentIndex())];
        const long day =
            forward ? DayMarks::nextDay(mark, fromDay) : DayMarks::previousDay(mark, fromDay);
        return found(fromDay, day, forward, DayMarks::name(mark, m_names), true);
    }
    if (chkTzolkin->isChecked() && !readTypedSign())
        return std::nullopt;
    const MayaCalendar::DaySpec spec = askedFor();
    const QString name = QString::fromStdString(MayaCalendar::daySpecText(spec, m_names));
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
                        .arg(name, QString::fromLatin1(MayaCalendar::signName(spec.sign, m_names)),
                             tr("%1 and %2", "the last two of a list")
                                 .arg(meeting.join(QStringLiteral(", ")), last)));
        return std::nullopt;
    }
    const std::optional<long> day =
        forward ? MayaCalendar::nextDay(spec, fromDay) : MayaCalendar::previousDay(spec, fromDay);
    // Every spec that can occur has a next and a previous day.
    return found(fromDay, day.value_or(0), forward, name, false);
}

std::optional<long> DayFinder::found(long fromDay, long day, bool forward, const QString &name,
                                     bool mark)
{
    // The feasts and marks have sentences of their own, which a translation
    // can word apart from those of the days (in Spanish a full moon is
    // feminine, a day masculine).
    const bool inRange = MayaCalendar::isInRange(day);
    const long distance = forward ? day - fromDay : fromDay - day;
    const QString days = QLocale().toString(qlonglong(distance));
    QString message;
    if (!inRange && mark) {
        message = forward ? tr("No %1 comes before the calendar ends.", "a feast or a mark")
                          : tr("No %1 comes after the calendar begins.", "a feast or a mark");
    } else if (!inRange) {
        message = forward ? tr("No %1 comes before the calendar ends.")
                          : tr("No %1 comes after the calendar begins.");
    } else if (distance == 1 && mark) {
        message = forward ? tr("The next %1 is the day after.", "a feast or a mark")
                          : tr("The previous %1 was the day before.", "a feast or a mark");
    } else if (distance == 1) {
        message = forward ? tr("The next %1 is the day after.")
                          : tr("The previous %1 was the day before.");
    } else if (mark) {
        message = forward ? tr("The next %1 is %2 days later.", "a feast or a mark")
                          : tr("The previous %1 was %2 days earlier.", "a feast or a mark");
    } else {
        message = forward ? tr("The next %1 is %2 days later.")
                          : tr("The previous %1 was %2 days earlier.");
    }
    // Only the sentences of a distance hold a second place.
    message = message.arg(name);
    if (message.contains(QLatin1String("%2")))
        message = message.arg(days);
    showMessage(DayMarks::capitalised(message));
    if (!inRange)
        return std::nullopt;
    return day;
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
