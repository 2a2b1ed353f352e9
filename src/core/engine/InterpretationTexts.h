// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/i18n/Language.h"

#include <QString>

namespace tzolkara {

// The long interpretation texts of the day signs and day numbers, one
// paragraph each, read from resources/texts (see the README there); the
// English ones from its top folder, those of another language from the
// folder named by its code (es/ for Spanish).

// Text of day sign 1..20 (1 Crocodile .. 20 Sun, the DaySign count), from
// signs/01.txt .. 20.txt.
QString signDescription(int daySign, const Language &language);
// Text of day number 1..13, from tones/01.txt .. 13.txt.
QString toneDescription(int number, const Language &language);

// ":/texts/" for English, ":/texts/es/" for Spanish.
QString textsFolder(const Language &language);

} // namespace tzolkara
