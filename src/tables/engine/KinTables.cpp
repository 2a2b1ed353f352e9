// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/engine/KinTables.h"

#include <array>

namespace tzolkara {

namespace {

constexpr int kFirstCodedYear = kFirstBirthYear - 1;
constexpr int kYearCount = kLastTableYear - kFirstCodedYear + 1;

constexpr std::array<int, kYearCount> makeYearCodes()
{
    std::array<int, kYearCount> codes{};
    codes[1] = 147; // 1900
    // 1 March 1899 to 1 March 1900 has 365 days (1900 is no leap year): 105 steps.
    codes[0] = codes[1] - 105;
    // Reduced into 1..260, not 0..259: a code of 0 would make 1 March, whose
    // month value is 0, no kin at all (first in 2032; up to 2016 every code
    // is 4..259, so the two reductions agree there).
    for (int i = 2; i < kYearCount; ++i) {
        const int year = kFirstCodedYear + i;
        codes[i] = (codes[i - 1] + 105 + (isLeapYear(year) ? 1 : 0) - 1) % kKinCount + 1;
    }
    return codes;
}

constexpr std::array<int, kYearCount> kYearCodes = makeYearCodes();

// The count has a place for 29 February in every year.
constexpr int kLeapYear = 2000;

using MonthDayTable = std::array<std::array<int, 32>, 12>; // [month][day 1..31]

constexpr MonthDayTable makeMonthDayTable()
{
    MonthDayTable table{};
    int running = 0;
    // The count runs from 1 March through December, then on into January
    // and February of the next calendar year.
    for (int step = 0; step < 12; ++step) {
        const int month = (step + 2) % 12;
        for (int day = 1; day <= daysInMonth(kLeapYear, month); ++day) {
            table[month][day] = running;
            ++running;
            if (running > kKinCount)
                running -= kKinCount;
        }
    }
    return table;
}

constexpr MonthDayTable kMonthDayTable = makeMonthDayTable();

static_assert(kYearCodes[1] == 147 && kYearCodes[0] == 42 &&
              kYearCodes[2016 - kFirstCodedYear] == 136);
static_assert(kMonthDayTable[10][16] == 260 && kMonthDayTable[10][17] == 1);
static_assert(kMonthDayTable[1][29] == 105 && kMonthDayTable[1][30] == 0);

} // namespace

int yearCode(int year)
{
    if (year < kFirstCodedYear || year > kLastTableYear)
        return -1;
    return kYearCodes[year - kFirstCodedYear];
}

int monthDayValue(int monthIndex, int day)
{
    if (monthIndex < 0 || monthIndex >= 12 || day < 1 || day > 31)
        return 0;
    return kMonthDayTable[monthIndex][day];
}

KinEntry kinEntry(int kinNumber)
{
    return {(kinNumber - 1) % 20, (kinNumber + 6) % 13 + 1};
}

int kinNumberOf(int year, int month, int day)
{
    if (year < kFirstBirthYear || year > kLastTableYear)
        return 0;
    const bool belongsToPreviousYear = month == 0 || month == 1;
    const int code = yearCode(belongsToPreviousYear ? year - 1 : year);
    if (code < 0)
        return 0;
    int kin = code + monthDayValue(month, day);
    if (kin > kKinCount)
        kin -= kKinCount;
    return kin;
}

} // namespace tzolkara
