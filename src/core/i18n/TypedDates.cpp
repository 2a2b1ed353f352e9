// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/i18n/TypedDates.h"

#include "core/i18n/ShownDates.h"
#include "tables/engine/MonthNames.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

namespace tzolkara {

namespace {

// Words that may stand between a date's parts: "12 de octubre de 1492",
// "the 12th of October".
bool isFiller(const QString &word)
{
    static constexpr std::array<const char *, 8> kFillers = {"de", "del", "of", "the",
                                                             "st", "nd",  "rd", "th"};
    return std::any_of(kFillers.begin(), kFillers.end(),
                       [&word](const char *filler) { return word == QLatin1String(filler); });
}

// Lower case without accents: "Diciembre" and "diciembre", "Août" and "aout".
QString folded(const QString &word)
{
    QString plain;
    for (const QChar c : word.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain.append(c.toLower());
    }
    return plain;
}

// The month 1..12 a word names, full or cut to three letters or more; 0 for
// none. The English names are the month list's source texts.
int monthOfWord(const QString &word)
{
    const QString typed = folded(word);
    if (typed.size() < 3)
        return 0;
    for (int month0 = 0; month0 < 12; ++month0) {
        for (const QString &name :
             {folded(listedMonthName(month0)), folded(QString::fromLatin1(kMonthNames[month0]))}) {
            if (name.startsWith(typed))
                return month0 + 1;
        }
    }
    return 0;
}

// The order in which the locale's short date writes day ('d'), month ('M')
// and year ('y'), as "dMy".
QString shortDateOrder(const QLocale &locale)
{
    QString order;
    bool quoted = false;
    for (const QChar c : locale.dateFormat(QLocale::ShortFormat)) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted &&
                 (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y')) &&
                 !order.contains(c))
            order.append(c);
    }
    return order.size() == 3 ? order : QStringLiteral("dMy");
}

struct Parts
{
    QList<QString> numbers;
    int month = 0;
    int monthAt = -1; // how many numbers came before the month's name
    bool foreignWord = false;
};

Parts partsOf(const QString &text)
{
    Parts parts;
    static const QRegularExpression pieces(QStringLiteral("(\\d+)|(\\p{L}+)"));
    for (auto match = pieces.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch piece = match.next();
        if (piece.hasCaptured(1)) {
            parts.numbers.append(piece.captured(1));
            continue;
        }
        const QString word = piece.captured(2);
        if (isFiller(folded(word)))
            continue;
        const int month = monthOfWord(word);
        if (month == 0 || parts.month != 0)
            parts.foreignWord = true;
        parts.month = month;
        parts.monthAt = int(parts.numbers.size());
    }
    return parts;
}

} // namespace

std::optional<TypedDate> readTypedDate(const QString &text, const QLocale &locale)
{
    const QString entry = text.trimmed();
    static const QRegularExpression iso(QStringLiteral("^(\\d{1,4})-(\\d{1,2})-(\\d{1,2})$"));
    if (const QRegularExpressionMatch date = iso.match(entry); date.hasMatch())
        return TypedDate{date.captured(1).toInt(), date.captured(2).toInt(),
                         date.captured(3).toInt()};

    const Parts parts = partsOf(entry);
    for (const QString &number : parts.numbers) {
        if (number.size() > 4)
            return std::nullopt;
    }
    if (parts.foreignWord)
        return std::nullopt;

    if (parts.month != 0) {
        if (parts.numbers.size() != 2)
            return std::nullopt;
        // The year is the number of three or four digits, or past 31; else
        // the last, as in "12 Oct 14" and "Oct 12, 14".
        const bool firstIsYear = parts.numbers[0].size() >= 3 || parts.numbers[0].toInt() > 31;
        const QString day = firstIsYear ? parts.numbers[1] : parts.numbers[0];
        const QString year = firstIsYear ? parts.numbers[0] : parts.numbers[1];
        return TypedDate{year.toInt(), parts.month, day.toInt()};
    }

    if (parts.numbers.size() != 3)
        return std::nullopt;
    // Year first whenever it is written so ("2012/12/21"), else the locale's order.
    const QString order =
        parts.numbers[0].size() >= 3 ? QStringLiteral("yMd") : shortDateOrder(locale);
    TypedDate date;
    for (int i = 0; i < 3; ++i) {
        const int value = parts.numbers[i].toInt();
        switch (order[i].toLatin1()) {
        case 'd':
            date.day = value;
            break;
        case 'M':
            date.month = value;
            break;
        default:
            date.year = value;
        }
    }
    return date;
}

QString shortDateExample(int year, int month, int day, const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // The year whole, whatever the locale abbreviates.
    static const QRegularExpression years(QStringLiteral("y+"));
    format.replace(years, QStringLiteral("yyyy"));
    return locale.toString(QDate(year, month, day), format);
}

} // namespace tzolkara
