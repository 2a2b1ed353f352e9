#include "BirthMonth.h"

#include "KinTables.h"

#include <QLatin1StringView>

#include <array>

namespace tzolkara {

namespace {

constexpr std::array<const char *, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

} // namespace

int monthIndexOf(QStringView monthName)
{
    for (int i = 0; i < 12; ++i) {
        if (monthName == QLatin1StringView(kMonthNames[i]))
            return i;
    }
    return -1;
}

int kinNumberOf(int year, QStringView monthName, int day)
{
    return kinNumberOf(year, monthIndexOf(monthName), day);
}

} // namespace tzolkara
