// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/readings/ReadingFile.h"

#include <array>

// The two readings that save_loop saves in turn, one of four lines and one
// of five, so that a file torn between them cannot pass for either.
inline std::array<tzolkara::ReadingFile::Inputs, 2> saveLoopReadings()
{
    return {{{QStringLiteral("Old Reading"), QStringLiteral("1999"), QStringLiteral("May"),
              QStringLiteral("5")},
             {QStringLiteral("Łucja José Müller-Anderson"), QStringLiteral("2012"),
              QStringLiteral("December"), QStringLiteral("21")}}};
}
