// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace tzolkara {

// The twenty day signs, Imix (Imox) 1 to Ajaw (Ajpu) 20, in each way of
// writing them that the calendar reads. The readings' labels, the last way,
// come from SignNames.h.

// Yucatec, in the modern spelling of the Guatemalan Academy of Mayan
// Languages, as most current epigraphy writes them.
inline constexpr std::array<const char *, 20> kYucatecSignNames = {
    "Imix",   "Ik'", "Ak'bal", "K'an", "Chikchan", "Kimi", "Manik'", "Lamat",   "Muluk", "Ok",
    "Chuwen", "Eb",  "Ben",    "Ix",   "Men",      "Kib",  "Kaban",  "Etz'nab", "Kawak", "Ajaw",
};

// K'iche', as the day keepers of the Guatemalan highlands count them today.
inline constexpr std::array<const char *, 20> kKicheSignNames = {
    "Imox",   "Iq'", "Aq'ab'al", "K'at", "Kan",     "Kame",  "Kej",  "Q'anil", "Toj",   "Tz'i'",
    "B'atz'", "E",   "Aj",       "I'x",  "Tz'ikin", "Ajmaq", "No'j", "Tijax",  "Kawoq", "Ajpu",
};

// The colonial spelling of the older literature, Yucatec names in Spanish
// letters.
inline constexpr std::array<const char *, 20> kColonialSignNames = {
    "Imix",  "Ik", "Akbal", "Kan", "Chicchan", "Cimi", "Manik", "Lamat",  "Muluc", "Oc",
    "Chuen", "Eb", "Ben",   "Ix",  "Men",      "Cib",  "Caban", "Etznab", "Cauac", "Ahau",
};

} // namespace tzolkara
