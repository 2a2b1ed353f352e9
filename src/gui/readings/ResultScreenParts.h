// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/ProgramScreen.h"

class QLabel;
class QMenuBar;
class QPushButton;
class QWidget;

namespace tzolkara {

class ImageList;
class Navigator;

// Pieces both result screens share.
namespace ResultScreenParts {

// "&File" (Back, Exit) and the common menus of a result screen.
QMenuBar *buildMenuBar(ProgramScreen *screen, const std::function<void()> &back);

// A value label; with a wrap width, its long text wraps at that width.
QLabel *valueLabel(const QString &objectName, QWidget *parent, int wrapWidth = 0);
QLabel *pictureBox(const QString &objectName, const QPixmap &designTimePicture, QWidget *parent);
QPushButton *button(const QString &objectName, const QString &caption, QWidget *parent);

// Shows picture `index` of `list` in `box`, which screen readers then name
// `description`; an index outside the list leaves the design-time picture in
// place.
void showPicture(QLabel *box, const ImageList &list, int index, const QString &description);
// "Day number 4, Self-Existing"
QString toneDescription(int dayNumber);

// Closes the report of a result screen that is closing: left open, it would
// stay behind the welcome panel, out of sight, yet still take its Alt keys.
void closeReport(Navigator &navigator, ScreenId report);

// Back: the entry screen comes back as it was left, this screen closes, and
// the welcome panel stays hidden.
void goBack(ProgramScreen *result, ScreenId entry);

} // namespace ResultScreenParts
} // namespace tzolkara
