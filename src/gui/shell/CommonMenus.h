// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace tzolkara {

class Desktop;

// The screens whose menu bars differ in the names of the Help menu's
// separators and in one caption.
enum class MenuVariant { MainWindow, EntryScreen, ResultScreen, TarotQuestion, TarotResult };

// Adds the File menu that each screen then fills (object name "mnuFile", or
// "nuFile" on the tarot question screen).
QMenu *addFileMenu(QMenuBar *bar, const QString &objectName = QStringLiteral("mnuFile"));
QAction *addMenuItem(QMenu *menu, const QString &objectName, const QString &caption);
QAction *addMenuSeparator(QMenu *menu, const QString &objectName);

// Adds, after the File menu, the Help menu with its links and the About box,
// "&Donate", and the unusable "Make Money &Online" (owned by the bar, hidden,
// and not one of its items).
void addCommonMenus(QMenuBar *bar, MenuVariant variant, Desktop &desktop);

} // namespace tzolkara
