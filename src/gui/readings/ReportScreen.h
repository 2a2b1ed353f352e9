// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/ProgramScreen.h"

class QPushButton;
class QTextEdit;

namespace tzolkara {

class DayNamesChoice;

class ClickableLabel;
class KinEngine;
class ReadingPictures;

// frmMayanAstrologySave and frmMayanNumerologySave: the formatted report of
// the kind's current reading, which the user can save as a reading file or
// print.
class ReportScreen final : public ProgramScreen
{
    Q_OBJECT

public:
    enum class Kind { Astrology, Numerology };

    ReportScreen(Kind kind, KinEngine &engine, const ReadingPictures &pictures,
                 const DayNamesChoice &dayNames, Navigator &navigator,
                 QWidget *parent = nullptr);

    void Form_Load() override;

protected:
    void Form_Unload() override;

private:
    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdSavePdf_Click();

    Kind m_kind;
    KinEngine &m_engine;
    const ReadingPictures &m_pictures;
    const DayNamesChoice &m_dayNames;
    QTextEdit *RTB = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdSavePdf = nullptr;
    ClickableLabel *Label1 = nullptr;
    ClickableLabel *Label14 = nullptr;
};

} // namespace tzolkara
