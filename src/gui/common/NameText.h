// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QLineEdit;

namespace tzolkara::NameText {

// `text` without unpaired surrogates: the half of a character that a cut in
// UTF-16 units leaves behind (QLineEdit's length limit counts those units).
QString withoutBrokenCharacters(const QString &text);

// Limits the name box to `maxLength` UTF-16 units and keeps every cut, by
// the limit or by a paste, from leaving half a character in it.
void limitNameBox(QLineEdit *box, int maxLength);

} // namespace tzolkara::NameText
