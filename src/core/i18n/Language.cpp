// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/i18n/Language.h"

namespace tzolkara {

namespace {
Language g_language = Language::English;
} // namespace

Language currentLanguage()
{
    return g_language;
}

void setCurrentLanguage(Language language)
{
    g_language = language;
}

} // namespace tzolkara
