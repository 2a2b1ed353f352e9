// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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

} // namespace tzolkara
