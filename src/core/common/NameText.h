// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tzolkara::NameText {

// `text` without unpaired surrogates: the half of a character that a cut in
// UTF-16 units leaves behind (QLineEdit's length limit counts those units).
QString withoutBrokenCharacters(const QString &text);

// A name as one line, as every screen, report and PDF shows it: a line
// break or a tab (a reading file can bring them in) becomes a blank and any
// other control character is left out, so a name never makes up lines of
// its own.
QString oneLine(const QString &text);

// For file names and document titles: control and format characters (a
// right-to-left override that turns "gpj.pdf" around), noncharacters and
// halves of characters left out.
QString withoutInvisibles(const QString &text);

} // namespace tzolkara::NameText
