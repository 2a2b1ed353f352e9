// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tzolkara {

// Registers the program's real screens with the screen registry.
void registerProgramScreens();

} // namespace tzolkara
