// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/Desktop.h"

namespace tzolkara {

QString applicationTitle()
{
    return QStringLiteral("Tzolkara");
}

} // namespace tzolkara
