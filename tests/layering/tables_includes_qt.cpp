// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Must not compile: the tables are plain C++, without Qt.
#include <QString>
