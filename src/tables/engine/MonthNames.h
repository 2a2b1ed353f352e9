// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace tzolkara {

// The English month names, January first: what the reading state and the
// reading file hold as the birth month, whatever language the lists show.
inline constexpr std::array<const char *, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

} // namespace tzolkara
