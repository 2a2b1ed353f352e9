// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tzolkara {

// The longest line, in bytes, that any reader of the program takes from a
// file or a pipe; a longer one is refused or cut, never read whole. Plain
// C++, so that the command-line tool shares it.
inline constexpr int kMaxInputLineBytes = 4096;

} // namespace tzolkara
