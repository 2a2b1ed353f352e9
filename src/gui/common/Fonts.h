// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace tzolkara {

// Verdana where it is installed, otherwise DejaVu Sans (close in metrics),
// otherwise the system's sans-serif: the same family on every screen, and
// none the machine lacks. Characters that family lacks, Chinese ones
// among them, come from WenQuanYi Micro Hei where it is installed, first
// among the fallbacks, on screen and in the PDF alike.
QFont verdana(qreal pointSize, bool bold = false, bool underline = false);

} // namespace tzolkara
