// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/NameText.h"

namespace tzolkara::NameText {

namespace {

// Tab, line feed, vertical tab, form feed, carriage return, next line, and
// the line and paragraph separators.
bool separatesWords(char32_t c)
{
    return (c >= 0x09 && c <= 0x0d) || c == 0x85 || c == 0x2028 || c == 0x2029;
}

// Hands `keep` every whole character of `text` with its code point; halves
// of characters are left out.
template <typename Keep> QString keptCharacters(const QString &text, Keep keep)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            keep(QChar::surrogateToUcs4(c, text.at(i + 1)), kept, QStringView(text).sliced(i, 2));
            ++i;
        } else if (!c.isSurrogate()) {
            keep(char32_t(c.unicode()), kept, QStringView(text).sliced(i, 1));
        }
    }
    return kept;
}

} // namespace

QString withoutBrokenCharacters(const QString &text)
{
    return keptCharacters(
        text, [](char32_t, QString &whole, QStringView character) { whole.append(character); });
}

QString oneLine(const QString &text)
{
    return keptCharacters(text, [](char32_t c, QString &line, QStringView character) {
        if (separatesWords(c))
            line.append(QLatin1Char(' '));
        else if (QChar::category(c) != QChar::Other_Control)
            line.append(character);
    });
}

QString withoutInvisibles(const QString &text)
{
    return keptCharacters(text, [](char32_t c, QString &kept, QStringView character) {
        const QChar::Category category = QChar::category(c);
        if (category != QChar::Other_Control && category != QChar::Other_Format &&
            !QChar::isNonCharacter(c) && !separatesWords(c))
            kept.append(character);
    });
}

} // namespace tzolkara::NameText
