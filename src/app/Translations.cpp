// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tzolkara {

InstalledLanguage::InstalledLanguage(const Language &language) : m_language(language)
{
    // English is the source text: no file to read at start-up.
    if (m_language.isEnglish())
        return;
    QCoreApplication::installTranslator(m_language.translator());
    // Missing on a desktop without Qt's translations, where Qt's own buttons
    // stay English.
    m_qtInstalled =
        m_qt.load(QStringLiteral("qtbase_") + m_language.code(),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(&m_qt);
}

InstalledLanguage::~InstalledLanguage()
{
    if (m_qtInstalled)
        QCoreApplication::removeTranslator(&m_qt);
    if (!m_language.isEnglish())
        QCoreApplication::removeTranslator(m_language.translator());
}

} // namespace tzolkara
