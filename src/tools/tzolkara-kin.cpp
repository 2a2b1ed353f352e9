// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tzolkara-kin: the kin engine for scripts. Reads ISO dates (YYYY-MM-DD) from
// the arguments, or one per line from standard input, and prints the place of
// each in the 260-day count, and with --calendar in the whole Maya calendar.

#include "common/InputLimits.h"
#include "engine/KinTables.h"
#include "engine/MayaCalendar.h"
#include "engine/SignNames.h"
#include "tools/KinInput.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
    "Usage: tzolkara-kin [--json] [--calendar] [--correlation N] [YYYY-MM-DD | - ...]\n";
constexpr const char *kUsageDetails =
    "Prints the 260-day count of each birth date from 1900-01-01 to 2099-12-31:\n"
    "  date, KinNumber, DayNumber, DaySign (1..20, Crocodile 1), DaySignLabel, EnglishName\n"
    "separated by tabs, or one JSON object per line with --json.\n"
    "With --calendar, any date from 0001-01-01 to 3999-12-31, and after those columns:\n"
    "  LongCount, HaabDay (0..19), HaabMonth (1..19, Pop 1), HaabMonthName,\n"
    "  LordOfTheNight (1..9), TrecenaSign (1..20), JulianDay\n"
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

void appendCalendarJson(OutputBuffer &out, const MayaCalendar::Day &day)
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
}

void appendCalendarColumns(OutputBuffer &out, const MayaCalendar::Day &day)
{
    out.push_back('\t');
    appendLongCount(out, day.longCount);
    out.push_back('\t');
    appendNumber(out, day.haabDay);
    out.push_back('\t');
    appendNumber(out, day.haabMonth);
    out.push_back('\t');
    appendText(out, MayaCalendar::haabMonthName(day.haabMonth));
    for (const long number : {long(day.lordOfTheNight), long(day.trecenaSign), day.julianDay}) {
        out.push_back('\t');
        appendNumber(out, number);
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
    const MayaCalendar::Day day = MayaCalendar::dayOf(
        MayaCalendar::julianDayOf(date.year, date.month + 1, date.day), options.correlation);
    const int kin = kinNumberOfCount(day.number, day.sign);
    if (options.json) {
        out.append("{\"date\":\"");
        out.appendDate(iso);
        out.push_back('"');
        if (options.calendar) {
            out.append(columns.json(kin));
            appendCalendarJson(out, day);
            out.append("}\n");
        } else {
            out.append(columns.jsonLine(kin));
        }
    } else {
        out.appendDate(iso);
        if (options.calendar) {
            out.append(columns.tabs(kin));
            appendCalendarColumns(out, day);
            out.push_back('\n');
        } else {
            out.append(columns.tabLine(kin));
        }
    }
}

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
        if (!parseDate(text, m_options.calendar, date)) {
            flush(); // keep the error in order with the lines before it
            std::fprintf(stderr, "tzolkara-kin: %s is not a date from %s (YYYY-MM-DD)\n",
                         quoted(text).c_str(),
                         m_options.calendar ? "0001-01-01 to 3999-12-31"
                                            : "1900-01-01 to 2099-12-31");
            m_failed = true;
            return;
        }
        appendReading(m_buffer, m_columns, text, date, m_options);
        if (m_buffer.isFull())
            flush();
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

    void flush()
    {
        writeOutput(m_buffer.text());
        m_buffer.clear();
    }

private:
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

} // namespace

int main(int argc, char **argv)
{
    constexpr const char *kStandardInput = "-";
    Options options;
    std::vector<std::string> dates; // kStandardInput stands for the lines of standard input
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
            writeOutput(kUsageLine);
            writeOutput(kUsageDetails);
            return closeOutput(kAllPrinted);
        } else if (arg[0] == '-' && arg[1] != '\0') {
            // No date begins with a dash: "-v" is a mistyped option, refused
            // before anything is printed, as "--v" is.
            std::fprintf(stderr, "tzolkara-kin: unknown option %s\n%s%s", quoted(arg).c_str(),
                         kUsageLine, kUsageDetails);
            return kInputRefused;
        } else {
            dates.emplace_back(arg);
        }
    }
    if (dates.empty())
        dates.emplace_back(kStandardInput);

    KinPrinter printer(options);
    for (const std::string &date : dates) {
        if (date != kStandardInput)
            printer.process(date);
        else if (!readStandardInput(printer))
            return closeOutput(kInputRefused);
    }
    printer.flush();
    return closeOutput(printer.failed() ? kInputRefused : kAllPrinted);
}
