// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QTextEdit;

namespace tzolkara {

class Desktop;

// Keeps a reading's text off the clipboard: any change of the text, and any
// mouse press, move or release over it, empties the desktop's clipboard and,
// where the desktop has one, the selection that a middle click pastes. Under
// X11 each emptying is a round trip to the display server: code that changes
// a guarded text many times in a row blocks its signals meanwhile and empties
// the clipboard once itself.
void guardClipboard(QTextEdit *text, Desktop &desktop);

} // namespace tzolkara
