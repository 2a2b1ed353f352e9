// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QGridLayout;
class QGroupBox;
class QLabel;
class QString;
class QWidget;

namespace tzolkara {

// The look shared by the program screens: warm paper behind dark ink, the
// colours of the program's artwork. The colours come with the screen's
// content (applyScreenPalette, once the content is complete).
void applyScreenStyle(QWidget *content);
// The screens' colours, on `content` and every widget in it.
void applyScreenPalette(QWidget *content);

// A label for a long text that wraps at `width` and never clips.
QLabel *wrappingTextLabel(int width, QWidget *parent);
// Sets the text of such a label and makes it exactly as tall as the text.
void setWrappedText(QLabel *label, const QString &text);

// A bold caption label.
QLabel *boldCaption(const QString &objectName, const QString &text, QWidget *parent);
// The larger, wrapping line that introduces a screen.
QLabel *introLabel(const QString &objectName, const QString &text, QWidget *parent);
// The "Personal Details" frame of the entry screens, with the grid to fill.
QGroupBox *personalDetailsFrame(QWidget *parent, QGridLayout **grid);

} // namespace tzolkara
