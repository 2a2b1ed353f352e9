// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/engine/ReadingState.h"
#include "core/i18n/Language.h"

namespace tzolkara {

// One instance of the kin engine: its own ReadingState and the calculation
// over the shared constant tables, whose words it says in its language.
class KinEngine final
{
public:
    explicit KinEngine(Language language = Language()) : m_language(std::move(language)) {}
    Q_DISABLE_COPY_MOVE(KinEngine)

    ReadingState &state() { return m_state; }
    const ReadingState &state() const { return m_state; }

    // Turns BirthYear, BirthMonth and BirthDay into the nine result fields
    // and DaySign, the words in the engine's language; UserName is never read
    // or changed. A birth year outside 1900..2099 leaves every result field
    // as it was.
    void CalculateReading();

private:
    Language m_language;
    ReadingState m_state;
};

} // namespace tzolkara
