// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QPushButton;

namespace tzolkara {

class Desktop;

class ClickableLabel;

// The About box: the program's name and version, what it does, and two links.
class frmAbout final : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(Desktop &desktop, QWidget *parent = nullptr);

    // Creates the box afresh and shows it modally; returns when it is closed.
    static void ShowModal(Desktop &desktop);

    static const QString &versionCaption();

private:
    void cmdOK_Click();
    void lblCoBrand_Click();
    void lblHomePage_Click();

    Desktop &m_desktop;
    QPushButton *cmdOK = nullptr;
    ClickableLabel *lblCoBrand = nullptr;
    ClickableLabel *lblHomePage = nullptr;
};

} // namespace tzolkara
