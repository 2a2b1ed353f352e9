// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/tools/KinInput.h"

#include "tables/engine/BirthDate.h"
#include "tables/engine/MayaCalendar.h"

#include <cstdio>

namespace tzolkara::KinInput {

namespace {

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

// YYYY-MM-DD in digits, whether or not it names a real day.
bool parseIsoDate(const std::string &text, Date &date)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    int month = 0;
    if (!parseNumber(text, 0, 4, date.year) || !parseNumber(text, 5, 2, month) ||
        !parseNumber(text, 8, 2, date.day))
        return false;
    date.month = month - 1;
    return true;
}

// Characters a terminal does not show as themselves: they reorder the line
// (bidirectional controls), hide in it (zero-width and the other format
// characters of Unicode 15) or break it (line and paragraph separators).
bool isInvisibleOrReordering(char32_t c)
{
    constexpr char32_t kRanges[][2] = {
        {0x00ad, 0x00ad},   {0x0600, 0x0605},   {0x061c, 0x061c},   {0x06dd, 0x06dd},
        {0x070f, 0x070f},   {0x0890, 0x0891},   {0x08e2, 0x08e2},   {0x180e, 0x180e},
        {0x200b, 0x200f},   {0x2028, 0x202e},   {0x2060, 0x206f},   {0xfeff, 0xfeff},
        {0xfff9, 0xfffb},   {0x110bd, 0x110bd}, {0x110cd, 0x110cd}, {0x13430, 0x1343f},
        {0x1bca0, 0x1bca3}, {0x1d173, 0x1d17a}, {0xe0000, 0xe007f},
    };
    for (const auto &range : kRanges) {
        if (c >= range[0] && c <= range[1])
            return true;
    }
    return false;
}

// Length of the valid UTF-8 sequence of two or more bytes at `at`, or 0 when
// there is none or it encodes a C1 control character (U+0080..U+009F) or a
// character isInvisibleOrReordering() names.
std::size_t printableSequenceAt(const std::string &text, std::size_t at)
{
    const auto byte = [&text](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
    };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
        if (lead == 0xc2)
            low = 0xa0;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : low;   // no overlong form
        high = lead == 0xed ? 0x9f : high; // no surrogate
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : low;
        high = lead == 0xf4 ? 0x8f : high;
    } else {
        return 0;
    }
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    char32_t codePoint = lead & (0xff >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xbf)
            return 0;
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3f);
    }
    return isInvisibleOrReordering(codePoint) ? 0 : length;
}

} // namespace

std::string trimmed(const std::string &text)
{
    const char *blanks = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool parseDate(const std::string &text, bool wholeCalendar, Date &date)
{
    if (!parseIsoDate(text, date))
        return false;
    return wholeCalendar ? MayaCalendar::isCalendarDate(date.year, date.month + 1, date.day)
                         : isValidBirthDate(date.year, date.month, date.day);
}

bool parseJulianDate(const std::string &text, Date &date)
{
    return parseIsoDate(text, date) &&
           MayaCalendar::isJulianCalendarDate(date.year, date.month + 1, date.day);
}

bool looksLikeLongCount(const std::string &text)
{
    return text.find('.') != std::string::npos && text.find('-') == std::string::npos;
}

std::string quoted(const std::string &text)
{
    constexpr std::size_t kShownCharacters = 40;
    std::string out = "'";
    std::size_t at = 0;
    for (std::size_t shown = 0; at < text.size() && shown < kShownCharacters; ++shown) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        if (const std::size_t length = printableSequenceAt(text, at)) {
            out.append(text, at, length);
            at += length;
            continue;
        }
        ++at;
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\0':
            out += "\\0";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            if (c >= 0x20 && c < 0x7f) {
                out += static_cast<char>(c);
            } else {
                char escape[5];
                std::snprintf(escape, sizeof escape, "\\x%02x", c);
                out += escape;
            }
        }
    }
    if (at < text.size())
        out += "...";
    return out + "'";
}

std::optional<long> parseCorrelation(const char *text)
{
    const std::string value = text ? text : "";
    int number = 0;
    if (value.size() != 6 || !parseNumber(value, 0, 6, number) ||
        !MayaCalendar::isSupportedCorrelation(number))
        return std::nullopt;
    return number;
}

std::optional<int> parseDayCount(const char *text)
{
    const std::string value = text ? text : "";
    int count = 0;
    if (value.empty() || value.size() > 5 || !parseNumber(value, 0, value.size(), count) ||
        count < 1 || count > kMaxDayCount)
        return std::nullopt;
    return count;
}

} // namespace tzolkara::KinInput
