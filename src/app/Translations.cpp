// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tzolkara {

Language languageFor(const QStringList &uiLanguages)
{
    // The first language the program speaks wins: "fr_FR es_MX" is Spanish,
    // "en_GB es_ES" English.
    for (const QString &tag : uiLanguages) {
        const QString language =
            tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (language.compare(QLatin1String("es"), Qt::CaseInsensitive) == 0)
            return Language::Spanish;
        if (language.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
            return Language::English;
    }
    return Language::English;
}

void installTranslations(Language language)
{
    setCurrentLanguage(language);
    // English is the source text: no file to read at start-up.
    if (language == Language::English)
        return;
    auto *program = new QTranslator(QCoreApplication::instance());
    if (program->load(QStringLiteral(":/i18n/tzolkara_es.qm")))
        QCoreApplication::installTranslator(program);
    // The buttons of message boxes and file dialogs; missing on a desktop
    // without Qt's translations, where they stay English.
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

} // namespace tzolkara
