// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTest>

using namespace tzolkara;

class TestFonts : public QObject
{
    Q_OBJECT

private slots:
    void everyFont_isVerdanaElseDejaVuSans();
};

void TestFonts::everyFont_isVerdanaElseDejaVuSans()
{
    // DejaVu Sans is one of the packages the build installs.
    const QString expected = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                                 ? QStringLiteral("Verdana")
                                 : QStringLiteral("DejaVu Sans");
    for (const QFont &font : {verdana(8.25), verdana(9.75, true), verdana(24, true, true)})
        QCOMPARE(QFontInfo(font).family(), expected);
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
