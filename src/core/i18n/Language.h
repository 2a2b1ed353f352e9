// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tzolkara {

// The languages the program speaks. Chosen once at start-up from the
// desktop's locale; the readings' texts and names follow it. Files the
// program writes and reads (reading files, settings) are the same in every
// language.
enum class Language { English, Spanish };

Language currentLanguage();
void setCurrentLanguage(Language language);

} // namespace tzolkara
