// tzolkara-kin: the kin engine for scripts. Reads ISO dates (YYYY-MM-DD) from
// the arguments, or one per line from standard input, and prints the place of
// each in the 260-day count.

#include "engine/BirthDate.h"
#include "engine/KinTables.h"
#include "engine/SignTable.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace tzolkara;

constexpr const char *kUsage =
    "Usage: tzolkara-kin [--json] [YYYY-MM-DD ...]\n"
    "Prints the 260-day count of each birth date from 1900-01-01 to 2016-12-31:\n"
    "  date, KinNumber, DayNumber, DaySign (1..20, Crocodile 1), DaySignLabel, EnglishName\n"
    "separated by tabs, or one JSON object per line with --json.\n"
    "Without dates, reads one date per line from standard input (blank lines are skipped).\n"
    "Exit code: 0 when every date was printed, 2 when any input was refused.\n";

struct Date
{
    int year;
    int month; // 0..11
    int day;
};

bool parseNumber(const std::string &text, std::size_t from, std::size_t count, int &value)
{
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

// Accepts exactly YYYY-MM-DD naming a real day of the supported range.
bool parseDate(const std::string &text, Date &date)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    int month = 0;
    if (!parseNumber(text, 0, 4, date.year) || !parseNumber(text, 5, 2, month) ||
        !parseNumber(text, 8, 2, date.day))
        return false;
    date.month = month - 1;
    return isValidBirthDate(date.year, date.month, date.day);
}

std::string trimmed(const std::string &text)
{
    const char *blanks = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
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

void appendReading(std::string &out, const std::string &iso, const Date &date, bool json)
{
    const int kin = kinNumberOf(date.year, date.month, date.day);
    const KinEntry entry = kinEntry(kin);
    const SignRecord &sign = SignTable()[entry.signPosition];
    const std::string daySign = std::to_string(daySignOfPosition(entry.signPosition));
    if (json) {
        out += "{\"date\":\"" + iso + "\",\"KinNumber\":" + std::to_string(kin) +
               ",\"DayNumber\":" + std::to_string(entry.dayNumber) + ",\"DaySign\":" + daySign +
               ",\"DaySignLabel\":";
        appendJsonString(out, sign.Label);
        out += ",\"EnglishName\":";
        appendJsonString(out, sign.EnglishName);
        out += "}\n";
    } else {
        out += iso + '\t' + std::to_string(kin) + '\t' + std::to_string(entry.dayNumber) + '\t' +
               daySign + '\t' + sign.Label + '\t' + sign.EnglishName + '\n';
    }
}

class KinPrinter
{
public:
    explicit KinPrinter(bool json) : m_json(json) {}
    ~KinPrinter() { flush(); }

    void process(const std::string &input)
    {
        const std::string text = trimmed(input);
        Date date{};
        if (!parseDate(text, date)) {
            flush(); // keep the error in order with the lines before it
            std::fprintf(stderr,
                         "tzolkara-kin: '%s' is not a date from 1900-01-01 to 2016-12-31 "
                         "(YYYY-MM-DD)\n",
                         text.c_str());
            m_failed = true;
            return;
        }
        appendReading(m_buffer, text, date, m_json);
        if (m_buffer.size() > 64 * 1024)
            flush();
    }

    bool failed() const { return m_failed; }

    void flush()
    {
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), stdout);
        std::fflush(stdout);
        m_buffer.clear();
    }

private:
    bool m_json;
    bool m_failed = false;
    std::string m_buffer;
};

} // namespace

int main(int argc, char **argv)
{
    bool json = false;
    std::vector<std::string> dates;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--json") == 0) {
            json = true;
        } else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg[0] == '-' && arg[1] == '-') {
            std::fprintf(stderr, "tzolkara-kin: unknown option '%s'\n%s", arg, kUsage);
            return 2;
        } else {
            dates.emplace_back(arg);
        }
    }

    KinPrinter printer(json);
    if (!dates.empty()) {
        for (const std::string &date : dates)
            printer.process(date);
    } else {
        std::ios::sync_with_stdio(false);
        std::string line;
        while (std::getline(std::cin, line)) {
            if (!trimmed(line).empty())
                printer.process(line);
        }
    }
    printer.flush();
    return printer.failed() ? 2 : 0;
}
