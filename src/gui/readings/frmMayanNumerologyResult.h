// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/ProgramScreen.h"

class QLabel;
class QPushButton;

namespace tzolkara {

class KinEngine;
class ReadingPictures;

// One Mayan Numerology reading: the day number, its text and its picture,
// from the Numerology reading state.
class frmMayanNumerologyResult final : public ProgramScreen
{
    Q_OBJECT

public:
    frmMayanNumerologyResult(KinEngine &engine, const ReadingPictures &pictures,
                             Navigator &navigator, QWidget *parent = nullptr);

    void Form_Load() override;
    void cmdSave_Click();
    void cmdBack_Click();

protected:
    void Form_Unload() override;

private:
    QWidget *buildContent();

    QLabel *picGalacticTone = nullptr;
    QLabel *lblMayanDayNumber = nullptr;
    QLabel *lblMayanNoDesc = nullptr;
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdSave = nullptr;
    KinEngine &m_engine;
    const ReadingPictures &m_pictures;
};

} // namespace tzolkara
