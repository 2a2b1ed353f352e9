// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/Navigator.h"
#include "gui/shell/ScreenId.h"

#include <QMdiSubWindow>

#include <QList>

class QAction;
class QMenuBar;

namespace tzolkara {

// A program screen: a child window of the main window, created when first
// shown and destroyed when closed. A screen owns its menus, but they are shown
// in the main window's one menu bar while the screen is in front, so that one
// bar alone answers the keyboard's Alt keys.
class ProgramScreen : public QMdiSubWindow
{
    Q_OBJECT

public:
    ProgramScreen(ScreenId id, Navigator &navigator, QWidget *parent = nullptr);

    ScreenId id() const { return m_id; }
    // The window the screen sits in, which shows the other screens.
    Navigator &navigator() const { return m_navigator; }
    Desktop &desktop() const { return m_navigator.desktop(); }
    // True from the moment the screen starts closing; it is deleted soon after.
    bool isClosed() const { return m_closed; }

    // The top-level items of the screen's menu bar; empty for a screen
    // without one.
    QList<QAction *> menuBarActions() const;

    // Runs once, right after the main window created the screen.
    virtual void Form_Load() {}

    // Sizes the window to its content, wrapped texts included.
    void fitToContent();
    // Whether the main window has given the screen its first place; after
    // that the screen stays where the user leaves it.
    bool isPlaced() const { return m_placed; }
    void setPlaced() { m_placed = true; }

protected:
    // Runs when the screen closes (close box, Exit, or the main window
    // closing every screen).
    virtual void Form_Unload() {}

    // `content` fills the window, in the screens' colours; `menuBar` (which
    // may be null) holds the screen's menus and is never shown itself.
    void setContent(QWidget *content, QMenuBar *menuBar = nullptr);

    void closeEvent(QCloseEvent *event) override;

private:
    ScreenId m_id;
    Navigator &m_navigator;
    bool m_closed = false;
    bool m_placed = false;
    QMenuBar *m_menuBar = nullptr;
};

} // namespace tzolkara
