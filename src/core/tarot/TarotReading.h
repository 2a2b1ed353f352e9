// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/tarot/Oracle.h"

#include <QDate>
#include <QList>
#include <QString>

#include <QCoreApplication>
#include <array>

namespace tzolkara {

// How a run of the reading text looks; the result screen turns each into a
// character format. Headings and labels are bold, the body is not.
enum class TarotRunFormat { Heading, Label, Body };

// One line of the reading text; each run ends with a line break.
struct TarotRun
{
    QString text;
    TarotRunFormat format = TarotRunFormat::Body;

    friend bool operator==(const TarotRun &a, const TarotRun &b)
    {
        return a.text == b.text && a.format == b.format;
    }
    friend bool operator!=(const TarotRun &a, const TarotRun &b) { return !(a == b); }
};

// A reading ready to be shown: its text, the glyph laid at each position
// (0 Guide .. 4 Occult) with the words a screen reader says of its card, and
// who asked and when, for the reading's PDF.
struct TarotReading
{
    QList<TarotRun> runs;
    std::array<int, kPositionCount> glyphs{};
    // "Cauac, Blue Storm": the glyph's Mayan name and its colour name.
    std::array<QString, kPositionCount> cardNames;
    QString askerName;
    QDate castOn;
};

// The reading text of `reading`, run by run: the title, then one block per
// position; with the glyphs and their card names. Asker and day are left
// for the caller.
TarotReading composeTarotReading(const OracleReading &reading, const GlyphTableType &glyphs,
                                 const PositionTableType &positions);

// The English source text of the reading's title; the reading shows its translation.
inline constexpr char kTarotReadingTitleSource[] =
    QT_TRANSLATE_NOOP("TarotReading", "Tzolkara Mayan Astrology Tarot Reading");
inline const QString kTarotReadingTitle = QString::fromLatin1(kTarotReadingTitleSource);

} // namespace tzolkara
