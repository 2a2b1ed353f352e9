#pragma once

#include <QDate>

namespace tzolkara {

// "Today" for the whole program; tests set it.
class Clock final
{
public:
    static QDate today();
    static void setToday(const QDate &date); // an invalid date returns to the real clock
};

} // namespace tzolkara
