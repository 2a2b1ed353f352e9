#include "Fonts.h"

#include <QStringList>

namespace tzolkara {

QFont verdana(qreal pointSize, bool bold, bool underline)
{
    QFont font;
    QStringList families;
    families << QStringLiteral("Verdana") << QStringLiteral("DejaVu Sans")
             << QStringLiteral("Noto Sans") << QStringLiteral("Liberation Sans");
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace tzolkara
