// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMap>
#include <QString>

class QWidget;

namespace tzolkara::testing {

// What a user sees or hears of every widget and menu item on show, keyed by
// where it is: captions, titles, tooltips, accessible names and descriptions,
// list items. Only texts with at least two letters in a row.
using Texts = QMap<QString, QString>;

enum class TextsOf {
    // What the program says itself: the values of the readings' data, the
    // Maya names of the calendar and the user's input are left out.
    ProgramWords,
    // Everything on show, the text of the text boxes too.
    Everything,
};

Texts textsOf(QWidget *top, TextsOf which = TextsOf::ProgramWords);

} // namespace tzolkara::testing
