#pragma once

class QTextEdit;

namespace tzolkara {

// Keeps a reading's text off the clipboard: any change of the text, and any
// mouse press, move or release over it, empties the system clipboard.
void guardClipboard(QTextEdit *text);

} // namespace tzolkara
