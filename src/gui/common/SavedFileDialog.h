// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace tzolkara {
class Desktop;
}

namespace tzolkara {

// The open dialog of the entry screens' "Open Previously Saved Reading":
// titled "Select the source file", with `filter` and `suffix`. The path
// chosen, or an empty one when the user cancelled; a path that does not end
// in exactly `suffix` (lower case) is refused with "Please Check The File."
// and also gives an empty one.
QString askForSavedFile(Desktop &desktop, QWidget *parent, const QString &filter,
                        const QString &suffix);

} // namespace tzolkara
