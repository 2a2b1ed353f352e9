// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/engine/SignNames.h"
#include "tables/engine/ToneNames.h"

#include <QString>
#include <QStringView>

#include <array>

namespace tzolkara {

// The interpretation texts of one day sign. The label ("IMOSH - (IMIX)") is
// the key by which a calculation finds its record; it and the English name
// are those of kSignNames.
struct SignRecord
{
    const char *Label;
    const char *EnglishName;
    const char *Keywords;
    const char *Gemstone;
    const char *Significance;
    const char *FamousPersons;
    QString Description;
};

struct ToneRecord
{
    int Number;
    QString Description;
};

// The 20 signs in table order: position 0 is Monkey, 10 Crocodile, 19 Dog.
// The tables hold the English texts; a reading in another language takes
// its words by day sign from that language's texts.
const std::array<SignRecord, kSignCount> &SignTable();
// The 13 day numbers in order 1..13.
const std::array<ToneRecord, kToneCount> &ToneTable();

// The day sign (1 Crocodile .. 20 Sun) of a record of SignTable().
int daySignOf(const SignRecord &record);

// First record whose label equals `label` exactly (case and blanks count),
// or nullptr.
const SignRecord *findSignByLabel(QStringView label);
// Record of day number 1..13, or nullptr.
const ToneRecord *findToneByNumber(int number);

} // namespace tzolkara
