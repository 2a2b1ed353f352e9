// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tzolkara {

// The form in which the day book keeps a note's text for "find in notes",
// and folds the word looked for: compatibility decomposition (so "ﬁ" is
// "fi"), combining marks left out (so "é" is "e"), case folded, and the
// typographic apostrophe written as the plain one, as K'iche' is written
// both ways. A word is found in a note when its folded form is part of
// the note's.
QString foldedForSearch(const QString &text);

} // namespace tzolkara
