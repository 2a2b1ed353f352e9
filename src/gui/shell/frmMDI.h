// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/Program.h"
#include "gui/shell/ProgramScreen.h"

#include <QMainWindow>

#include <QList>

#include <vector>

class QFrame;
class QLabel;
class QMdiArea;
class QPushButton;
class QTimer;

namespace tzolkara {

class ClickableLabel;
class DayNamesChoice;

// The main window: the banner, the row of program buttons, the black welcome
// panel with its captions, and the area where the program screens open.
// It offers the programs it is given, in their order, and is the navigator of
// every screen that opens in it. Today's line names the day signs as the user
// chose in the calendar.
class frmMDI final : public QMainWindow, public Navigator
{
    Q_OBJECT

public:
    frmMDI(QList<Program> programs, Desktop &desktop, const DayNamesChoice &dayNames,
           QWidget *parent = nullptr);
    ~frmMDI() override;

    void setWelcomePanelVisible(bool visible) override;
    bool isWelcomePanelVisible() const;

    // Closes every open program screen, then shows `screen` as the only one.
    ProgramScreen *OpenProgramScreen(ScreenId screen);
    ProgramScreen *openProgram(ScreenId firstScreen) override
    {
        return OpenProgramScreen(firstScreen);
    }
    void CloseProgramScreens();

    ProgramScreen *findScreen(ScreenId id) const override;
    QList<ProgramScreen *> openScreens() const override;
    ProgramScreen *loadScreen(ScreenId id) override;
    // Shown for the first time, a screen is placed centred on the screen
    // width, at the top; one that comes back (Back, or a report closing)
    // stays where the user left it.
    ProgramScreen *showScreen(ScreenId id) override;
    void activateScreen(ProgramScreen *screen) override;
    Desktop &desktop() override { return m_desktop; }

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
    void cmdSelectOption_Click(const Program &program);
    // A program's caption opens it; the other captions only close screens.
    void lblCaption_Click(const Program *program);
    void lblCaption_MouseMove(ClickableLabel *caption);
    void picMain_MouseMove();
    // Today's place in the Maya calendar, under the emblem; renewed when the
    // panel comes back and at midnight. A link to the program that follows
    // the days, when there is one.
    void updateTodayLine();
    void lblToday_Click();
    void cmdMdiExit_Click();
    void mnuExit_Click();

    int screenWidth() const;
    void placeScreen(ProgramScreen *screen) const;

    QFrame *Picture6 = nullptr;
    ClickableLabel *lblStarloomBanner = nullptr;
    QFrame *picButtonContainer = nullptr;
    const QList<Program> m_programs;
    Desktop &m_desktop;
    const DayNamesChoice &m_dayNames;
    std::vector<QPushButton *> cmdSelectOption;
    QFrame *picMain = nullptr;
    // The panel's three headings, then one caption for each program.
    std::vector<ClickableLabel *> lblCaption;
    QLabel *picEmblem = nullptr;
    ClickableLabel *lblToday = nullptr;
    const Program *m_todayProgram = nullptr;
    QTimer *m_midnight = nullptr;
    ClickableLabel *Label7 = nullptr;
    QPushButton *cmdMdiExit = nullptr;
    QMdiArea *m_mdiArea = nullptr;
    QList<QAction *> m_ownMenus;
};

} // namespace tzolkara
