// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/daybook/SearchText.h"

#include <QList>
#include <QStringView>

namespace tzolkara {

QString foldedForSearch(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString kept;
    kept.reserve(decomposed.size());
    for (const char32_t c : QStringView(decomposed).toUcs4()) {
        if (QChar::category(c) == QChar::Mark_NonSpacing)
            continue;
        const char32_t plain = c == U'\u2019' ? U'\'' : c;
        if (QChar::requiresSurrogates(plain)) {
            kept += QChar(QChar::highSurrogate(plain));
            kept += QChar(QChar::lowSurrogate(plain));
        } else {
            kept += QChar(char16_t(plain));
        }
    }
    return kept.toCaseFolded();
}

} // namespace tzolkara
