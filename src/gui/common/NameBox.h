// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLineEdit;

namespace tzolkara::NameBox {

// Limits the name box to `maxLength` UTF-16 units and keeps every cut, by
// the limit or by a paste, from leaving half a character in it; a pasted
// line break or tab becomes a blank.
void limit(QLineEdit *box, int maxLength);

} // namespace tzolkara::NameBox
