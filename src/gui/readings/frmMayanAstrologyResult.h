// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/ProgramScreen.h"

class QDate;
class QLabel;
class QPushButton;

namespace tzolkara {

class KinEngine;
class DayNamesChoice;
class ReadingPictures;
class MayaDayFrame;
} // namespace tzolkara

namespace tzolkara {

// One Mayan Astrology reading: the day sign and the day number with their
// texts and pictures, from the Astrology reading state.
class frmMayanAstrologyResult final : public ProgramScreen
{
    Q_OBJECT

public:
    frmMayanAstrologyResult(KinEngine &engine, const ReadingPictures &pictures,
                            const DayNamesChoice &dayNames, Navigator &navigator,
                            QWidget *parent = nullptr);

    void Form_Load() override;
    void cmdSave_Click();
    void cmdBack_Click();
    void lblShowInCalendar_Click(const QDate &date);

protected:
    void Form_Unload() override;

private:
    QWidget *buildContent();

    QLabel *picDaySign = nullptr;
    QLabel *picGalacticTone = nullptr;
    QLabel *lblMayanDaySign = nullptr;
    QLabel *lblMayanEnglishName = nullptr;
    QLabel *lblMayanGemstone = nullptr;
    QLabel *lblKeywords = nullptr;
    QLabel *lblSignificance = nullptr;
    QLabel *lblMayanDesc = nullptr;
    QLabel *lblFamousPersons = nullptr;
    QLabel *lblMayanDayNumber = nullptr;
    QLabel *lblMayanNoDesc = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdBack = nullptr;
    MayaDayFrame *fraMayaCalendar = nullptr;
    KinEngine &m_engine;
    const ReadingPictures &m_pictures;
    const DayNamesChoice &m_dayNames;
};

} // namespace tzolkara
