// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/i18n/Glossary.h"

#include "core/common/BuiltInText.h"
#include "tables/engine/MonthNames.h"
#include "tables/engine/ToneNames.h"

#include <QHash>
#include <QStringList>

namespace tzolkara {

namespace {

// The names of the kinds in the glossary's first column.
constexpr std::pair<GlossaryKind, const char *> kKindNames[] = {
    {GlossaryKind::SignName, "sign-name"},
    {GlossaryKind::Gemstone, "gemstone"},
    {GlossaryKind::Keywords, "keywords"},
    {GlossaryKind::Significance, "significance"},
    {GlossaryKind::Meaning, "meaning"},
    {GlossaryKind::Tone, "tone"},
    {GlossaryKind::Glyph, "glyph"},
    {GlossaryKind::Position, "position"},
    {GlossaryKind::PositionMeaning, "position-meaning"},
    {GlossaryKind::PositionHeading, "position-heading"},
    {GlossaryKind::Month, "month"},
};

using GlossaryKey = std::pair<int, int>;

GlossaryKey keyOf(GlossaryKind kind, int key)
{
    return {static_cast<int>(kind), key};
}

QHash<GlossaryKey, GlossaryEntry> readGlossary()
{
    QHash<QString, GlossaryKind> kinds;
    for (const auto &[kind, name] : kKindNames)
        kinds.insert(QString::fromLatin1(name), kind);

    QHash<GlossaryKey, GlossaryEntry> entries;
    const QString text = builtInText(QStringLiteral(":/texts/es/glossary.tsv"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    // The first line names the columns. Only line breaks are trimmed: some
    // texts end in a blank that belongs to them.
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringList columns = line.split(QLatin1Char('\t'));
        bool numeric = false;
        const int key = columns.size() == 4 ? columns.at(1).toInt(&numeric) : 0;
        if (!numeric || !kinds.contains(columns.at(0))) {
            if (!line.isEmpty())
                qWarning("Tzolkara: glossary line %lld is not kind, key, English, Spanish",
                         static_cast<long long>(i + 1));
            continue;
        }
        entries.insert(keyOf(kinds.value(columns.at(0)), key), {columns.at(2), columns.at(3)});
    }
    return entries;
}

const char *kindName(GlossaryKind kind)
{
    for (const auto &[k, name] : kKindNames) {
        if (k == kind)
            return name;
    }
    return "?";
}

} // namespace

const GlossaryEntry *spanishGlossaryEntry(GlossaryKind kind, int key)
{
    static const QHash<GlossaryKey, GlossaryEntry> glossary = readGlossary();
    const auto found = glossary.constFind(keyOf(kind, key));
    return found == glossary.cend() ? nullptr : &found.value();
}

QString inLanguage(Language language, GlossaryKind kind, int key, QLatin1StringView english)
{
    if (language == Language::English)
        return QString(english);
    const GlossaryEntry *entry = spanishGlossaryEntry(kind, key);
    if (!entry || entry->spanish.isEmpty()) {
        qWarning("Tzolkara: no Spanish for %s %d", kindName(kind), key);
        return QString(english);
    }
    return entry->spanish;
}

QString displayedToneName(int number)
{
    if (number < 1 || number > kToneCount)
        return QString();
    return inCurrentLanguage(GlossaryKind::Tone, number, QLatin1StringView(kToneNames[number - 1]));
}

QString displayedMonthName(int month0)
{
    if (month0 < 0 || month0 >= int(kMonthNames.size()))
        return QString();
    return inCurrentLanguage(GlossaryKind::Month, month0 + 1,
                             QLatin1StringView(kMonthNames[month0]));
}

} // namespace tzolkara
