// tzolkara-kin: the kin engine for scripts. Reads ISO dates (YYYY-MM-DD) from
// the arguments, or one per line from standard input, and prints the place of
// each in the 260-day count, and with --calendar in the whole Maya calendar.

#include "engine/KinTables.h"
#include "engine/MayaCalendar.h"
#include "engine/SignTable.h"
#include "tools/KinInput.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace tzolkara;
using KinInput::Date;
using KinInput::parseCorrelation;
using KinInput::parseDate;
using KinInput::quoted;
using KinInput::trimmed;

constexpr const char *kUsage =
    "Usage: tzolkara-kin [--json] [--calendar] [--correlation N] [YYYY-MM-DD ...]\n"
    "Prints the 260-day count of each birth date from 1900-01-01 to 2016-12-31:\n"
    "  date, KinNumber, DayNumber, DaySign (1..20, Crocodile 1), DaySignLabel, EnglishName\n"
    "separated by tabs, or one JSON object per line with --json.\n"
    "With --calendar, any date from 0001-01-01 to 3999-12-31, and after those columns:\n"
    "  LongCount, HaabDay (0..19), HaabMonth (1..19, Pop 1), HaabMonthName,\n"
    "  LordOfTheNight (1..9), TrecenaSign (1..20), JulianDay\n"
    "--correlation N counts from Julian day N: 584283 (the default), 584285 or 584286.\n"
    "Without dates, reads one date per line from standard input (blank lines are skipped).\n"
    "Exit code: 0 when every date was printed, 1 when the output could not be written,\n"
    "2 when any input was refused.\n";

constexpr int kAllPrinted = 0;
constexpr int kOutputLost = 1;
constexpr int kInputRefused = 2;

struct Options
{
    bool json = false;
    bool calendar = false;
    long correlation = MayaCalendar::kDefaultCorrelation;

    // Whether the reading columns come from the calendar's own count: for
    // dates outside the kin tables, or counted from another correlation.
    bool countsByCalendar() const
    {
        return calendar || correlation != MayaCalendar::kDefaultCorrelation;
    }
};

// The KinNumber of a day number and a day sign (1..20, Crocodile 1): the
// kin table read backwards.
int kinNumberOfCount(int dayNumber, int daySign)
{
    static const std::vector<int> kinOf = [] {
        std::vector<int> table(14 * 21, 0);
        for (int kin = 1; kin <= kKinCount; ++kin) {
            const KinEntry entry = kinEntry(kin);
            table[entry.dayNumber * 21 + daySignOfPosition(entry.signPosition)] = kin;
        }
        return table;
    }();
    return kinOf[dayNumber * 21 + daySign];
}

// The table position (0 is Monkey) of a day sign 1..20 (Crocodile 1).
int positionOfDaySign(int daySign)
{
    return (daySign + 9) % kSignCount;
}

// Standard output takes no more (a full disk, a closed device): nothing
// printed after this would arrive either.
[[noreturn]] void outputLost(int error)
{
    std::fprintf(stderr, "tzolkara-kin: cannot write the output: %s\n",
                 std::strerror(error != 0 ? error : EIO));
    std::_Exit(kOutputLost);
}

void writeOutput(const std::string &text)
{
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        outputLost(errno);
}

// The last bytes can fail as late as the close (a full disk, a network
// drive): only then is the output known to have arrived.
int closeOutput(int exitCode)
{
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || std::fclose(stdout) != 0)
        outputLost(errno);
    return exitCode;
}

void appendJsonString(std::string &out, const char *text)
{
    out += '"';
    for (const char *c = text; *c; ++c) {
        if (*c == '"' || *c == '\\')
            out += '\\';
        out += *c;
    }
    out += '"';
}

void appendCalendarJson(std::string &out, const MayaCalendar::Day &day)
{
    out += ",\"LongCount\":\"" + MayaCalendar::longCountText(day.longCount) +
           "\",\"HaabDay\":" + std::to_string(day.haabDay) +
           ",\"HaabMonth\":" + std::to_string(day.haabMonth) + ",\"HaabMonthName\":";
    appendJsonString(out, MayaCalendar::haabMonthName(day.haabMonth));
    out += ",\"LordOfTheNight\":" + std::to_string(day.lordOfTheNight) +
           ",\"TrecenaSign\":" + std::to_string(day.trecenaSign) +
           ",\"JulianDay\":" + std::to_string(day.julianDay);
}

void appendCalendarColumns(std::string &out, const MayaCalendar::Day &day)
{
    out += '\t' + MayaCalendar::longCountText(day.longCount) + '\t' + std::to_string(day.haabDay) +
           '\t' + std::to_string(day.haabMonth) + '\t' +
           MayaCalendar::haabMonthName(day.haabMonth) + '\t' + std::to_string(day.lordOfTheNight) +
           '\t' + std::to_string(day.trecenaSign) + '\t' + std::to_string(day.julianDay);
}

