// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KinEngine.h"

#include "BirthMonth.h"
#include "engine/KinTables.h"
#include "SignTable.h"

namespace tzolkara {

void KinEngine::CalculateReading()
{
    const int kin = kinNumberOf(m_state.BirthYear, m_state.BirthMonth, m_state.BirthDay);
    if (kin < 1)
        return;

    const KinEntry entry = kinEntry(kin);
    m_state.DayNumber = static_cast<qint16>(entry.dayNumber);
    m_state.DaySignLabel = QString::fromLatin1(SignTable()[entry.signPosition].Label);

    if (const ToneRecord *tone = findToneByNumber(m_state.DayNumber))
        m_state.DayNumberDescription = tone->Description;

    // Looked up by label, as every reader of the tables does, so a label
    // that matches no record leaves the sign texts as they were.
    if (const SignRecord *sign = findSignByLabel(m_state.DaySignLabel)) {
        m_state.EnglishName = QString::fromLatin1(sign->EnglishName);
        m_state.SignDescription = sign->Description;
        m_state.Keywords = QString::fromLatin1(sign->Keywords);
        m_state.Gemstone = QString::fromLatin1(sign->Gemstone);
        m_state.Significance = QString::fromLatin1(sign->Significance);
        m_state.FamousPersons = QString::fromLatin1(sign->FamousPersons);
    }
}

} // namespace tzolkara
