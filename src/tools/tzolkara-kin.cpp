// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tzolkara-kin: the kin engine for scripts. Reads ISO dates (YYYY-MM-DD) from
// the arguments, or one per line from standard input, and prints the place of
// each in the 260-day count, and with --calendar in the whole Maya calendar,
// where it also reads Long Counts and finds the days of a Tzolk'in day, a
// Haab' day or a Calendar Round.

#include "tables/common/InputLimits.h"
#include "tables/engine/CalendarMonth.h"
#include "tables/engine/KinTables.h"
#include "tables/engine/MayaCalendar.h"
#include "tables/engine/SignNames.h"
#include "tables/tools/KinInput.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

using namespace tzolkara;
using KinInput::Date;
using KinInput::parseCorrelation;
using KinInput::parseDate;
using KinInput::quoted;
using KinInput::trimmed;

constexpr const char *kUsageLine =
    "Usage: tzolkara-kin [--json] [--calendar [--julian] [--names SET]] [--correlation N]\n"
    "                    [YYYY-MM-DD | --long-count B.K.T.U.K | - ...]\n"
    "       tzolkara-kin --calendar [--julian] [--names SET] [--json] [--correlation N]\n"
    "                    --next DAY | --previous DAY [--from YYYY-MM-DD] [--count N]\n"
    "       tzolkara-kin [OPTION...] -- [DATE...]\n"
    "       tzolkara-kin --help | -h | --version\n";
constexpr const char *kUsageDetails =
    "Prints the 260-day count of each birth date from 1900-01-01 to 2099-12-31:\n"
    "  date (YYYY-MM-DD), KinNumber (1..260, the readings' count: 8 Chuwen is 1),\n"
    "  DayNumber (1..13), DaySign (1..20, Crocodile 1), DaySignLabel, EnglishName\n"
    "separated by tabs, or one JSON object per line with --json.\n"
    "With --calendar, any date from 0001-01-01 to 3999-12-31, and after those columns:\n"
    "  LongCount (0.0.0.0.0 is the creation, 4 Ajaw 8 Kumk'u; 2012-12-21 is 13.0.0.0.0),\n"
    "  HaabDay (0..19, 0..4 in Wayeb'), HaabMonth (1..19, Pop 1), HaabMonthName,\n"
    "  LordOfTheNight (1..9, G1..G9), TrecenaSign (1..20, the sign that opened the\n"
    "  current 13 days), JulianDay, TzolkinDay (1..260, 1 Imix is 1), YearBearer (the\n"
    "  Tzolk'in day of the 0 Pop that opened the Haab' year, such as 2 Manik')\n"
    "--names SET writes the day signs of YearBearer in the names of SET: yucatec (Imix to\n"
    "Ajaw, the default) or kiche (Imox to Ajpu); it also settles the words two signs share.\n"
    "--julian reads and prints Julian calendar dates (0001-01-03 to 3999-12-03).\n"
    "--long-count B.K.T.U.K prints the day of a Long Count such as 9.12.11.5.18, as does\n"
    "a date argument or line of standard input with dots and no dashes.\n"
    "--next DAY and --previous DAY print the --count N days (1 to 10000, 1 by default)\n"
    "that are DAY, strictly after or before the --from date (today by default), nearest\n"
    "first. DAY is a Tzolk'in day, a Haab' day or both: '4 Ajaw', '8 Kumk'u',\n"
    "'4 Ajaw 8 Kumk'u', in upper or lower case; the apostrophes and accents may be left\n"
    "out. The sign may be written in Yucatec (Ajaw), K'iche' (Ajpu), the colonial spelling\n"
    "(Ahau) or as a word of its label (AJPU, AHUA); Kan is K'an with --names yucatec and\n"
    "Chikchan with --names kiche.\n"
    "--long-count, --next and --previous imply --calendar; --julian and --names need it.\n"
    "Options are given once each (--long-count as often as wanted); after --, every\n"
    "argument is a date, even one that begins with a dash.\n"
    "--correlation N counts from Julian day N: 584283 (the default), 584285 or 584286.\n"
    "Without dates, or for a date '-', reads one date per line from standard input\n"
    "(blank lines are skipped; a line longer than 4096 bytes is refused).\n"
    "Exit code: 0 when every date was printed, 1 when the output could not be written,\n"
    "2 when any input was refused.\n";