void appendReading(std::string &out, const std::string &iso, const Date &date,
                   const Options &options)
{
    int kin = 0;
    KinEntry entry{};
    std::optional<MayaCalendar::Day> day;
    if (options.countsByCalendar()) {
        day = MayaCalendar::dayOf(MayaCalendar::julianDayOf(date.year, date.month + 1, date.day),
                                  options.correlation);
        kin = kinNumberOfCount(day->number, day->sign);
        entry = {positionOfDaySign(day->sign), day->number};
    } else {
        kin = kinNumberOf(date.year, date.month, date.day);
        entry = kinEntry(kin);
    }
    const SignRecord &sign = SignTable()[entry.signPosition];
    const std::string daySign = std::to_string(daySignOfPosition(entry.signPosition));
    if (options.json) {
        out += "{\"date\":\"" + iso + "\",\"KinNumber\":" + std::to_string(kin) +
               ",\"DayNumber\":" + std::to_string(entry.dayNumber) + ",\"DaySign\":" + daySign +
               ",\"DaySignLabel\":";
        appendJsonString(out, sign.Label);
        out += ",\"EnglishName\":";
        appendJsonString(out, sign.EnglishName);
        if (options.calendar)
            appendCalendarJson(out, *day);
        out += "}\n";
    } else {
        out += iso + '\t' + std::to_string(kin) + '\t' + std::to_string(entry.dayNumber) + '\t' +
               daySign + '\t' + sign.Label + '\t' + sign.EnglishName;
        if (options.calendar)
            appendCalendarColumns(out, *day);
        out += '\n';
    }
}

class KinPrinter
{
public:
    explicit KinPrinter(const Options &options) : m_options(options) {}

    void process(const std::string &input)
    {
        const std::string text = trimmed(input);
        Date date{};
        // A NUL or any other byte out of place makes the whole line no date.
        if (!parseDate(text, m_options.calendar, date)) {
            flush(); // keep the error in order with the lines before it
            std::fprintf(stderr, "tzolkara-kin: %s is not a date from %s (YYYY-MM-DD)\n",
                         quoted(text).c_str(),
                         m_options.calendar ? "0001-01-01 to 3999-12-31"
                                            : "1900-01-01 to 2016-12-31");
            m_failed = true;
            return;
        }
        appendReading(m_buffer, text, date, m_options);
        if (m_buffer.size() > 64 * 1024)
            flush();
    }

    bool failed() const { return m_failed; }

    void flush()
    {
        writeOutput(m_buffer);
        m_buffer.clear();
    }

private:
    Options m_options;
    bool m_failed = false;
    std::string m_buffer;
};

} // namespace

int main(int argc, char **argv)
{
    Options options;
    std::vector<std::string> dates;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--json") == 0) {
            options.json = true;
        } else if (std::strcmp(arg, "--calendar") == 0) {
            options.calendar = true;
        } else if (std::strcmp(arg, "--correlation") == 0 ||
                   std::strncmp(arg, "--correlation=", 14) == 0) {
            const char *value = arg[13] == '=' ? arg + 14 : (i + 1 < argc ? argv[++i] : nullptr);
            const std::optional<long> correlation = parseCorrelation(value);
            if (!correlation) {
                std::fprintf(stderr,
                             "tzolkara-kin: the correlation %s is not 584283, 584285 or 584286\n",
                             quoted(value ? value : "").c_str());
                return kInputRefused;
            }
            options.correlation = *correlation;
        } else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            writeOutput(kUsage);
            return closeOutput(kAllPrinted);
        } else if (arg[0] == '-' && arg[1] == '-') {
            std::fprintf(stderr, "tzolkara-kin: unknown option %s\n%s", quoted(arg).c_str(),
                         kUsage);
            return kInputRefused;
        } else {
            dates.emplace_back(arg);
        }
    }

    KinPrinter printer(options);
    if (!dates.empty()) {
        for (const std::string &date : dates)
            printer.process(date);
    } else {
        std::ios::sync_with_stdio(false);
        std::string line;
        errno = 0;
        while (std::getline(std::cin, line)) {
            if (!trimmed(line).empty())
                printer.process(line);
        }
        if (std::cin.bad()) {
            const int error = errno != 0 ? errno : EIO;
            printer.flush();
            std::fprintf(stderr, "tzolkara-kin: cannot read the input: %s\n", std::strerror(error));
            return closeOutput(kInputRefused);
        }
    }
    printer.flush();
    return closeOutput(printer.failed() ? kInputRefused : kAllPrinted);
}
