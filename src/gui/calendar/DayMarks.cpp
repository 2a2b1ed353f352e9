// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calendar/DayMarks.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <optional>

namespace tzolkara::DayMarks {

namespace {

using MayaCalendar::Observance;

// A day of the grid runs in Universal Time from half a day before its Julian
// day number to half a day after. The Moon's instants are looked for from
// this much before such a midnight, so that one falling on it counts for the
// day it begins, as Moon::phaseOfDay() counts it.
constexpr double kInstantStep = 1e-9;

std::optional<Observance> observanceOf(DayMark mark)
{
    switch (mark) {
    case DayMark::EightBatz:
        return Observance::EightBatz;
    case DayMark::Wayeb:
        return Observance::Wayeb;
    case DayMark::NewYear:
        return Observance::NewYear;
    case DayMark::TrecenaStart:
        return Observance::TrecenaStart;
    case DayMark::TunEnding:
        return Observance::TunEnding;
    case DayMark::KatunEnding:
        return Observance::KatunEnding;
    case DayMark::BaktunEnding:
        return Observance::BaktunEnding;
    case DayMark::NewMoon:
    case DayMark::FullMoon:
        break;
    }
    return std::nullopt;
}

DayMark markOf(Observance observance)
{
    switch (observance) {
    case Observance::EightBatz:
        return DayMark::EightBatz;
    case Observance::Wayeb:
        return DayMark::Wayeb;
    case Observance::NewYear:
        return DayMark::NewYear;
    case Observance::TrecenaStart:
        return DayMark::TrecenaStart;
    case Observance::TunEnding:
        return DayMark::TunEnding;
    case Observance::KatunEnding:
        return DayMark::KatunEnding;
    case Observance::BaktunEnding:
        break;
    }
    return DayMark::BaktunEnding;
}

Moon::PrincipalPhase phaseOf(DayMark mark)
{
    return mark == DayMark::NewMoon ? Moon::PrincipalPhase::New : Moon::PrincipalPhase::Full;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("DayMarks", text);
}

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

// The colours of the program's artwork (scripts/artwork/palette.py).
const QColor kInk(0x2a, 0x1b, 0x12);
const QColor kRed(0xc4, 0x3d, 0x2b);
const QColor kJade(0x3f, 0x8f, 0x6b);
const QColor kStone(0xcd, 0xb8, 0x8c);
const QColor kGold(0xe2, 0xae, 0x35);
const QColor kGrey(0x6f, 0x64, 0x5a);
const QColor kFullMoon(0xf4, 0xdc, 0x6e);

// A stela, rounded at the top, for the Long Count's endings: taller and
// brighter for the longer periods.
QPainterPath stela(const QRectF &box, qreal height)
{
    const qreal width = box.width() * 0.62;
    const QRectF body(box.center().x() - width / 2, box.bottom() - height, width, height);
    QPainterPath path;
    path.moveTo(body.bottomLeft());
    path.lineTo(body.left(), body.top() + width / 2);
    path.arcTo(QRectF(body.left(), body.top(), width, width), 180, -180);
    path.lineTo(body.bottomRight());
    path.closeSubpath();
    return path;
}

} // namespace

std::vector<std::vector<DayMark>> marksOfDays(long firstDay, long lastDay)
{
    std::vector<std::vector<DayMark>> marks(
        static_cast<std::size_t>(std::max(0L, lastDay - firstDay + 1)));
    for (long day = firstDay; day <= lastDay; ++day) {
        for (const Observance observance : MayaCalendar::observancesOf(day))
            marks[static_cast<std::size_t>(day - firstDay)].push_back(markOf(observance));
    }
    for (const DayMark moon : {DayMark::NewMoon, DayMark::FullMoon}) {
        const Moon::PrincipalPhase phase = phaseOf(moon);
        for (double instant = Moon::nextPhase(phase, firstDay - 0.5 - kInstantStep);;
             instant = Moon::nextPhase(phase, instant)) {
            const long day = Moon::dayOfInstant(instant);
            if (day > lastDay)
                break;
            if (day >= firstDay)
                marks[static_cast<std::size_t>(day - firstDay)].push_back(moon);
        }
    }
    return marks;
}

std::vector<DayMark> marksOf(long julianDay)
{
    return marksOfDays(julianDay, julianDay).front();
}

long nextDay(DayMark mark, long julianDay)
{
    if (const std::optional<Observance> observance = observanceOf(mark))
        return MayaCalendar::nextObservance(*observance, julianDay);
    // The first instant from the start of the following day on.
    return Moon::dayOfInstant(Moon::nextPhase(phaseOf(mark), julianDay + 0.5 - kInstantStep));
}

long previousDay(DayMark mark, long julianDay)
{
    if (const std::optional<Observance> observance = observanceOf(mark))
        return MayaCalendar::previousObservance(*observance, julianDay);
    // The last instant before the start of the day.
    return Moon::dayOfInstant(Moon::lastPhase(phaseOf(mark), julianDay - 0.5 - kInstantStep));
}

QString name(DayMark mark, MayaCalendar::DayNames names)
{
    switch (mark) {
    case DayMark::EightBatz:
        return fromStd(MayaCalendar::daySpecText({8, 11, -1, 0}, names));
    case DayMark::Wayeb:
        return translated(QT_TRANSLATE_NOOP("DayMarks", "Wayeb' day"));
    case DayMark::NewYear:
        return fromStd(MayaCalendar::daySpecText({0, 0, 0, 1}, names));
    case DayMark::TrecenaStart:
        return translated(QT_TRANSLATE_NOOP("DayMarks", "first day of a trecena"));
    case DayMark::TunEnding:
        return translated(QT_TRANSLATE_NOOP("DayMarks", "tun ending"));
    case DayMark::KatunEnding:
        return translated(QT_TRANSLATE_NOOP("DayMarks", "katun ending"));
    case DayMark::BaktunEnding:
        return translated(QT_TRANSLATE_NOOP("DayMarks", "baktun ending"));
    case DayMark::NewMoon:
        return moonPhaseName(Moon::Phase::New);
    case DayMark::FullMoon:
        return moonPhaseName(Moon::Phase::Full);
    }
    return {};
}

QString description(DayMark mark, long julianDay, MayaCalendar::DayNames names)
{
    const MayaCalendar::Day day = MayaCalendar::dayOf(julianDay);
    const QString longCount = fromStd(MayaCalendar::longCountText(day.longCount));
    switch (mark) {
    case DayMark::EightBatz:
        return translated(
                   QT_TRANSLATE_NOOP("DayMarks", "%1, the feast of the K'iche' day keepers."))
            .arg(name(mark, names));
    case DayMark::Wayeb:
        return translated(
            QT_TRANSLATE_NOOP("DayMarks", "A day of Wayeb', the five days that close the Haab'."));
    case DayMark::NewYear:
        return translated(QT_TRANSLATE_NOOP("DayMarks",
                                            "0 Pop, the first day of the Haab' year, whose bearer "
                                            "is %1."))
            .arg(fromStd(MayaCalendar::tzolkinText(day, names)));
    case DayMark::TrecenaStart:
        return translated(QT_TRANSLATE_NOOP("DayMarks",
                                            "The first of the thirteen days of the trecena %1."))
            .arg(fromStd(MayaCalendar::trecenaText(day, names)));
    case DayMark::TunEnding:
        return translated(QT_TRANSLATE_NOOP("DayMarks", "%1: the end of a tun, 360 days."))
            .arg(longCount);
    case DayMark::KatunEnding:
        return translated(QT_TRANSLATE_NOOP("DayMarks", "%1: the end of a katun, 20 tuns."))
            .arg(longCount);
    case DayMark::BaktunEnding:
        return translated(QT_TRANSLATE_NOOP("DayMarks", "%1: the end of a baktun, 20 katuns."))
            .arg(longCount);
    case DayMark::NewMoon:
        return translated(
            QT_TRANSLATE_NOOP("DayMarks", "New moon, on this day in Universal Time."));
    case DayMark::FullMoon:
        return translated(
            QT_TRANSLATE_NOOP("DayMarks", "Full moon, on this day in Universal Time."));
    }
    return {};
}

QString listOf(const std::vector<DayMark> &marks, MayaCalendar::DayNames names)
{
    // Said after the day itself: the days that a name of their own would
    // only repeat are named for what they are.
    QStringList named;
    for (const DayMark mark : marks) {
        if (mark == DayMark::EightBatz)
            named << translated(QT_TRANSLATE_NOOP("DayMarks", "day keepers' feast"));
        else if (mark == DayMark::NewYear)
            named << translated(QT_TRANSLATE_NOOP("DayMarks", "new year"));
        else
            named << name(mark, names);
    }
    return named.join(translated(QT_TRANSLATE_NOOP("DayMarks", ", ")));
}

QString moonPhaseName(Moon::Phase phase)
{
    // In the order of Moon::Phase; the same words as Moon::phaseName().
    static constexpr const char *kNames[] = {
        QT_TRANSLATE_NOOP("DayMarks", "new moon"),
        QT_TRANSLATE_NOOP("DayMarks", "waxing crescent"),
        QT_TRANSLATE_NOOP("DayMarks", "first quarter"),
        QT_TRANSLATE_NOOP("DayMarks", "waxing gibbous"),
        QT_TRANSLATE_NOOP("DayMarks", "full moon"),
        QT_TRANSLATE_NOOP("DayMarks", "waning gibbous"),
        QT_TRANSLATE_NOOP("DayMarks", "last quarter"),
        QT_TRANSLATE_NOOP("DayMarks", "waning crescent"),
    };
    return translated(kNames[static_cast<int>(phase)]);
}

QString capitalised(const QString &text)
{
    if (text.isEmpty())
        return text;
    return text.front().toUpper() + text.mid(1);
}

void paint(QPainter &painter, DayMark mark, const QRectF &box, bool onDark)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(onDark ? QColor(Qt::white) : kInk, 1.0));
    const QPointF centre = box.center();
    const qreal r = std::min(box.width(), box.height()) / 2 - 0.5;
    switch (mark) {
    case DayMark::EightBatz: {
        // The feast: a red diamond.
        painter.setBrush(kRed);
        const QPointF points[] = {{centre.x(), centre.y() - r},
                                  {centre.x() + r * 0.8, centre.y()},
                                  {centre.x(), centre.y() + r},
                                  {centre.x() - r * 0.8, centre.y()}};
        painter.drawPolygon(points, 4);
        break;
    }
    case DayMark::Wayeb: {
        // The closing days: a grey triangle, pointing down.
        painter.setBrush(kGrey);
        const QPointF points[] = {{centre.x() - r, centre.y() - r * 0.7},
                                  {centre.x() + r, centre.y() - r * 0.7},
                                  {centre.x(), centre.y() + r}};
        painter.drawPolygon(points, 3);
        break;
    }
    case DayMark::NewYear: {
        // Pop is the mat: a jade square woven across.
        painter.setBrush(kJade);
        const QRectF mat(centre.x() - r * 0.85, centre.y() - r * 0.85, r * 1.7, r * 1.7);
        painter.drawRect(mat);
        painter.drawLine(QPointF(mat.left(), centre.y()), QPointF(mat.right(), centre.y()));
        painter.drawLine(QPointF(centre.x(), mat.top()), QPointF(centre.x(), mat.bottom()));
        break;
    }
    case DayMark::TrecenaStart:
        // The numeral one: a single dot.
        painter.setBrush(onDark ? QColor(Qt::white) : kInk);
        painter.drawEllipse(centre, r * 0.55, r * 0.55);
        break;
    case DayMark::TunEnding:
    case DayMark::KatunEnding:
    case DayMark::BaktunEnding: {
        const bool tun = mark == DayMark::TunEnding;
        painter.setBrush(tun ? kStone : mark == DayMark::KatunEnding ? kGold : kRed);
        painter.drawPath(
            stela(box.adjusted(0, 0.5, 0, -0.5), (box.height() - 1) * (tun ? 0.7 : 1.0)));
        break;
    }
    case DayMark::NewMoon:
        painter.setBrush(onDark ? kInk : QColor(0x3a, 0x3f, 0x52));
        painter.setPen(QPen(onDark ? QColor(Qt::white) : kInk, 1.0));
        painter.drawEllipse(centre, r * 0.9, r * 0.9);
        break;
    case DayMark::FullMoon:
        painter.setBrush(kFullMoon);
        painter.drawEllipse(centre, r * 0.9, r * 0.9);
        break;
    }
    painter.restore();
}

} // namespace tzolkara::DayMarks
