// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/i18n/Language.h"

#include <QStringList>

namespace tzolkara {

// The language the desktop asks for: Spanish for any "es" in the user's
// languages before an English one, English otherwise.
Language languageFor(const QStringList &uiLanguages);

// Installs the program's and Qt's own translations for the language and
// makes it the program's current language. English loads nothing.
void installTranslations(Language language);

} // namespace tzolkara
