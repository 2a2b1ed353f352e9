// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace tzolkara {

namespace {

bool isInstalled(const QString &family)
{
    // A missing family resolves to a substitute, which reports its own name.
    return QFontInfo(QFont(family)).family().compare(family, Qt::CaseInsensitive) == 0;
}

// One family for the whole program, chosen once, so that every screen falls
// back the same way.
QString programFamily()
{
    static const QString family = [] {
        for (const QString &candidate :
             {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}) {
            if (isInstalled(candidate))
                return candidate;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

// Its character map names each glyph by the character it draws, so a
// Chinese name stays searchable in a PDF, and its outlines are TrueType,
// which PDFs embed; the fallback fontconfig would pick first need not be.
const QString &cjkFamily()
{
    static const QString family = QStringLiteral("WenQuanYi Micro Hei");
    return family;
}

} // namespace

QFont verdana(qreal pointSize, bool bold, bool underline)
{
    QFont font;
    // Looked up only when a character is missing from the program's family.
    font.setFamilies(QStringList{programFamily(), cjkFamily()});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace tzolkara
