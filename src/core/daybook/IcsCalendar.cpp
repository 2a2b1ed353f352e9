// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/daybook/IcsCalendar.h"

#include "core/common/Version.h"
#include "tables/engine/MayaCalendar.h"

#include <algorithm>

namespace tzolkara::IcsCalendar {

namespace {

constexpr int kMaxLineOctets = 75;

bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

QByteArray escapedText(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case u'\\':
            escaped += QLatin1String("\\\\");
            break;
        case u';':
            escaped += QLatin1String("\\;");
            break;
        case u',':
            escaped += QLatin1String("\\,");
            break;
        case u'\r':
            // CR LF is one break, as is a CR alone.
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            escaped += QLatin1String("\\n");
            break;
        case u'\n':
        case 0x2028: // line separator
        case 0x2029: // paragraph separator
            escaped += QLatin1String("\\n");
            break;
        default:
            // The format allows no control character but the tab.
            if (c.category() != QChar::Other_Control || c == u'\t')
                escaped += c;
            break;
        }
    }
    return escaped.toUtf8();
}

QByteArray contentLine(const QByteArray &line)
{
    QByteArray folded;
    folded.reserve(line.size() + line.size() / (kMaxLineOctets - 1) * 3 + 2);
    qsizetype at = 0;
    bool first = true;
    do {
        // Every line after the first begins with the blank that marks it as
        // a continuation.
        const qsizetype room = first ? kMaxLineOctets : kMaxLineOctets - 1;
        qsizetype end = std::min(line.size(), at + room);
        while (end > at && end < line.size() && isContinuationByte(line.at(end)))
            --end;
        if (end == at) // no character start at all: not UTF-8, cut anywhere
            end = std::min(line.size(), at + room);
        if (!first)
            folded += "\r\n ";
        folded += line.mid(at, end - at);
        at = end;
        first = false;
    } while (at < line.size());
    folded += "\r\n";
    return folded;
}

QByteArray dateValue(long julianDay)
{
    const MayaCalendar::GregorianDate date = MayaCalendar::gregorianDateOf(julianDay);
    return QStringLiteral("%1%2%3")
        .arg(date.year, 4, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.day, 2, 10, QLatin1Char('0'))
        .toLatin1();
}

QByteArray calendar(const QList<Event> &events, const QDateTime &stamp)
{
    const QByteArray dtstamp =
        stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    QByteArray file;
    file += contentLine("BEGIN:VCALENDAR");
    file += contentLine("VERSION:2.0");
    file += contentLine("PRODID:-//Tzolkara//Tzolkara " TZOLKARA_VERSION "//EN");
    file += contentLine("CALSCALE:GREGORIAN");
    file += contentLine("METHOD:PUBLISH");
    for (const Event &event : events) {
        file += contentLine("BEGIN:VEVENT");
        file += contentLine("UID:" + escapedText(event.uid));
        file += contentLine("DTSTAMP:" + dtstamp);
        file += contentLine("DTSTART;VALUE=DATE:" + dateValue(event.day));
        file += contentLine("DTEND;VALUE=DATE:" + dateValue(event.day + 1));
        file += contentLine("SUMMARY:" + escapedText(event.summary));
        if (!event.description.isEmpty())
            file += contentLine("DESCRIPTION:" + escapedText(event.description));
        // A day's mark, not an appointment: the day stays free.
        file += contentLine("TRANSP:TRANSPARENT");
        file += contentLine("END:VEVENT");
    }
    file += contentLine("END:VCALENDAR");
    return file;
}

} // namespace tzolkara::IcsCalendar
