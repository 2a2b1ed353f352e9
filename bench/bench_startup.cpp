// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as it starts, ending after the first paint of its main window:
// what bench/run-benchmarks times against the bare window of
// baseline_window.cpp. The shipped program has no such ending.

#include "QuitAfterFirstPaint.h"
#include "app/Startup.h"
#include "gui/shell/frmMDI.h"

int main(int argc, char **argv)
{
    return tzolkara::runTzolkara(argc, argv, [](tzolkara::frmMDI &window) {
        window.installEventFilter(new QuitAfterFirstPaint(&window));
    });
}
