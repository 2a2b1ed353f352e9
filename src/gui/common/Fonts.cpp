// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tzolkara {

namespace {

// Asked of the font database alone: resolving a font to see its name would
// load a font engine, and its fallbacks, for a size no screen shows.
bool isInstalled(const QString &family)
{
    return QFontDatabase::hasFamily(family);
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
