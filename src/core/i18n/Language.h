// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace tzolkara {

// The language the program speaks, chosen once at start-up from the desktop's
// and handed to what says things in it. A language is data alone: its
// compiled translation (:/i18n/tzolkara_<code>.qm, from translations/), a
// folder of texts (:/texts/<code>/) and, for the pictures that carry words, a
// folder of pictures (e.g. :/artwork/cards/<code>/), all found by its code.
// English is the language the program is written in: its words are the
// source texts and its files lie at the top of each folder. Files the program
// writes and reads (reading files, settings) are the same in every language.
class Language final
{
public:
    // English.
    Language();

    // The language of `code` ("es"), or English when the program has no
    // translation into it.
    static Language fromCode(const QString &code);
    // The first of the desktop's languages (QLocale::uiLanguages(), "es-MX",
    // "fr_FR") that the program speaks: English wins where it comes first, a
    // language without a translation is passed over.
    static Language forUiLanguages(const QStringList &uiLanguages);
    // The codes of every language the program speaks, English first.
    static QStringList available();

    QString code() const { return m_code; }
    bool isEnglish() const { return !m_translator; }

    // `source`, a word of the tables marked with QT_TRANSLATE_NOOP in
    // `context`, as this language says it; the source itself in English or
    // where a translation lacks it.
    QString word(const char *context, const char *source) const;
    // The folder of this language under `root` (":/texts/"), or `root`
    // itself, the English files, when the language has no folder there.
    QString folderUnder(const QString &root) const;

    // The translation of the program's own words, for the application to
    // install; null in English.
    QTranslator *translator() const { return m_translator.get(); }

private:
    QString m_code;
    std::shared_ptr<QTranslator> m_translator;
};

} // namespace tzolkara
