// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Must not compile: the widgets do not reach up to the assembly.
#include "app/ProgramContext.h"
