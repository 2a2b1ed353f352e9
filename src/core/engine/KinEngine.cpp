// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/engine/KinEngine.h"

#include "core/engine/BirthMonth.h"
#include "core/engine/InterpretationTexts.h"
#include "core/engine/SignTable.h"
#include "tables/engine/KinTables.h"

namespace tzolkara {

void KinEngine::CalculateReading()
{
    const int kin = kinNumberOf(m_state.BirthYear, m_state.BirthMonth, m_state.BirthDay);
    if (kin < 1)
        return;

    const KinEntry entry = kinEntry(kin);
    m_state.DayNumber = static_cast<qint16>(entry.dayNumber);
    m_state.DaySignLabel = QString::fromLatin1(SignTable()[entry.signPosition].Label);

    if (const ToneRecord *tone = findToneByNumber(m_state.DayNumber)) {
        m_state.DayNumberDescription =
            m_language.isEnglish() ? tone->Description : toneDescription(tone->Number, m_language);
    }

    // Looked up by label, as every reader of the tables does, so a label
    // that matches no record leaves the sign texts as they were.
    if (const SignRecord *sign = findSignByLabel(m_state.DaySignLabel)) {
        const int daySign = daySignOf(*sign);
        const auto say = [this](const char *english) {
            return m_language.word("SignTexts", english);
        };
        m_state.DaySign = static_cast<qint16>(daySign);
        m_state.EnglishName = m_language.word("SignNames", sign->EnglishName);
        m_state.SignDescription =
            m_language.isEnglish() ? sign->Description : signDescription(daySign, m_language);
        m_state.Keywords = say(sign->Keywords);
        m_state.Gemstone = say(sign->Gemstone);
        m_state.Significance = say(sign->Significance);
        // People's names are the same in every language.
        m_state.FamousPersons = QString::fromLatin1(sign->FamousPersons);
    }
}

} // namespace tzolkara
