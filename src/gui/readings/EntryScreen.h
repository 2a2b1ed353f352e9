// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/DateTarget.h"
#include "gui/shell/ProgramScreen.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tzolkara {

class KinEngine;

// The birth-details entry screen. One class serves both programs:
// frmMayanAstrologyMain and frmMayanNumerologyMain differ only in their
// engine instance, their result screen and a few captions.
class EntryScreen final : public ProgramScreen, public DateTarget
{
    Q_OBJECT

public:
    enum class Kind { Astrology, Numerology };

    EntryScreen(Kind kind, KinEngine &engine, Navigator &navigator, QWidget *parent = nullptr);

    void Form_Load() override;
    // Selects `date` as the birth date, when the lists hold it, and puts the
    // keyboard in the name box.
    void showDate(const QDate &date) override;

    bool ValidateBirthDetails();
    void cmdCalculate_Click();
    void cmdOpen_Click();

protected:
    void Form_Unload() override;

private:
    QWidget *buildContent();
    QMenuBar *buildMenuBar();
    ScreenId resultScreen() const;

    Kind m_kind;
    KinEngine &m_engine;
    QLineEdit *txtName = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboDate = nullptr;
    QComboBox *cboYear = nullptr;
    QPushButton *cmdCalculate = nullptr;
    QPushButton *cmdOpen = nullptr;
};

} // namespace tzolkara
