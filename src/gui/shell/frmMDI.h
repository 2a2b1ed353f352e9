// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ProgramScreen.h"

#include <QMainWindow>

#include <array>

class QFrame;
class QLabel;
class QMdiArea;
class QPushButton;
class QTimer;

namespace tzolkara {

class ClickableLabel;

// The main window: the banner, the row of program buttons, the black welcome
// panel with its captions, and the area where the program screens open.
class frmMDI final : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMDI(QWidget *parent = nullptr);
    ~frmMDI() override;

    // The one main window, or null before it exists and after it is gone.
    static frmMDI *instance();

    void setWelcomePanelVisible(bool visible);
    bool isWelcomePanelVisible() const;

    // Closes every open program screen, then shows `screen` as the only one.
    void OpenProgramScreen(ScreenId screen);
    void CloseProgramScreens();

    // The screen if it exists (shown or hidden), else null.
    ProgramScreen *findScreen(ScreenId id) const;
    // Creates the screen (running its Form_Load) unless it exists.
    ProgramScreen *loadScreen(ScreenId id);
    // Loads and shows the screen. Shown for the first time, it is placed
    // centred on the screen width, at the top; one that comes back (Back, or
    // a report closing) stays where the user left it.
    ProgramScreen *showScreen(ScreenId id);

    QMdiArea *mdiArea() const { return m_mdiArea; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenuBar();
    // The menu bar shows the menus of the program screen in front, or the
    // main window's own while the welcome panel or no screen is shown.
    void updateMenuBar();
    QFrame *buildBanner();
    QFrame *buildButtonRow();
    QWidget *buildClientArea();
    QFrame *buildCoBrandStrip();

    void MDIForm_Load();
    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();
    // Today's place in the Maya calendar, under the emblem; renewed when the
    // panel comes back and at midnight.
    void updateTodayLine();
    void cmdMdiExit_Click();
    void mnuExit_Click();

    int screenWidth() const;
    void placeScreen(ProgramScreen *screen) const;

    QFrame *Picture6 = nullptr;
    ClickableLabel *lblStarloomBanner = nullptr;
    QFrame *picButtonContainer = nullptr;
    std::array<QPushButton *, 3> cmdSelectOption{};
    QFrame *picMain = nullptr;
    std::array<ClickableLabel *, 6> lblCaption{};
    QLabel *picEmblem = nullptr;
    QLabel *lblToday = nullptr;
    QTimer *m_midnight = nullptr;
    ClickableLabel *Label7 = nullptr;
    QPushButton *cmdMdiExit = nullptr;
    QMdiArea *m_mdiArea = nullptr;
    QList<QAction *> m_ownMenus;
};

} // namespace tzolkara
