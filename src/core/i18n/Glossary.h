// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/i18n/Language.h"

#include <QLatin1StringView>
#include <QString>

namespace tzolkara {

// The short fields a reading shows, by kind, each keyed by a number:
// the sign's fields by day sign 1..20, a tarot label's meaning by day sign
// (glyph index + 1), tones 1..13, glyph colour names 0..19, positions 0..4,
// months 1..12.
enum class GlossaryKind {
    SignName,
    Gemstone,
    Keywords,
    Significance,
    Meaning,
    Tone,
    Glyph,
    Position,
    PositionMeaning,
    PositionHeading,
    Month,
};

// One row of the built-in Spanish glossary (resources/texts/es/glossary.tsv):
// the English text of the program's tables and its Spanish.
struct GlossaryEntry
{
    QString english;
    QString spanish;
};

// The glossary row of `kind` and `key`, or nullptr when it has none. The
// glossary is read on first use, so a program that stays in English never
// reads it.
const GlossaryEntry *spanishGlossaryEntry(GlossaryKind kind, int key);

// `english` as `language` says it. A Spanish word the glossary lacks falls
// back to the English with a warning; the glossary's tests keep that from
// happening.
QString inLanguage(Language language, GlossaryKind kind, int key, QLatin1StringView english);

inline QString inCurrentLanguage(GlossaryKind kind, int key, QLatin1StringView english)
{
    return inLanguage(currentLanguage(), kind, key, english);
}

// For showing, in the current language: the name of day number 1..13
// ("Magnetic", "Magnético") and of month 0..11 ("January", "enero"; counted
// as the entry screens' month lists count); empty for any other number.
// What is stored or written keeps the English.
QString displayedToneName(int number);
QString displayedMonthName(int month0);

} // namespace tzolkara
