// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/i18n/Language.h"

#include <QTranslator>

namespace tzolkara {

// While it lives, the application speaks `language`: the program's own
// translation and Qt's (the buttons of message boxes and file dialogs) are
// installed. English installs nothing.
class InstalledLanguage final
{
public:
    explicit InstalledLanguage(const Language &language);
    ~InstalledLanguage();
    Q_DISABLE_COPY_MOVE(InstalledLanguage)

private:
    Language m_language;
    QTranslator m_qt;
    bool m_qtInstalled = false;
};

} // namespace tzolkara