constexpr int kAllPrinted = 0;
constexpr int kOutputLost = 1;
constexpr int kInputRefused = 2;

struct Options
{
    bool json = false;
    bool calendar = false;
    bool julian = false; // dates read and printed in the Julian calendar
    long correlation = MayaCalendar::kDefaultCorrelation;
    MayaCalendar::DayNames names = MayaCalendar::DayNames::Yucatec;

    // Whether the reading columns come from the calendar's own count: for
    // dates outside the kin tables, or counted from another correlation.
    bool countsByCalendar() const
    {
        return calendar || correlation != MayaCalendar::kDefaultCorrelation;
    }
    CalendarSystem system() const
    {
        return julian ? CalendarSystem::Julian : CalendarSystem::Gregorian;
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

// Standard output takes no more (a full disk, a closed device): nothing
// printed after this would arrive either.
[[noreturn]] void outputLost(int error)
{
    std::fprintf(stderr, "tzolkara-kin: cannot write the output: %s\n",
                 std::strerror(error != 0 ? error : EIO));
    std::_Exit(kOutputLost);
}

void writeOutput(std::string_view text)
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

// The blanks that trimmed() takes off a line: space, tab, CR, LF, FF, VT.
constexpr bool isBlankByte(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Whether a line holds nothing but blanks.
bool isBlank(std::string_view line)
{
    for (const char c : line) {
        if (!isBlankByte(c))
            return false;
    }
    return true;
}

constexpr std::ptrdiff_t kDateLength = 10; // YYYY-MM-DD

// Whether the `length` (8 to 16) bytes at `text` hold a line feed: two
// overlapping words, each tested for a zero byte once XORed with line feeds.
bool hasLineFeedIn(const char *text, std::ptrdiff_t length)
{
    const auto hasLineFeed = [](const char *at) {
        std::uint64_t word = 0;
        std::memcpy(&word, at, sizeof word);
        word ^= 0x0a0a0a0a0a0a0a0aULL;
        return ((word - 0x0101010101010101ULL) & ~word & 0x8080808080808080ULL) != 0;
    };
    return hasLineFeed(text) || hasLineFeed(text + length - 8);
}

constexpr std::size_t kMaxLineBytes = kMaxInputLineBytes;

// Calls `onLine` with every line of `fd` (without its line feed; a last line
// without one counts too), reading large blocks rather than line by line. A
// line longer than kMaxLineBytes goes to `onTooLong` instead, as its first
// bytes, and the rest of it is skipped unread into memory, so that an endless
// line (< /dev/zero) costs no more than a short one. Returns 0 at the end of
// the input, or the error that stopped the reading.
template <typename OnLine, typename OnTooLong>
int readLines(int fd, OnLine onLine, OnTooLong onTooLong)
{
    constexpr std::size_t kSize = 64 * 1024;
    static_assert(kSize > 2 * kMaxLineBytes);
    std::unique_ptr<char[]> block(new char[kSize]); // not zeroed: read() fills it
    std::string line;
    // Sized, then copied into: cheaper than assign() for a line of a date.
    const auto setLine = [&line](const char *begin, std::size_t length) {
        if (line.size() != length)
            line.resize(length);
        if (length == kDateLength)
            std::memcpy(line.data(), begin, kDateLength); // a copy of fixed size, inlined
        else
            std::memcpy(line.data(), begin, length);
    };
    std::size_t kept = 0;  // bytes of an unfinished line at the start of block
    bool skipping = false; // within a line already refused as too long
    for (;;) {
        const ssize_t count = ::read(fd, block.get() + kept, kSize - kept);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        const char *begin = block.get();
        const char *end = begin + kept + count;
        if (count == 0) {
            if (kept > 0) {
                setLine(begin, kept);
                onLine(line);
            }
            return 0;
        }
        if (skipping) {
            const void *found = std::memchr(begin, '\n', std::size_t(end - begin));
            if (!found)
                continue; // kept is 0
            begin = static_cast<const char *>(found) + 1;
            skipping = false;
        }
        for (;;) {
            const char *lineEnd = nullptr;
            if (end - begin > kDateLength && begin[kDateLength] == '\n' &&
                !hasLineFeedIn(begin, kDateLength)) {
                lineEnd = begin + kDateLength; // the usual line, a date
            } else if (const void *found = std::memchr(begin, '\n', std::size_t(end - begin))) {
                lineEnd = static_cast<const char *>(found);
            } else {
                break;
            }
            const std::size_t length = std::size_t(lineEnd - begin);
            if (length > kMaxLineBytes) {
                onTooLong(std::string_view(begin, length));
            } else {
                setLine(begin, length);
                onLine(line);
            }
            begin = lineEnd + 1;
        }
        kept = std::size_t(end - begin);
        if (kept > kMaxLineBytes) {
            onTooLong(std::string_view(begin, kept));
            skipping = true;
            kept = 0;
        } else {
            std::memmove(block.get(), begin, kept);
        }
    }
}

// A text kept in a block of fixed size: copied whole, in one fixed-size copy
// that the compiler inlines, of which only the first `size` bytes count.
template <std::size_t N> struct PaddedText
{
    char text[N] = {};
    std::size_t size = 0;

    void assign(std::string_view from)
    {
        if (from.size() > N)
            std::abort(); // the slots below are sized for every text they get
        std::memcpy(text, from.data(), from.size());
        size = from.size();
    }
};

// The lines waiting to be written: a fixed block, so that adding to it is a
// copy and a compare, and writing it out is one call.
class OutputBuffer
{
public:
    // Room enough for the longest line (a --calendar --json line is under
    // 300 bytes) beyond the point at which the block is written out.
    static constexpr std::size_t kFlushAt = 64 * 1024;
    static constexpr std::size_t kLongestLine = 1024;

    void append(const char *text, std::size_t size)
    {
        std::memcpy(m_data + m_size, text, size);
        m_size += size;
    }
    void append(std::string_view text) { append(text.data(), text.size()); }
    void push_back(char c) { m_data[m_size++] = c; }
    // Copies the whole block, beyond the line too, into the room after it.
    template <std::size_t N> void append(const PaddedText<N> &padded)
    {
        static_assert(N <= kLongestLine / 2);
        std::memcpy(m_data + m_size, padded.text, N);
        m_size += padded.size;
    }
    // A date as the reading lines print it, always YYYY-MM-DD.
    void appendDate(std::string_view date)
    {
        if (date.size() == 10) {
            std::memcpy(m_data + m_size, date.data(), 10);
            m_size += 10;
        } else {
            append(date);
        }
    }

    bool isFull() const { return m_size > kFlushAt; }
    std::string_view text() const { return {m_data, m_size}; }
    void clear() { m_size = 0; }

private:
    char m_data[kFlushAt + kLongestLine];
    std::size_t m_size = 0;
};

// `Out` is an OutputBuffer or a std::string: both append and push_back.
template <typename Out> void appendNumber(Out &out, long number)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

template <typename Out> void appendText(Out &out, const char *text)
{
    out.append(text, std::strlen(text));
}

template <typename Out> void appendJsonString(Out &out, const char *text)
{
    out.push_back('"');
    for (const char *c = text; *c; ++c) {
        if (*c == '"' || *c == '\\')
            out.push_back('\\');
        out.push_back(*c);
    }
    out.push_back('"');
}

// What follows the date on a line of each KinNumber, made once: there are
// only 260 different ones, so a line is its date and one of these.
class ReadingColumns
{
public:
    ReadingColumns()
    {
        for (int kin = 1; kin <= kKinCount; ++kin) {
            const KinEntry entry = kinEntry(kin);
            const SignName &sign = kSignNames[entry.signPosition];
            const int daySign = daySignOfPosition(entry.signPosition);

            std::string &tabs = m_tabs[kin];
            for (const long number : {long(kin), long(entry.dayNumber), long(daySign)}) {
                tabs += '\t';
                appendNumber(tabs, number);
            }
            tabs.append("\t").append(sign.Label).append("\t").append(sign.EnglishName);
            m_tabLines[kin].assign(tabs + '\n');

            std::string &json = m_json[kin];
            json += ",\"KinNumber\":";
            appendNumber(json, kin);
            json += ",\"DayNumber\":";
            appendNumber(json, entry.dayNumber);
            json += ",\"DaySign\":";
            appendNumber(json, daySign);
            json += ",\"DaySignLabel\":";
            appendJsonString(json, sign.Label);
            json += ",\"EnglishName\":";
            appendJsonString(json, sign.EnglishName);
            m_jsonLines[kin].assign(json + "}\n");
        }
    }

    // Tab-separated: "\tKinNumber\tDayNumber\tDaySign\tDaySignLabel\tEnglishName",
    // and the same ending the line.
    std::string_view tabs(int kin) const { return m_tabs[kin]; }
    const PaddedText<64> &tabLine(int kin) const { return m_tabLines[kin]; }
    // The same as JSON members, each after a comma, and the same ending the
    // object and the line.
    std::string_view json(int kin) const { return m_json[kin]; }
    const PaddedText<128> &jsonLine(int kin) const { return m_jsonLines[kin]; }

private:
    std::array<std::string, kKinCount + 1> m_tabs;
    std::array<PaddedText<64>, kKinCount + 1> m_tabLines;
    std::array<std::string, kKinCount + 1> m_json;
    std::array<PaddedText<128>, kKinCount + 1> m_jsonLines;
};

void appendLongCount(OutputBuffer &out, const MayaCalendar::LongCount &count)
{
    appendNumber(out, count.baktun);
    for (const int place : {count.katun, count.tun, count.uinal, count.kin}) {
        out.push_back('.');
        appendNumber(out, place);
    }
}

// The year bearer as "2 Manik'", in the names chosen.
void appendYearBearer(OutputBuffer &out, const MayaCalendar::Day &day, const Options &options)
{
    const MayaCalendar::Day bearer = MayaCalendar::yearBearerOf(day.julianDay, options.correlation);
    appendNumber(out, bearer.number);
    out.push_back(' ');
    appendText(out, MayaCalendar::signName(bearer.sign, options.names));
}

void appendCalendarJson(OutputBuffer &out, const MayaCalendar::Day &day, const Options &options)
{
    out.append(",\"LongCount\":\"");
    appendLongCount(out, day.longCount);
    out.append("\",\"HaabDay\":");
    appendNumber(out, day.haabDay);
    out.append(",\"HaabMonth\":");
    appendNumber(out, day.haabMonth);
    out.append(",\"HaabMonthName\":");
    appendJsonString(out, MayaCalendar::haabMonthName(day.haabMonth));
    out.append(",\"LordOfTheNight\":");
    appendNumber(out, day.lordOfTheNight);
    out.append(",\"TrecenaSign\":");
    appendNumber(out, day.trecenaSign);
    out.append(",\"JulianDay\":");
    appendNumber(out, day.julianDay);
    out.append(",\"TzolkinDay\":");
    appendNumber(out, day.tzolkinDay);
    // The names hold no character that JSON escapes.
    out.append(",\"YearBearer\":\"");
    appendYearBearer(out, day, options);
    out.push_back('"');
}

void appendCalendarColumns(OutputBuffer &out, const MayaCalendar::Day &day, const Options &options)
{
    out.push_back('\t');
    appendLongCount(out, day.longCount);
    out.push_back('\t');
    appendNumber(out, day.haabDay);
    out.push_back('\t');
    appendNumber(out, day.haabMonth);
    out.push_back('\t');
    appendText(out, MayaCalendar::haabMonthName(day.haabMonth));
    for (const long number :
         {long(day.lordOfTheNight), long(day.trecenaSign), day.julianDay, long(day.tzolkinDay)}) {
        out.push_back('\t');
        appendNumber(out, number);
    }
    out.push_back('\t');
    appendYearBearer(out, day, options);
}

// The line of a day counted by the calendar, whose first column is `date`.
void appendCalendarReading(OutputBuffer &out, const ReadingColumns &columns, std::string_view date,
                           long julianDay, const Options &options)
{
    const MayaCalendar::Day day = MayaCalendar::dayOf(julianDay, options.correlation);
    const int kin = kinNumberOfCount(day.number, day.sign);
    if (options.json) {
        out.append("{\"date\":\"");
        out.appendDate(date);
        out.push_back('"');
        if (options.calendar) {
            out.append(columns.json(kin));
            appendCalendarJson(out, day, options);
            out.append("}\n");
        } else {
            out.append(columns.jsonLine(kin));
        }
    } else {
        out.appendDate(date);
        if (options.calendar) {
            out.append(columns.tabs(kin));
            appendCalendarColumns(out, day, options);
            out.push_back('\n');
        } else {
            out.append(columns.tabLine(kin));
        }
    }
}

void appendReading(OutputBuffer &out, const ReadingColumns &columns, const std::string &iso,
                   const Date &date, const Options &options)
{
    if (!options.countsByCalendar()) {
        const int kin = kinNumberOf(date.year, date.month, date.day);
        if (options.json) {
            out.append("{\"date\":\"");
            out.appendDate(iso);
            out.push_back('"');
            out.append(columns.jsonLine(kin));
        } else {
            out.appendDate(iso);
            out.append(columns.tabLine(kin));
        }
        return;
    }
    const long julianDay =
        CalendarMonth::julianDayOf({date.year, date.month + 1, date.day}, options.system());
    appendCalendarReading(out, columns, iso, julianDay, options);
}

// A day of the range as the first column shows it: YYYY-MM-DD, zero-padded
// (0683-08-29), in the Julian calendar with --julian.
std::string dateText(long julianDay, CalendarSystem system)
{
    const CalendarDate date = CalendarMonth::dateOf(julianDay, system);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

// The dates a refused input should have been within: "0001-01-01 to
// 3999-12-31".
std::string rangeText(const Options &options)
{
    if (!options.calendar)
        return "1900-01-01 to 2099-12-31";
    return dateText(MayaCalendar::firstJulianDay(), options.system()) + " to " +
           dateText(MayaCalendar::lastJulianDay(), options.system());
}

// Why `text` was refused as a date.
std::string notADate(const std::string &text, const Options &options)
{
    return quoted(text) +
           (options.julian ? " is not a Julian calendar date from " : " is not a date from ") +
           rangeText(options) + " (YYYY-MM-DD)";
}

// The day a --next or --previous asks for, and where to look from.
struct DaySearch
{
    std::string specText; // as given
    MayaCalendar::DaySpec spec;
    bool forward = true; // --next rather than --previous
    long from = 0;       // a Julian day
    int count = 1;
};

class KinPrinter
{
public:
    explicit KinPrinter(const Options &options) : m_options(options) {}

    void process(const std::string &input)
    {
        // A line without blanks around it, as most are, is its own text.
        const bool bare =
            !input.empty() && !isBlankByte(input.front()) && !isBlankByte(input.back());
        const std::string &text = bare ? input : (m_trimmed = trimmed(input));
        Date date{};
        // A NUL or any other byte out of place makes the whole line no date.
        if (!readDate(text, date)) {
            if (m_options.calendar && KinInput::looksLikeLongCount(text))
                processLongCount(text);
            else
                refuse(notADate(text, m_options));
            return;
        }
        appendReading(m_buffer, m_columns, text, date, m_options);
        if (m_buffer.isFull())
            flush();
    }

    // A Long Count, from --long-count or a line of its own: the day it names.
    // Blanks around it are let be, as around a date.
    void processLongCount(const std::string &input)
    {
        const std::string text = trimmed(input);
        const std::optional<MayaCalendar::LongCount> count = MayaCalendar::parseLongCount(text);
        if (!count) {
            refuse(quoted(text) + " is not a Long Count such as 9.12.11.5.18 (katun, tun and kin "
                                  "0..19, uinal 0..17)");
            return;
        }
        const std::optional<long> julianDay =
            MayaCalendar::julianDayOfLongCount(*count, m_options.correlation);
        if (!julianDay) {
            refuse(quoted(text) + " is a Long Count outside " + rangeText(m_options));
            return;
        }
        printDay(*julianDay);
    }

    // The days of --next or --previous, nearest first, as far as the range
    // goes: a day beyond it ends the list with an error.
    void printSearch(const DaySearch &search)
    {
        long day = search.from;
        for (int printed = 0; printed < search.count; ++printed) {
            const std::optional<long> found =
                search.forward ? MayaCalendar::nextDay(search.spec, day, m_options.correlation)
                               : MayaCalendar::previousDay(search.spec, day, m_options.correlation);
            if (!found || !MayaCalendar::isInRange(*found)) {
                refuse("no more days " + quoted(search.specText) +
                       (search.forward ? " after " : " before ") +
                       dateText(search.from, m_options.system()) + " within " +
                       rangeText(m_options) + ": " + std::to_string(printed) + " of " +
                       std::to_string(search.count) + " printed");
                return;
            }
            day = *found;
            printDay(day);
        }
    }

    // A line longer than kMaxLineBytes, by its first bytes.
    void refuseTooLong(std::string_view start)
    {
        flush();
        // Enough bytes for the 40 characters quoted() shows, and its "...".
        std::fprintf(stderr, "tzolkara-kin: %s is a line longer than %zu bytes, not a date\n",
                     quoted(std::string(start.substr(0, 200))).c_str(), kMaxLineBytes);
        m_failed = true;
    }

    bool failed() const { return m_failed; }

    // An input refused, in order with the lines printed before it.
    void refuse(const std::string &reason)
    {
        flush();
        std::fprintf(stderr, "tzolkara-kin: %s\n", reason.c_str());
        m_failed = true;
    }

    void flush()
    {
        writeOutput(m_buffer.text());
        m_buffer.clear();
    }

private:
    bool readDate(const std::string &text, Date &date) const
    {
        return m_options.julian ? KinInput::parseJulianDate(text, date)
                                : parseDate(text, m_options.calendar, date);
    }

    void printDay(long julianDay)
    {
        appendCalendarReading(m_buffer, m_columns, dateText(julianDay, m_options.system()),
                              julianDay, m_options);
        if (m_buffer.isFull())
            flush();
    }

    Options m_options;
    bool m_failed = false;
    std::string m_trimmed;
    ReadingColumns m_columns;
    OutputBuffer m_buffer;
};

// Reads the dates of standard input, one a line, into `printer`. On a
// terminal the usage line comes first, so that nobody waits on a silent
// program. False, with the reason on standard error, when the input could not
// be read.
bool readStandardInput(KinPrinter &printer)
{
    if (::isatty(STDIN_FILENO)) {
        printer.flush(); // the readings of the dates before, first
        std::fprintf(stderr,
                     "%stzolkara-kin: reading dates from the terminal, one a line; "
                     "end with Ctrl-D\n",
                     kUsageLine);
    }
    const int error = readLines(
        STDIN_FILENO,
        [&printer](const std::string &line) {
            if (!isBlank(line))
                printer.process(line);
        },
        [&printer](std::string_view start) { printer.refuseTooLong(start); });
    if (error == 0)
        return true;
    printer.flush();
    std::fprintf(stderr, "tzolkara-kin: cannot read the input: %s\n", std::strerror(error));
    return false;
}

// An argument to print the reading of, in the order given.
struct Input
{
    enum class Kind { Date, LongCount, StandardInput };
    Kind kind;
    std::string text;
};

struct Arguments
{
    Options options;
    std::vector<Input> inputs;
    // --next or --previous and the options that go with it, as given;
    // `search` is made of them once all the options are known.
    const char *searchOption = nullptr;
    std::string spec;
    const char *from = nullptr;
    const char *count = nullptr;
    const char *names = nullptr; // --names as given
    std::optional<DaySearch> search;
};

// One line on standard error for an argument refused before anything is
// printed; the exit code that goes with it.
int refuseArgument(const std::string &reason)
{
    std::fprintf(stderr, "tzolkara-kin: %s\n", reason.c_str());
    return kInputRefused;
}

// An option that takes one value, given again: which one counts would be a
// guess.
int givenTwice(const char *option)
{
    return refuseArgument(std::string(option) + " is given twice");
}

// Whether argv[i] is the option `name`, as "name value" (then `i` moves on to
// the value) or as "name=value". `value` is empty when none follows.
bool isValueOption(int argc, char **argv, int &i, const char *name, const char *&value)
{
    const std::size_t length = std::strlen(name);
    const char *arg = argv[i];
    if (std::strncmp(arg, name, length) != 0 || (arg[length] != '\0' && arg[length] != '='))
        return false;
    if (arg[length] == '=')
        value = arg + length + 1;
    else
        value = i + 1 < argc ? argv[++i] : "";
    return true;
}

// The set of day names of --names: yucatec or kiche, in any case, with the
// apostrophes of K'iche' or without.
std::optional<MayaCalendar::DayNames> parseDayNames(std::string_view text)
{
    std::string word;
    for (const char c : text) {
        if (c != '\'')
            word += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    if (word == "yucatec")
        return MayaCalendar::DayNames::Yucatec;
    if (word == "kiche")
        return MayaCalendar::DayNames::Kiche;
    return std::nullopt;
}

// Today's Julian day by the local clock, which --from stands for by default.
long today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return MayaCalendar::julianDayOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

// Why `spec`, which parseDaySpec() read, never occurs.
std::string neverOccurs(const std::string &text, const MayaCalendar::DaySpec &spec,
                        MayaCalendar::DayNames names)
{
    const std::string never = quoted(text) + " never occurs: ";
    if (spec.haabMonth == 19 && spec.haabDay > 4)
        return never + "Wayeb' has the days 0 to 4";
    std::string days;
    for (const int haabDay : MayaCalendar::haabDaysOfSign(spec.sign)) {
        const bool last = haabDay >= 15;
        days += (days.empty() ? "" : last ? " and " : ", ") + std::to_string(haabDay);
    }
    return never + MayaCalendar::signName(spec.sign, names) + " falls on the Haab' days " + days +
           " only";
}

// The option of the command line that needs --calendar, or nullptr.
const char *optionNeedingCalendar(const Arguments &arguments)
{
    if (arguments.options.julian)
        return "--julian";
    if (arguments.names)
        return "--names";
    return nullptr;
}

// Makes arguments.search of --next or --previous and its options; an exit
// code when one is refused.
std::optional<int> readSearch(Arguments &arguments)
{
    DaySearch search;
    search.specText = arguments.spec;
    search.forward = std::strcmp(arguments.searchOption, "--next") == 0;
    const Options &options = arguments.options;
    const std::optional<MayaCalendar::DaySpec> spec =
        MayaCalendar::parseDaySpec(arguments.spec, options.names);
    if (!spec) {
        const std::string sign = std::string("4 ") + MayaCalendar::signName(20, options.names);
        return refuseArgument(quoted(arguments.spec) + " is not a day such as " + sign +
                              ", 8 Kumk'u or " + sign + " 8 Kumk'u");
    }
    if (!MayaCalendar::canOccur(*spec))
        return refuseArgument(neverOccurs(arguments.spec, *spec, options.names));
    search.spec = *spec;
    search.from = today();
    if (arguments.from) {
        Date date{};
        const std::string from = arguments.from;
        if (options.julian ? !KinInput::parseJulianDate(from, date) : !parseDate(from, true, date))
            return refuseArgument("--from " + notADate(from, options));
        search.from =
            CalendarMonth::julianDayOf({date.year, date.month + 1, date.day}, options.system());
    }
    if (arguments.count) {
        const std::optional<int> count = KinInput::parseDayCount(arguments.count);
        if (!count)
            return refuseArgument("--count " + quoted(arguments.count) +
                                  " is not a number from 1 to " +
                                  std::to_string(KinInput::kMaxDayCount));
        search.count = *count;
    }
    arguments.search = search;
    return std::nullopt;
}

// Whether the options go together; an exit code when they do not.
std::optional<int> checkArguments(Arguments &arguments)
{
    if (const char *option = optionNeedingCalendar(arguments);
        option && !arguments.options.calendar)
        return refuseArgument(std::string(option) + " needs --calendar");
    if (!arguments.searchOption) {
        if (arguments.from || arguments.count)
            return refuseArgument(std::string(arguments.from ? "--from" : "--count") +
                                  " needs --next or --previous");
        return std::nullopt;
    }
    if (!arguments.inputs.empty())
        return refuseArgument(std::string(arguments.searchOption) +
                              " prints the days it finds: give it no dates or Long Counts");
    return readSearch(arguments);
}

// Reads the command line into `arguments`; an exit code when the program
// ends here: --help, --version, or an argument refused before anything is
// printed.
std::optional<int> readArguments(int argc, char **argv, Arguments &arguments)
{
    Options &options = arguments.options;
    // After "--" every argument is an input, whatever it looks like.
    bool optionsEnded = false;
    bool correlationGiven = false;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        const char *value = nullptr;
        if (optionsEnded) {
            const bool standardInput = std::strcmp(arg, "-") == 0;
            arguments.inputs.push_back(
                {standardInput ? Input::Kind::StandardInput : Input::Kind::Date, arg});
        } else if (std::strcmp(arg, "--json") == 0) {
            options.json = true;
        } else if (std::strcmp(arg, "--calendar") == 0) {
            options.calendar = true;
        } else if (std::strcmp(arg, "--julian") == 0) {
            options.julian = true;
        } else if (isValueOption(argc, argv, i, "--correlation", value)) {
            if (correlationGiven)
                return givenTwice("--correlation");
            correlationGiven = true;
            const std::optional<long> correlation = parseCorrelation(value);
            if (!correlation)
                return refuseArgument("the correlation " + quoted(value) +
                                      " is not 584283, 584285 or 584286");
            options.correlation = *correlation;
        } else if (isValueOption(argc, argv, i, "--long-count", value)) {
            // A Long Count has no meaning outside the whole calendar.
            options.calendar = true;
            arguments.inputs.push_back({Input::Kind::LongCount, value});
        } else if (isValueOption(argc, argv, i, "--next", value) ||
                   isValueOption(argc, argv, i, "--previous", value)) {
            if (arguments.searchOption)
                return refuseArgument("give one --next or --previous, once");
            arguments.searchOption = std::strncmp(arg, "--next", 6) == 0 ? "--next" : "--previous";
            arguments.spec = value;
            // The days found are printed as the whole calendar prints them.
            options.calendar = true;
        } else if (isValueOption(argc, argv, i, "--from", value)) {
            if (arguments.from)
                return givenTwice("--from");
            arguments.from = value;
        } else if (isValueOption(argc, argv, i, "--count", value)) {
            if (arguments.count)
                return givenTwice("--count");
            arguments.count = value;
        } else if (isValueOption(argc, argv, i, "--names", value)) {
            if (arguments.names)
                return givenTwice("--names");
            arguments.names = value;
            const std::optional<MayaCalendar::DayNames> names = parseDayNames(value);
            if (!names)
                return refuseArgument("--names " + quoted(value) + " is not yucatec or kiche");
            options.names = *names;
        } else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            writeOutput(kUsageLine);
            writeOutput(kUsageDetails);
            return closeOutput(kAllPrinted);
        } else if (std::strcmp(arg, "--version") == 0) {
            writeOutput("tzolkara-kin " TZOLKARA_VERSION "\n");
            return closeOutput(kAllPrinted);
        } else if (std::strcmp(arg, "--") == 0) {
            optionsEnded = true;
        } else if (arg[0] == '-' && arg[1] != '\0') {
            // No date begins with a dash: "-v" is a mistyped option, refused
            // before anything is printed, as "--v" is.
            std::fprintf(stderr, "tzolkara-kin: unknown option %s\nTry 'tzolkara-kin --help'.\n",
                         quoted(arg).c_str());
            return kInputRefused;
        } else {
            const bool standardInput = std::strcmp(arg, "-") == 0;
            arguments.inputs.push_back(
                {standardInput ? Input::Kind::StandardInput : Input::Kind::Date, arg});
        }
    }
    return checkArguments(arguments);
}

} // namespace

int main(int argc, char **argv)
{
    Arguments arguments;
    if (const std::optional<int> exitCode = readArguments(argc, argv, arguments))
        return *exitCode;
    KinPrinter printer(arguments.options);
    if (arguments.search) {
        printer.printSearch(*arguments.search);
    } else {
        std::vector<Input> &inputs = arguments.inputs;
        if (inputs.empty())
            inputs.push_back({Input::Kind::StandardInput, {}});
        for (const Input &input : inputs) {
            if (input.kind == Input::Kind::Date)
                printer.process(input.text);
            else if (input.kind == Input::Kind::LongCount)
                printer.processLongCount(input.text);
            else if (!readStandardInput(printer))
                return closeOutput(kInputRefused);
        }
    }
    printer.flush();
    return closeOutput(printer.failed() ? kInputRefused : kAllPrinted);
}
