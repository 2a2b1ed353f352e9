// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/tarot/TarotReading.h"
#include "gui/shell/ProgramScreen.h"

#include <QDate>

#include <array>

class QLabel;
class QPushButton;
class QTextEdit;

namespace tzolkara {

class DayNamesChoice;
class ReadingPictures;

// One tarot reading: five cards laid as a cross, each named by its
// position, beside the reading text.
class frmMayanAstrologyTarotResult final : public ProgramScreen
{
    Q_OBJECT

public:
    frmMayanAstrologyTarotResult(const ReadingPictures &pictures, const DayNamesChoice &dayNames,
                                 Navigator &navigator,
                                 QWidget *parent = nullptr);

    // Shows `reading`: replaces the whole text (cleared first) and lays its
    // five cards; its asker and day go into the PDF.
    void writeReading(const TarotReading &reading);

    // The card of `glyph` (0..19) as this screen shows it, drawn now and kept,
    // so that a later cast only copies it; and whether it is drawn already.
    static void drawCardAhead(const ReadingPictures &pictures, int glyph, qreal devicePixelRatio);
    static bool isCardDrawn(const ReadingPictures &pictures, int glyph, qreal devicePixelRatio);

    void cmdBack_Click();
    void cmdExit_Click();
    void mnuSavePdf_Click();

protected:
    void Form_Unload() override;
    bool event(QEvent *event) override;

private:
    QWidget *buildContent();
    QMenuBar *buildMenuBar();
    void showCard(int position);
    void layCard(int position, int glyph, const QString &cardName);

    const ReadingPictures &m_pictures;
    std::array<QLabel *, kPositionCount> imgMayanTarot{};
    std::array<QLabel *, kPositionCount> lblImageName{};
    // Glyph shown at each position; every card starts as glyph 0.
    std::array<int, kPositionCount> m_cardGlyphs{};
    QTextEdit *RTB = nullptr;
    QPushButton *cmdExit = nullptr;
    QPushButton *cmdBack = nullptr;
    bool m_closingForBack = false;
    QDate m_castDay;
    const DayNamesChoice &m_dayNames;
    QString m_askerName;
};

} // namespace tzolkara
