// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/i18n/Language.h"

#include <QDir>
#include <QFileInfo>
#include <QTranslator>

namespace tzolkara {

namespace {

constexpr auto kEnglish = QLatin1StringView("en");

QString translationsFolder()
{
    return QStringLiteral(":/i18n/");
}

QString translationFile(const QString &code)
{
    return translationsFolder() + QStringLiteral("tzolkara_%1.qm").arg(code);
}

// "es-MX", "es_MX" and "es" all name Spanish; the region is tried first, so
// a language may have a regional translation beside its general one.
QStringList codesToTry(const QString &tag)
{
    QString code = tag;
    code.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = code.section(QLatin1Char('_'), 0, 0).toLower();
    if (code.contains(QLatin1Char('_')))
        return {language + QLatin1Char('_') + code.section(QLatin1Char('_'), -1), language};
    return {language};
}

} // namespace

Language::Language() : m_code(kEnglish) {}

Language Language::fromCode(const QString &code)
{
    Language language;
    if (code.isEmpty() || code == kEnglish || !QFileInfo::exists(translationFile(code)))
        return language;
    auto translator = std::make_shared<QTranslator>();
    if (!translator->load(translationFile(code))) {
        qWarning("Tzolkara: the translation %s cannot be read", qPrintable(code));
        return language;
    }
    language.m_code = code;
    language.m_translator = std::move(translator);
    return language;
}

Language Language::forUiLanguages(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        for (const QString &code : codesToTry(tag)) {
            if (code == kEnglish)
                return Language();
            const Language language = fromCode(code);
            if (!language.isEnglish())
                return language;
        }
    }
    return Language();
}

QStringList Language::available()
{
    QStringList codes{kEnglish};
    const QStringList files =
        QDir(translationsFolder())
            .entryList({QStringLiteral("tzolkara_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        codes.append(file.mid(qsizetype(sizeof("tzolkara_") - 1)).chopped(3));
    return codes;
}

QString Language::word(const char *context, const char *source) const
{
    if (m_translator) {
        const QString said = m_translator->translate(context, source);
        if (!said.isEmpty())
            return said;
    }
    return QString::fromUtf8(source);
}

QString Language::folderUnder(const QString &root) const
{
    if (!isEnglish()) {
        const QString folder = root + m_code + QLatin1Char('/');
        if (QFileInfo(folder).isDir())
            return folder;
    }
    return root;
}

} // namespace tzolkara
