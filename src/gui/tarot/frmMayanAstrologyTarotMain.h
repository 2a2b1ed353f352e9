// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/ProgramScreen.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tzolkara {

class ReadingPictures;
class TarotOracle;

// The tarot's question screen: a name, a problem, and the request for a
// reading. Neither the name nor the problem takes part in the draw.
class frmMayanAstrologyTarotMain final : public ProgramScreen
{
    Q_OBJECT

public:
    // The cards are drawn from `pictures` while the screen waits.
    frmMayanAstrologyTarotMain(TarotOracle &oracle, const ReadingPictures &pictures,
                               Navigator &navigator, QWidget *parent = nullptr);

    bool ValidateTarotEntries();
    void cmdNext_Click();
    void cmdOpen_Click();

protected:
    void Form_Unload() override;

private:
    QWidget *buildContent();
    QMenuBar *buildMenuBar();

    QLineEdit *txtName = nullptr;
    QPlainTextEdit *txtQuestion = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdOpen = nullptr;
    TarotOracle &m_oracle;
};

} // namespace tzolkara
