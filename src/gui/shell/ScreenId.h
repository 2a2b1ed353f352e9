// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace tzolkara {

// The single-instance screens that open inside the main window.
enum class ScreenId {
    AstrologyMain,
    AstrologyResult,
    AstrologySave,
    TarotMain,
    TarotResult,
    NumerologyMain,
    NumerologyResult,
    NumerologySave,
    MayaCalendar,
};

// The order in which the main window closes them.
inline constexpr std::array<ScreenId, 9> kAllScreens = {
    ScreenId::AstrologyMain,    ScreenId::AstrologyResult, ScreenId::AstrologySave,
    ScreenId::TarotMain,        ScreenId::TarotResult,     ScreenId::NumerologyMain,
    ScreenId::NumerologyResult, ScreenId::NumerologySave,  ScreenId::MayaCalendar,
};

} // namespace tzolkara
