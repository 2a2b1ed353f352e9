// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Must not compile: the core library sees no widget header.
#include "gui/common/Fonts.h"
